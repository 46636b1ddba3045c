// The names of the controls of Frmbobbin, declared once; its layout and
// reactions, and the forms that read its fields, use them through these
// declarations.
#pragma once

#include "model/form_names.h"
#include "model/workspace.h"

namespace corvane::bobbinform {

// A field of the bobbin form (an element of an array when row ≥ 0) as the later
// forms read it: the form comes into being with its defaults on first use.
// Every read of this form's fields from another form goes through here.
inline Control& field(Workspace& workspace, const char* name, int row = -1) {
  return workspace.field(forms::kBobbin, name, row);
}

inline constexpr const char* Label32 = "Label32";    // caption "铁芯"
inline constexpr const char* txtbname = "txtbname";  // core name, copied from the core form
inline constexpr const char* Label33 = "Label33";    // caption "骨架类型"
inline constexpr const char* TxtBTY = "TxtBTY";  // bobbin type: "工字型", "王字型" or "抽屉型"
inline constexpr const char* Frame1 = "Frame1";  // frame "骨架选型"
inline constexpr const char* OPTG = "OPTG";      // "工字": one slot, catalogue table EIB1
inline constexpr const char* OPTW = "OPTW";      // "王字": two slots, catalogue table EIB2
// "抽屉式" (drawer): two slots, catalogue table EIB3
inline constexpr const char* Option1 = "Option1";
inline constexpr const char* Label4 = "Label4";  // caption "槽宽"
inline constexpr const char* TXTCK1 = "TXTCK1";  // width of slot 1 along the window, mm
inline constexpr const char* txtCK2 = "txtCK2";  // width of slot 2, mm (two-slot types only)
inline constexpr const char* Label5 = "Label5";  // caption "槽厚"
inline constexpr const char* TXTCh = "TXTCh";    // slot depth: the winding build available, mm
inline constexpr const char* Label6 = "Label6";  // caption "底边"
// first side of the bobbin base around the tongue, mm
inline constexpr const char* TXTld1 = "TXTld1";
inline constexpr const char* TXTld2 = "TXTld2";    // second side of the bobbin base, mm
inline constexpr const char* Label7 = "Label7";    // caption "底周长"
inline constexpr const char* TXTLD = "TXTLD";      // base perimeter, mm
inline constexpr const char* Label8 = "Label8";    // caption "窗口总面积"
inline constexpr const char* TXTBSW = "TXTBSW";    // total winding window area of the bobbin, mm²
inline constexpr const char* Label34 = "Label34";  // caption "骨架功率"
// power the bobbin window carries, W (followed by "W")
inline constexpr const char* lblbpw = "lblbpw";
inline constexpr const char* Label35 = "Label35";    // caption "胶带宽度"
inline constexpr const char* TxtTapeW = "TxtTapeW";  // insulating tape width, mm
inline constexpr const char* Label36 = "Label36";    // caption "快把纸规格"
// first insulating paper, thickness * width * length in mm
inline constexpr const char* TxtKB = "TxtKB";
// second insulating paper, thickness * width * length in mm
inline constexpr const char* TxtKB1 = "TxtKB1";
inline constexpr const char* Picture1 = "Picture1";  // side view of the bobbin
inline constexpr const char* Label1 = "Label1";    // sketch annotation (element 1): the slot widths
inline constexpr const char* Label2 = "Label2";    // sketch annotation (element 1): the slot depth
inline constexpr const char* Label3 = "Label3";    // sketch annotation (element 1): the base sides
inline constexpr const char* Frame2 = "Frame2";    // frame "骨架查找"
inline constexpr const char* Label9 = "Label9";    // caption "规格EI"
inline constexpr const char* Text9 = "Text9";      // lamination size L of the catalogue search, mm
inline constexpr const char* Label10 = "Label10";  // caption "叠厚"
inline constexpr const char* Text10 = "Text10";    // stack of the catalogue search, mm
inline constexpr const char* Label11 = "Label11";  // caption "BOBBIN 查找"
inline constexpr const char* Text8 = "Text8";  // catalogue search text: a designation's beginning
inline constexpr const char* Label27 = "Label27";  // caption "骨架商"
// the catalogue that answers: the shipped one or another file
inline constexpr const char* Combo1 = "Combo1";
// frame "系统推荐最佳骨架商": the catalogue record shown
inline constexpr const char* Data1 = "Data1";
inline constexpr const char* Label12 = "Label12";  // caption "供应商"
inline constexpr const char* Text7 = "Text7";      // supplier (catalogue column SUP)
inline constexpr const char* Label13 = "Label13";  // caption "名称"
// bobbin designation (catalogue column specification)
inline constexpr const char* Text5 = "Text5";
inline constexpr const char* Label14 = "Label14";  // caption "型号"
inline constexpr const char* Text6 = "Text6";      // part number (catalogue column partno)
inline constexpr const char* Label15 = "Label15";  // caption "A"
inline constexpr const char* Text1 = "Text1";      // bobbin dimension A (catalogue column A)
inline constexpr const char* Label16 = "Label16";  // caption "B"
inline constexpr const char* Text2 = "Text2";      // bobbin dimension B (catalogue column B)
inline constexpr const char* Label17 = "Label17";  // caption "C1"
inline constexpr const char* TxtBbC1 = "TxtBbC1";  // bobbin dimension C1 (catalogue column C1)
inline constexpr const char* Label18 = "Label18";  // caption "C2"
inline constexpr const char* TxtBbC2 = "TxtBbC2";  // bobbin dimension C2 (catalogue column C2)
inline constexpr const char* Label19 = "Label19";  // caption "D"
inline constexpr const char* Text4 = "Text4";      // bobbin dimension D (catalogue column D)
inline constexpr const char* Label26 = "Label26";  // caption "F"
inline constexpr const char* Text3 = "Text3";      // bobbin dimension F (catalogue column F)
inline constexpr const char* Data1First = "Data1First";  // "|<": first record
inline constexpr const char* Data1Prev = "Data1Prev";    // "<": previous record
inline constexpr const char* Data1Next = "Data1Next";    // ">": next record
inline constexpr const char* Data1Last = "Data1Last";    // ">|": last record
inline constexpr const char* Data1Pos = "Data1Pos";      // which record of how many is shown
inline constexpr const char* Fm = "Fm";  // frame "高级应用", the winding tool; hidden until "高级"
inline constexpr const char* Label20 = "Label20";  // caption "线径"
inline constexpr const char* TxtWire = "TxtWire";  // wire diameter, mm
inline constexpr const char* Label21 = "Label21";  // caption "匝数"
inline constexpr const char* TxtTurn = "TxtTurn";  // turns of that wire that fill half the window
inline constexpr const char* Label22 = "Label22";  // caption "电流"
inline constexpr const char* TxtI = "TxtI";        // current, A
inline constexpr const char* Label23 = "Label23";  // caption "电流密度"
inline constexpr const char* TxtJ = "TxtJ";        // current density, A/mm²
inline constexpr const char* Label24 = "Label24";  // caption "电压"
inline constexpr const char* TxtU = "TxtU";        // voltage, V
inline constexpr const char* Label25 = "Label25";  // caption "磁通密度"
inline constexpr const char* TxtB0 = "TxtB0";      // flux density, T
inline constexpr const char* Label28 = "Label28";  // caption "输入电压"
// turns tester: voltage fed to the known winding, V
inline constexpr const char* TxtUin = "TxtUin";
inline constexpr const char* Label29 = "Label29";  // caption "测试电压"
// turns tester: voltage the unknown winding shows, V
inline constexpr const char* TxtTstU = "TxtTstU";
inline constexpr const char* Label30 = "Label30";    // caption "已知匝数"
inline constexpr const char* TxtTstTu = "TxtTstTu";  // turns tester: turns of the known winding
inline constexpr const char* Label31 = "Label31";    // caption "未知匝数"
inline constexpr const char* TxtTun = "TxtTun";      // turns tester: turns of the unknown winding
inline constexpr const char* Option2 = "Option2";    // "50Hz"
inline constexpr const char* Option3 = "Option3";    // "60Hz"
inline constexpr const char* TxtF = "TxtF";          // frequency, Hz
inline constexpr const char* Label37 = "Label37";    // caption "槽满率%"
inline constexpr const char* Sl = "Sl";              // slot fill ratio slider, %
inline constexpr const char* TxtMcl = "TxtMcl";      // slot fill ratio, %
inline constexpr const char* Label38 = "Label38";    // caption "最佳适应电流密度"
// "槽满率": the best current density for the fill ratio
inline constexpr const char* Command1 = "Command1";
// best current density for the fill ratio, A/mm²
inline constexpr const char* TxtBestJ = "TxtBestJ";
// "应用": the tool's current and flux density into the core form
inline constexpr const char* Command2 = "Command2";
inline constexpr const char* Command4 = "Command4";  // "退出": hides the tool
// "变压器参数": back to the electrical form with the bobbin window
inline constexpr const char* cmdele = "cmdele";
// status line: which catalogue answers, or why none could be read
inline constexpr const char* LblStatus = "LblStatus";
inline constexpr const char* FILe = "FILe";    // menu "文件"
inline constexpr const char* PRINT = "PRINT";  // "打印": an image of the form
inline constexpr const char* OVER = "OVER";    // "关闭": hides the form
inline constexpr const char* GJ = "GJ";        // menu "高级": shows the winding tool

}  // namespace corvane::bobbinform
