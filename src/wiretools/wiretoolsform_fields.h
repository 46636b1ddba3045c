// The names of the controls of FrmWireTools, declared once; its layout and
// reactions, and the forms that read its fields, use them through these
// declarations.
#pragma once

namespace corvane::wiretoolsform {

inline constexpr const char* Frame1 = "Frame1";      // frame "漆包线": enamelled round wire
inline constexpr const char* Frame4 = "Frame4";      // frame "趋表效应": skin effect
inline constexpr const char* Frame2 = "Frame2";      // frame "Litz线": litz wire
inline constexpr const char* Frame3 = "Frame3";      // frame "Foil": copper foil
inline constexpr const char* Label1 = "Label1";      // caption "线径mm ф"
inline constexpr const char* TxtWireD = "TxtWireD";  // wire diameter, mm
inline constexpr const char* Label2 = "Label2";      // caption "线材"
// conductor material: copper, aluminium or a copper-clad aluminium grade
inline constexpr const char* CmbWire = "CmbWire";
inline constexpr const char* Label3 = "Label3";            // caption "长度L(M)"
inline constexpr const char* TxtWireLeng = "TxtWireLeng";  // wire length, m
inline constexpr const char* Label4 = "Label4";            // caption "AWG"
inline constexpr const char* TxtAwg = "TxtAwg";            // AWG number
inline constexpr const char* Label5 = "Label5";            // caption "电流密度A/mm2"
inline constexpr const char* TxtJ = "TxtJ";                // current density, A/mm²
inline constexpr const char* Label6 = "Label6";            // caption "截面积S(mm2)"
inline constexpr const char* TxtWireS = "TxtWireS";        // wire section, mm²
inline constexpr const char* Label7 = "Label7";            // caption "导体电阻Ω.M"
inline constexpr const char* TxtWireOM = "TxtWireOM";      // wire resistance per metre, Ω/m
inline constexpr const char* Label8 = "Label8";            // caption "重量We(g)"
inline constexpr const char* TxtWireWeig = "TxtWireWeig";  // wire weight, g
inline constexpr const char* Label9 = "Label9";            // caption "电阻R(Ω)"
inline constexpr const char* TxtWireDCR = "TxtWireDCR";    // wire resistance, Ω
inline constexpr const char* Label10 = "Label10";          // caption "允许电流A"
inline constexpr const char* TxtI = "TxtI";                // allowed current, A
inline constexpr const char* Label11 = "Label11";          // caption "频率KHz"
inline constexpr const char* TxtF = "TxtF";                // frequency, kHz
inline constexpr const char* Label12 = "Label12";          // caption "趋表深度mm"
inline constexpr const char* TxtHfT = "TxtHfT";            // skin depth, mm
inline constexpr const char* Label13 = "Label13";          // caption "最大线径及厚度"
// largest useful wire diameter or foil thickness, mm
inline constexpr const char* TxtHftMax = "TxtHftMax";
inline constexpr const char* Label14 = "Label14";          // caption "Rac"
inline constexpr const char* TxtRac = "TxtRac";            // AC/DC resistance ratio
inline constexpr const char* Label15 = "Label15";          // caption "交流电阻R(Ω)"
inline constexpr const char* TxtR = "TxtR";                // AC resistance, Ω
inline constexpr const char* Label16 = "Label16";          // caption "单股线径mm"
inline constexpr const char* TxtLitzD = "TxtLitzD";        // strand diameter, mm
inline constexpr const char* Label17 = "Label17";          // caption "股数 P"
inline constexpr const char* TxtLitzP = "TxtLitzP";        // number of strands
inline constexpr const char* Label18 = "Label18";          // caption "长度L(M)"
inline constexpr const char* TxtLitzLeng = "TxtLitzLeng";  // litz length, m
inline constexpr const char* Label19 = "Label19";          // caption "截面积S(mm2)"
inline constexpr const char* TxtLitzS = "TxtLitzS";        // litz section, mm²
inline constexpr const char* Label20 = "Label20";          // caption "电阻R(Ω)"
inline constexpr const char* TxtLitzDCR = "TxtLitzDCR";    // litz resistance, Ω
inline constexpr const char* Label21 = "Label21";          // caption "重量We(g)"
inline constexpr const char* TxtLitzWeig = "TxtLitzWeig";  // litz weight, g
inline constexpr const char* Label22 = "Label22";          // caption "厚度(mm)"
inline constexpr const char* TxtFoilTh = "TxtFoilTh";      // foil thickness, mm
inline constexpr const char* Label23 = "Label23";          // caption "宽度(mm)"
inline constexpr const char* TxtFoilWd = "TxtFoilWd";      // foil width, mm
inline constexpr const char* Label24 = "Label24";          // caption "长度L(M)"
inline constexpr const char* TxtFoilLeng = "TxtFoilLeng";  // foil length, m
inline constexpr const char* Label25 = "Label25";          // caption "截面积S(mm2)"
inline constexpr const char* TxtFoilS = "TxtFoilS";        // foil section, mm²
inline constexpr const char* Label26 = "Label26";          // caption "电阻R(Ω)"
inline constexpr const char* TxtFoilDCR = "TxtFoilDCR";    // foil resistance, Ω
inline constexpr const char* Label27 = "Label27";          // caption "重量We(g)"
inline constexpr const char* TxtFoilWeig = "TxtFoilWeig";  // foil weight, g
inline constexpr const char* Lbt = "Lbt";                  // the clock line: date and time
inline constexpr const char* Txt1 = "Txt1";                // seconds counter of the clock (hidden)
inline constexpr const char* Tim1 = "Tim1";                // the clock's one-second timer
inline constexpr const char* P = "P";                      // "打印": an image of the form
inline constexpr const char* OP = "OP";                    // "关闭": hides the form
inline constexpr const char* Ab = "Ab";                    // "关于": the about box

}  // namespace corvane::wiretoolsform
