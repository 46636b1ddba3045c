// The names of the controls of Frmeledata, declared once; its layout and
// reactions, and the forms that read its fields, use them through these
// declarations.
#pragma once

#include "model/form_names.h"
#include "model/workspace.h"

namespace corvane::eledata {

// A field of the electrical form (an output group's row when row ≥ 0) as the
// later forms read it: the form comes into being with its defaults on first
// use. Every read of this form's fields from another form goes through here.
inline Control& field(Workspace& workspace, const char* name, int row = -1) {
  return workspace.field(forms::kElectrical, name, row);
}

inline constexpr const char* Label1 = "Label1";    // column caption "组别"
inline constexpr const char* Label2 = "Label2";    // column caption "输出电压V"
inline constexpr const char* Label3 = "Label3";    // column caption "输出电流A"
inline constexpr const char* Label4 = "Label4";    // column caption "整流电路"
inline constexpr const char* Label5 = "Label5";    // column caption "二极管类型"
inline constexpr const char* Label6 = "Label6";    // column caption "绕组AC电压"
inline constexpr const char* Label7 = "Label7";    // column caption "绕组AC电流"
inline constexpr const char* Label8 = "Label8";    // column caption "绕组功率"
inline constexpr const char* Label9 = "Label9";    // column caption "滤波电容uF"
inline constexpr const char* Label10 = "Label10";  // column caption "空载电压V"
inline constexpr const char* TXTWN = "TXTWN";  // output group label (array, one row per group 0..N)
// DC output voltage, V (the AC voltage when the circuit is "无")
inline constexpr const char* txtudc = "txtudc";
inline constexpr const char* txtidc = "txtidc";    // DC output current, A
inline constexpr const char* CMBZL = "CMBZL";      // rectifier circuit, "无" … "全桥电容"
inline constexpr const char* cmbdio = "cmbdio";    // diode type: "无", "锗管" or "硅管"
inline constexpr const char* txtsuac = "txtsuac";  // winding AC voltage on load, V
inline constexpr const char* txtsiac = "txtsiac";  // winding AC current, A
inline constexpr const char* txtspo = "txtspo";    // winding power, VA
inline constexpr const char* TXTCP = "TXTCP";      // recommended filter capacitor range, µF
inline constexpr const char* TXTUNLOAD = "TXTUNLOAD";  // winding no-load voltage, V
inline constexpr const char* ChKSHC = "ChKSHC";  // winding connection: unchecked "S", checked "P"
inline constexpr const char* Frame1 = "Frame1";  // frame "输入参数"
// input arrangement: "单组输入" one primary, checked "双组输入" two
inline constexpr const char* Chkp = "Chkp";
inline constexpr const char* Label11 = "Label11";  // caption "电压"
inline constexpr const char* TXTUIN1 = "TXTUIN1";  // AC input voltage of primary 1, V
// AC input voltage of primary 2, V (shown for two primaries only)
inline constexpr const char* TXTUIN2 = "TXTUIN2";
inline constexpr const char* Label12 = "Label12";      // caption "输入电流A"
inline constexpr const char* TXTIIN = "TXTIIN";        // total primary current, A
inline constexpr const char* Label13 = "Label13";      // caption "环境温度℃  允许温升℃"
inline constexpr const char* TXTTEMP20 = "TXTTEMP20";  // ambient temperature, °C
inline constexpr const char* TXTTEMPD = "TXTTEMPD";    // allowed temperature rise, K
inline constexpr const char* Label14 = "Label14";      // caption "允许电压调整率%"
inline constexpr const char* TXTLUD = "TXTLUD";        // allowed voltage regulation, %
inline constexpr const char* Combo1 = "Combo1";        // insulation class, "Class Y" … "Class H"
// temperature limit of the insulation class, °C (followed by "℃")
inline constexpr const char* Text13 = "Text13";
inline constexpr const char* Label15 = "Label15";  // caption "输出总功率"
inline constexpr const char* txtpo = "txtpo";      // total output power, W (followed by "W")
inline constexpr const char* txtzb = "txtzb";      // highest output group index N (hidden)
// "删除输出组别": removes the last output group
inline constexpr const char* CMDWNDEL = "CMDWNDEL";
inline constexpr const char* cmdcore = "cmdcore";  // "铁芯选型": on to the core form
// "结构仿真": on to the structure form, once the bobbin is chosen
inline constexpr const char* CMDJIEDOU = "CMDJIEDOU";
inline constexpr const char* PICSHC = "PICSHC";  // schematic of the windings
// "自动设计": the automatic search for the cheapest design of these requirements
inline constexpr const char* CmdSearch = "CmdSearch";
inline constexpr const char* FILe = "FILe";  // menu "文件"
inline constexpr const char* OPEN = "OPEN";  // "打开": reads a design file
inline constexpr const char* SAVE = "SAVE";  // "保存": writes the design file
inline constexpr const char* OVER = "OVER";  // "关闭": ends the program
// "打印参数表": prints the electrical parameter table
inline constexpr const char* PRINT = "PRINT";

}  // namespace corvane::eledata
