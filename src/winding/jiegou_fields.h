// The names of the winding-structure form's controls, declared once; the
// form's layout and reactions use them through these declarations.
#pragma once

namespace corvane::jiegou {

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

// --- header fields
inline constexpr const char* TXTID = "TXTID";
inline constexpr const char* TXTCUS = "TXTCUS";
inline constexpr const char* TXTNAME = "TXTNAME";
inline constexpr const char* TXTPROID = "TXTPROID";
inline constexpr const char* Lbldate = "Lbldate";
inline constexpr const char* Txtzb = "Txtzb";  // highest row index N

// --- summary fields
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
