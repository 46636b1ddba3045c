// The names of the controls of Frmcore, declared once; its layout and
// reactions, and the forms that read its fields, use them through these
// declarations.
#pragma once

namespace corvane::coreform {

inline constexpr const char* Frm1 = "Frm1";
inline constexpr const char* Cmbnew = "Cmbnew";
inline constexpr const char* cmbjis = "cmbjis";
inline constexpr const char* cmbcq = "cmbcq";
inline constexpr const char* TXTINDEX = "TXTINDEX";
inline constexpr const char* OPTW = "OPTW";
inline constexpr const char* OPTB = "OPTB";
inline constexpr const char* Label2 = "Label2";
inline constexpr const char* txtcoremt = "txtcoremt";
inline constexpr const char* Frame1 = "Frame1";
inline constexpr const char* Label3 = "Label3";
inline constexpr const char* txtpo = "txtpo";
inline constexpr const char* Label4 = "Label4";
inline constexpr const char* TxtF = "TxtF";
inline constexpr const char* Label5 = "Label5";
inline constexpr const char* TxtBm = "TxtBm";
inline constexpr const char* Label6 = "Label6";
inline constexpr const char* TxtJ = "TxtJ";
inline constexpr const char* Label7 = "Label7";
inline constexpr const char* txtjsec = "txtjsec";
inline constexpr const char* Frame2 = "Frame2";
inline constexpr const char* Label14 = "Label14";
inline constexpr const char* TXTSCSW = "TXTSCSW";
inline constexpr const char* Label15 = "Label15";
inline constexpr const char* TXTSC = "TXTSC";
inline constexpr const char* Label16 = "Label16";
inline constexpr const char* txtsw = "txtsw";
inline constexpr const char* Frame3 = "Frame3";
inline constexpr const char* Label8 = "Label8";
inline constexpr const char* TXTBA = "TXTBA";
inline constexpr const char* Label9 = "Label9";
inline constexpr const char* TXTHC = "TXTHC";
inline constexpr const char* OptBZ = "OptBZ";
inline constexpr const char* OPTFB = "OPTFB";
inline constexpr const char* txtautocore = "txtautocore";
inline constexpr const char* Text4 = "Text4";
inline constexpr const char* Frame4 = "Frame4";
inline constexpr const char* Label17 = "Label17";
inline constexpr const char* TXTL = "TXTL";
inline constexpr const char* TXTw = "TXTw";
inline constexpr const char* TXTa = "TXTa";
inline constexpr const char* TxtB = "TxtB";
inline constexpr const char* txtc = "txtc";
inline constexpr const char* txth = "txth";
inline constexpr const char* txtle = "txtle";
inline constexpr const char* txtwe = "txtwe";
inline constexpr const char* txtpc = "txtpc";
inline constexpr const char* TxtLv = "TxtLv";
inline constexpr const char* TxtTurnPri = "TxtTurnPri";
inline constexpr const char* TxtJs = "TxtJs";
inline constexpr const char* Text3 = "Text3";
inline constexpr const char* txtcname = "txtcname";
inline constexpr const char* TXTVA = "TXTVA";
inline constexpr const char* Text2 = "Text2";
inline constexpr const char* Text5 = "Text5";
inline constexpr const char* TxtVa0 = "TxtVa0";
inline constexpr const char* TxtFc = "TxtFc";
inline constexpr const char* TxtFM = "TxtFM";
inline constexpr const char* TxtAM = "TxtAM";
inline constexpr const char* Label18 = "Label18";
inline constexpr const char* Label19 = "Label19";
inline constexpr const char* Command4 = "Command4";
inline constexpr const char* Command5 = "Command5";
inline constexpr const char* Command6 = "Command6";
inline constexpr const char* CMDBB = "CMDBB";
inline constexpr const char* Fmr = "Fmr";
inline constexpr const char* Label10 = "Label10";
inline constexpr const char* TXTTEMP = "TXTTEMP";
inline constexpr const char* Label12 = "Label12";
inline constexpr const char* TxtPm = "TxtPm";
inline constexpr const char* Label13 = "Label13";
inline constexpr const char* Text1 = "Text1";
inline constexpr const char* Label11 = "Label11";
inline constexpr const char* TxtDU = "TxtDU";
inline constexpr const char* TxtCu = "TxtCu";
inline constexpr const char* TxtZ = "TxtZ";
inline constexpr const char* Label20 = "Label20";
inline constexpr const char* TxtJb = "TxtJb";
inline constexpr const char* Command3 = "Command3";
inline constexpr const char* Command2 = "Command2";
inline constexpr const char* FILe = "FILe";
inline constexpr const char* OPEN = "OPEN";
inline constexpr const char* SAVE = "SAVE";
inline constexpr const char* PRINT = "PRINT";
inline constexpr const char* OVER = "OVER";
inline constexpr const char* GJ = "GJ";

}  // namespace corvane::coreform
