// The names of the winding-structure form's controls, declared once; the
// form's layout and reactions use them through these declarations.
#pragma once

#include <string>
#include <string_view>

#include "model/form_names.h"
#include "model/workspace.h"

namespace corvane::jiegou {

// A field of the winding-structure form (a row of the table when row ≥ 0) as
// the later forms read it: the form comes into being with its defaults on first
// use. Every read of this form's fields from another form goes through here.
inline Control& field(Workspace& workspace, const char* name, int row = -1) {
  return workspace.field(forms::kStructure, name, row);
}

// --- the winding table: control arrays, one element per row 0..Txtzb
inline constexpr const char* TXTWN = "TXTWN";              // winding label
inline constexpr const char* CmBleadtype = "CmBleadtype";  // lead-wire type
inline constexpr const char* CMBCLR = "CMBCLR";            // lead colours start/finish
inline constexpr const char* CMBTYPE = "CMBTYPE";          // winding wire type
inline constexpr const char* TXTTURN = "TXTTURN";          // turns
inline constexpr const char* TXTWIRE = "TXTWIRE";          // bare wire diameter, mm
inline constexpr const char* TXTQ = "TXTQ";                // parallel strands
inline constexpr const char* TXTLN = "TXTLN";              // turns per layer
inline constexpr const char* TXTL = "TXTL";                // layers
inline constexpr const char* TXTHT = "TXTHT";              // radial build, mm
inline constexpr const char* txtlt = "txtlt";              // mean turn length, mm
inline constexpr const char* TXTCUWEIGH = "TXTCUWEIGH";    // copper weight, g
inline constexpr const char* TXTDCR20 = "TXTDCR20";        // resistance at 20 °C, mΩ
inline constexpr const char* TXTDCRHOT = "TXTDCRHOT";      // resistance when hot, mΩ
inline constexpr const char* TXTUD = "TXTUD";              // resistive drop, V
inline constexpr const char* TXTULOADE = "TXTULOADE";      // load voltage, V
inline constexpr const char* TxtUnV = "TxtUnV";            // no-load voltage, V
inline constexpr const char* TXTPCU = "TXTPCU";            // copper loss, W
inline constexpr const char* txtlud = "txtlud";            // deviation from the group's voltage, %
inline constexpr const char* CMBLINK = "CMBLINK";          // DC load voltage, V
inline constexpr const char* TxtDU = "TxtDU";              // regulation, %

// The caption over a column of the table: "Head" and the column's name
// ("HeadTXTQ"). A click on the strands, turns or wire heading locks or frees
// that column.
inline std::string columnHead(std::string_view column) {
  return "Head" + std::string(column);
}

// --- header fields
inline constexpr const char* LblTitle = "LblTitle";  // the title "结构参数与仿真报告"
inline constexpr const char* Label1 = "Label1";      // caption "订单ID:"
inline constexpr const char* TXTID = "TXTID";        // order number
inline constexpr const char* Label2 = "Label2";      // caption "客户ID:"
inline constexpr const char* TXTCUS = "TXTCUS";      // customer number
inline constexpr const char* Label3 = "Label3";      // caption "型号:"
inline constexpr const char* TXTNAME = "TXTNAME";    // model: the bobbin's core name
inline constexpr const char* Label4 = "Label4";      // caption "产品ID:"
inline constexpr const char* TXTPROID = "TXTPROID";  // product number
inline constexpr const char* Lbldate = "Lbldate";    // today's date, set on opening
inline constexpr const char* Txtzb = "Txtzb";        // highest row index N (hidden)

// --- summary fields and their captions
inline constexpr const char* Label11 = "Label11";          // caption "铜损(W)"
inline constexpr const char* Label12 = "Label12";          // caption "铁损(W)"
inline constexpr const char* Label13 = "Label13";          // caption "总损耗(W)"
inline constexpr const char* Label14 = "Label14";          // caption "铜总重KG"
inline constexpr const char* Label15 = "Label15";          // caption "空载电流I0(A)"
inline constexpr const char* Label16 = "Label16";          // caption "开放式温升△℃"
inline constexpr const char* Label17 = "Label17";          // caption "适配器温升△℃"
inline constexpr const char* Label18 = "Label18";          // caption "空载Bo(T)"
inline constexpr const char* Label19 = "Label19";          // caption "工作B(T)"
inline constexpr const char* Label20 = "Label20";          // caption "初级电流密度(A/mm²)"
inline constexpr const char* Label21 = "Label21";          // caption "次级电流密度(A/mm²)"
inline constexpr const char* Label22 = "Label22";          // caption "胶带层数  总长度MM"
inline constexpr const char* txtpcuz = "txtpcuz";          // total copper loss, W
inline constexpr const char* TXTPCZ = "TXTPCZ";            // iron loss, W
inline constexpr const char* txtpLOST = "txtpLOST";        // total loss, W
inline constexpr const char* CmbTapeL = "CmbTapeL";        // tape layers per winding
inline constexpr const char* TxtTapeLeng = "TxtTapeLeng";  // total tape length, mm
inline constexpr const char* TxtCuWt = "TxtCuWt";          // total copper weight, kg
inline constexpr const char* TxtI0 = "TxtI0";              // no-load current, A
inline constexpr const char* TXTTEMP = "TXTTEMP";          // open-frame rise, K
inline constexpr const char* Tp2 = "Tp2";                  // adapter rise, K
inline constexpr const char* TxtBm = "TxtBm";              // no-load flux density, T
inline constexpr const char* TxtB = "TxtB";                // flux density on load, T
inline constexpr const char* TxtJ = "TxtJ";                // primary current density, A/mm²
inline constexpr const char* TxtJs = "TxtJs";              // secondary current density, A/mm²

// --- pictures, commands and menu
inline constexpr const char* Picture1 = "Picture1";          // structure cross-section
inline constexpr const char* Img = "Img";                    // outline of the transformer
inline constexpr const char* Command1 = "Command1";          // "参数仿真"
inline constexpr const char* Command2 = "Command2";          // "上一步"
inline constexpr const char* Command3 = "Command3";          // "结构仿真"
inline constexpr const char* Command4 = "Command4";          // "材料清单"
inline constexpr const char* Command5 = "Command5";          // "负载运行"
inline constexpr const char* Command6 = "Command6";          // "空载运行"
inline constexpr const char* CmdOperating = "CmdOperating";  // "工况分析"
inline constexpr const char* wiretool = "wiretool";          // "导线工具"
inline constexpr const char* Pr = "Pr";                      // "打印"
// "导出SPICE模型": the transformer as a SPICE model, with its supply circuit
inline constexpr const char* CmdExportSpice = "CmdExportSpice";

}  // namespace corvane::jiegou
