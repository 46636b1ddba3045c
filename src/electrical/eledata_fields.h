// The names of the controls of Frmeledata, declared once; its layout and
// reactions, and the forms that read its fields, use them through these
// declarations.
#pragma once

namespace corvane::eledata {

inline constexpr const char* Label1 = "Label1";
inline constexpr const char* Label2 = "Label2";
inline constexpr const char* Label3 = "Label3";
inline constexpr const char* Label4 = "Label4";
inline constexpr const char* Label5 = "Label5";
inline constexpr const char* Label6 = "Label6";
inline constexpr const char* Label7 = "Label7";
inline constexpr const char* Label8 = "Label8";
inline constexpr const char* Label9 = "Label9";
inline constexpr const char* Label10 = "Label10";
inline constexpr const char* TXTWN = "TXTWN";
inline constexpr const char* txtudc = "txtudc";
inline constexpr const char* txtidc = "txtidc";
inline constexpr const char* CMBZL = "CMBZL";
inline constexpr const char* cmbdio = "cmbdio";
inline constexpr const char* txtsuac = "txtsuac";
inline constexpr const char* txtsiac = "txtsiac";
inline constexpr const char* txtspo = "txtspo";
inline constexpr const char* TXTCP = "TXTCP";
inline constexpr const char* TXTUNLOAD = "TXTUNLOAD";
inline constexpr const char* ChKSHC = "ChKSHC";
inline constexpr const char* Frame1 = "Frame1";
inline constexpr const char* Chkp = "Chkp";
inline constexpr const char* Label11 = "Label11";
inline constexpr const char* TXTUIN1 = "TXTUIN1";
inline constexpr const char* TXTUIN2 = "TXTUIN2";
inline constexpr const char* Label12 = "Label12";
inline constexpr const char* TXTIIN = "TXTIIN";
inline constexpr const char* Label13 = "Label13";
inline constexpr const char* TXTTEMP20 = "TXTTEMP20";
inline constexpr const char* TXTTEMPD = "TXTTEMPD";
inline constexpr const char* Label14 = "Label14";
inline constexpr const char* TXTLUD = "TXTLUD";
inline constexpr const char* Combo1 = "Combo1";
inline constexpr const char* Text13 = "Text13";
inline constexpr const char* Label15 = "Label15";
inline constexpr const char* txtpo = "txtpo";
inline constexpr const char* txtzb = "txtzb";
inline constexpr const char* CMDWNDEL = "CMDWNDEL";
inline constexpr const char* cmdcore = "cmdcore";
inline constexpr const char* CMDJIEDOU = "CMDJIEDOU";
// "自动设计": the automatic search for the cheapest design of these requirements
inline constexpr const char* CmdSearch = "CmdSearch";
inline constexpr const char* PICSHC = "PICSHC";
inline constexpr const char* FILe = "FILe";
inline constexpr const char* OPEN = "OPEN";
inline constexpr const char* SAVE = "SAVE";
inline constexpr const char* OVER = "OVER";
inline constexpr const char* PRINT = "PRINT";

}  // namespace corvane::eledata
