// The names of the controls of FrmWireTools, declared once; its layout and
// reactions, and the forms that read its fields, use them through these
// declarations.
#pragma once

namespace corvane::wiretoolsform {

inline constexpr const char* Frame1 = "Frame1";
inline constexpr const char* Frame4 = "Frame4";
inline constexpr const char* Frame2 = "Frame2";
inline constexpr const char* Frame3 = "Frame3";
inline constexpr const char* Label1 = "Label1";
inline constexpr const char* TxtWireD = "TxtWireD";
inline constexpr const char* Label2 = "Label2";
inline constexpr const char* CmbWire = "CmbWire";
inline constexpr const char* Label3 = "Label3";
inline constexpr const char* TxtWireLeng = "TxtWireLeng";
inline constexpr const char* Label4 = "Label4";
inline constexpr const char* TxtAwg = "TxtAwg";
inline constexpr const char* Label5 = "Label5";
inline constexpr const char* TxtJ = "TxtJ";
inline constexpr const char* Label6 = "Label6";
inline constexpr const char* TxtWireS = "TxtWireS";
inline constexpr const char* Label7 = "Label7";
inline constexpr const char* TxtWireOM = "TxtWireOM";
inline constexpr const char* Label8 = "Label8";
inline constexpr const char* TxtWireWeig = "TxtWireWeig";
inline constexpr const char* Label9 = "Label9";
inline constexpr const char* TxtWireDCR = "TxtWireDCR";
inline constexpr const char* Label10 = "Label10";
inline constexpr const char* TxtI = "TxtI";
inline constexpr const char* Label11 = "Label11";
inline constexpr const char* TxtF = "TxtF";
inline constexpr const char* Label12 = "Label12";
inline constexpr const char* TxtHfT = "TxtHfT";
inline constexpr const char* Label13 = "Label13";
inline constexpr const char* TxtHftMax = "TxtHftMax";
inline constexpr const char* Label14 = "Label14";
inline constexpr const char* TxtRac = "TxtRac";
inline constexpr const char* Label15 = "Label15";
inline constexpr const char* TxtR = "TxtR";
inline constexpr const char* Label16 = "Label16";
inline constexpr const char* TxtLitzD = "TxtLitzD";
inline constexpr const char* Label17 = "Label17";
inline constexpr const char* TxtLitzP = "TxtLitzP";
inline constexpr const char* Label18 = "Label18";
inline constexpr const char* TxtLitzLeng = "TxtLitzLeng";
inline constexpr const char* Label19 = "Label19";
inline constexpr const char* TxtLitzS = "TxtLitzS";
inline constexpr const char* Label20 = "Label20";
inline constexpr const char* TxtLitzDCR = "TxtLitzDCR";
inline constexpr const char* Label21 = "Label21";
inline constexpr const char* TxtLitzWeig = "TxtLitzWeig";
inline constexpr const char* Label22 = "Label22";
inline constexpr const char* TxtFoilTh = "TxtFoilTh";
inline constexpr const char* Label23 = "Label23";
inline constexpr const char* TxtFoilWd = "TxtFoilWd";
inline constexpr const char* Label24 = "Label24";
inline constexpr const char* TxtFoilLeng = "TxtFoilLeng";
inline constexpr const char* Label25 = "Label25";
inline constexpr const char* TxtFoilS = "TxtFoilS";
inline constexpr const char* Label26 = "Label26";
inline constexpr const char* TxtFoilDCR = "TxtFoilDCR";
inline constexpr const char* Label27 = "Label27";
inline constexpr const char* TxtFoilWeig = "TxtFoilWeig";
inline constexpr const char* Lbt = "Lbt";
inline constexpr const char* Txt1 = "Txt1";
inline constexpr const char* Tim1 = "Tim1";
inline constexpr const char* P = "P";
inline constexpr const char* OP = "OP";
inline constexpr const char* Ab = "Ab";

}  // namespace corvane::wiretoolsform
