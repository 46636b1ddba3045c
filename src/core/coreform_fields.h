// The names of the controls of Frmcore, declared once; its layout and
// reactions, and the forms that read its fields, use them through these
// declarations.
#pragma once

#include "model/form_names.h"
#include "model/workspace.h"

namespace corvane::coreform {

// A field of the core form (an element of txtcoremt when row ≥ 0) as the later
// forms read it: the form comes into being with its defaults on first use.
// Every read of this form's fields from another form goes through here.
inline Control& field(Workspace& workspace, const char* name, int row = -1) {
  return workspace.field(forms::kCore, name, row);
}

inline constexpr const char* Frm1 = "Frm1";      // frame "选择矽钢片材质": the steel grade
inline constexpr const char* Cmbnew = "Cmbnew";  // steel grades by the 新日铁 designation
inline constexpr const char* cmbjis = "cmbjis";  // the same grades by the JIS C2552 designation
inline constexpr const char* cmbcq = "cmbcq";    // the same grades by the 川崎 designation
// the picked grade's row in the lists; blank until one is picked
inline constexpr const char* TXTINDEX = "TXTINDEX";
inline constexpr const char* OPTW = "OPTW";  // sheet finish "白片" (white)
// sheet finish "黑片" (black), which raises the iron loss 1.24 times
inline constexpr const char* OPTB = "OPTB";
inline constexpr const char* Label2 = "Label2";  // captions over the material fields (array 0..4)
// the grade (array): thickness mm, density g/cm³, P1.5/50 W/kg, B T, description
inline constexpr const char* txtcoremt = "txtcoremt";
inline constexpr const char* Frame1 = "Frame1";  // frame "功率铁芯规格设计"
inline constexpr const char* Label3 = "Label3";  // caption "功率Po(W)"
inline constexpr const char* txtpo = "txtpo";    // required output power Po, W
inline constexpr const char* Label4 = "Label4";  // caption "频率F(Hz)"
inline constexpr const char* TxtF = "TxtF";      // frequency, Hz
inline constexpr const char* Label5 = "Label5";  // caption "工作磁密Bm(T)"
inline constexpr const char* TxtBm = "TxtBm";    // working flux density Bm, T
inline constexpr const char* Label6 = "Label6";  // caption "电流密度J(A/mm)"
inline constexpr const char* TxtJ = "TxtJ";      // current density of the primary, A/mm²
// caption "PRI       Sec" over the two current densities
inline constexpr const char* Label7 = "Label7";
inline constexpr const char* txtjsec = "txtjsec";  // current density of the secondaries, A/mm²
inline constexpr const char* Frame2 = "Frame2";    // frame "铁芯参数1"
inline constexpr const char* Label14 = "Label14";  // caption "铁芯规格ScSw"
inline constexpr const char* TXTSCSW = "TXTSCSW";  // core figure Sc·Sw, cm⁴
inline constexpr const char* Label15 = "Label15";  // caption "铁芯截面积Sc"
inline constexpr const char* TXTSC = "TXTSC";  // core cross-section Sc, cm² (followed by "cm^2")
inline constexpr const char* Label16 = "Label16";  // caption "铁芯窗口面积Sw"
inline constexpr const char* txtsw = "txtsw";      // window area Sw, cm²
inline constexpr const char* Frame3 = "Frame3";    // frame "自定义铁芯尺寸比"
inline constexpr const char* Label8 = "Label8";    // caption "迭厚/舌宽"
inline constexpr const char* TXTBA = "TXTBA";      // custom proportion b/a: stack over tongue width
inline constexpr const char* Label9 = "Label9";    // caption "窗高/窗宽"
// custom proportion h/c: window height over window width
inline constexpr const char* TXTHC = "TXTHC";
inline constexpr const char* OptBZ = "OptBZ";  // "标准EI片": a lamination of the standard catalogue
inline constexpr const char* OPTFB = "OPTFB";              // "非标EI片": a custom core
inline constexpr const char* txtautocore = "txtautocore";  // requested lamination length L, mm
inline constexpr const char* Text4 = "Text4";              // turns per volt, turns/V
inline constexpr const char* Frame4 = "Frame4";            // frame "铁芯尺寸"
inline constexpr const char* Label17 = "Label17";          // the caption line over the core's sizes
inline constexpr const char* TXTL = "TXTL";                // lamination length L, mm
inline constexpr const char* TXTw = "TXTw";                // lamination height H, mm
inline constexpr const char* TXTa = "TXTa";                // tongue width a, mm
inline constexpr const char* TxtB = "TxtB";                // stack thickness b, mm
inline constexpr const char* txtc = "txtc";                // window width c, mm
inline constexpr const char* txth = "txth";                // window height h, mm
inline constexpr const char* txtle = "txtle";              // mean magnetic path length Le, mm
inline constexpr const char* txtwe = "txtwe";              // core weight We, g (followed by "g")
inline constexpr const char* txtpc = "txtpc";              // iron loss Pc, W (followed by "W")
inline constexpr const char* TxtLv = "TxtLv";              // mean turn length of the winding, mm
inline constexpr const char* TxtTurnPri = "TxtTurnPri";    // primary turns N1
// current density the window allows the primary, A/mm²
inline constexpr const char* TxtJs = "TxtJs";
// rated-power table the core came from: "540", "360", "800" or empty
inline constexpr const char* Text3 = "Text3";
inline constexpr const char* txtcname = "txtcname";  // core name "EI-" L "*" b
inline constexpr const char* TXTVA = "TXTVA";        // highest output power of the core, W
// temperature rise of the rated-power table's transformer, K
inline constexpr const char* Text2 = "Text2";
inline constexpr const char* Text5 = "Text5";  // window area the windings need, cm²
// no-load apparent power of the rated-power table's transformer, VA
inline constexpr const char* TxtVa0 = "TxtVa0";
inline constexpr const char* TxtFc = "TxtFc";  // core cooling surface FC, cm²
inline constexpr const char* TxtFM = "TxtFM";  // coil cooling surface FM, cm²
inline constexpr const char* TxtAM = "TxtAM";  // surface dissipation coefficient α, W/(cm²·K)
inline constexpr const char* Label18 = "Label18";  // caption "最高输出功率" over TXTVA
// caption "FC          FM" over the cooling surfaces
inline constexpr const char* Label19 = "Label19";
// "DW540-50": the core from that grade's rated-power table
inline constexpr const char* Command4 = "Command4";
// "DW360-50": the core from that grade's rated-power table
inline constexpr const char* Command5 = "Command5";
// "50H800": the core from that grade's rated-power table
inline constexpr const char* Command6 = "Command6";
inline constexpr const char* CMDBB = "CMDBB";  // "Bobbin": on to the bobbin form
// frame "电磁参量确定工具", the parameter tool; hidden until "高级"
inline constexpr const char* Fmr = "Fmr";
inline constexpr const char* Label10 = "Label10";  // caption "允许温升"
inline constexpr const char* TXTTEMP = "TXTTEMP";  // allowed temperature rise ΔT, K
inline constexpr const char* Label12 = "Label12";  // caption "允许铜损"
inline constexpr const char* TxtPm = "TxtPm";      // allowed copper loss, W
inline constexpr const char* Label13 = "Label13";  // caption "允许磁密"
inline constexpr const char* Text1 = "Text1";      // allowed flux density, T
inline constexpr const char* Label11 = "Label11";  // caption "电压调整率"
inline constexpr const char* TxtDU = "TxtDU";      // allowed voltage regulation, %
inline constexpr const char* TxtCu = "TxtCu";      // copper weight estimate, kg
// copper loss coefficient at working temperature, W/kg per (A/mm²)²
inline constexpr const char* TxtZ = "TxtZ";
inline constexpr const char* Label20 = "Label20";  // caption "J" before the allowed current density
inline constexpr const char* TxtJb = "TxtJb";      // allowed current density, A/mm²
// "应用": the tool's flux and current density into the form
inline constexpr const char* Command3 = "Command3";
inline constexpr const char* Command2 = "Command2";  // "关闭": hides the tool
inline constexpr const char* FILe = "FILe";          // menu "文件"
inline constexpr const char* OPEN = "OPEN";          // "打开" (does nothing on this form)
inline constexpr const char* SAVE = "SAVE";          // "保存" (does nothing on this form)
inline constexpr const char* PRINT = "PRINT";        // "打印": an image of the form
inline constexpr const char* OVER = "OVER";          // "关闭": ends the program
inline constexpr const char* GJ = "GJ";              // menu "高级": shows the parameter tool

}  // namespace corvane::coreform
