// The names of the program's forms, as other forms, the script driver and
// saved designs know them.
#pragma once

namespace corvane::forms {

inline constexpr const char* kMainWindow = "MDIForm1";
inline constexpr const char* kCover = "frmCover";
inline constexpr const char* kAbout = "frmAbout";
inline constexpr const char* kElectrical = "Frmeledata";
inline constexpr const char* kCore = "Frmcore";
inline constexpr const char* kBobbin = "Frmbobbin";
inline constexpr const char* kStructure = "Frmjiegou";
inline constexpr const char* kCost = "FrmBomList";
inline constexpr const char* kWireTools = "FrmWireTools";
inline constexpr const char* kOperating = "FrmOperating";
inline constexpr const char* kSearch = "FrmSearch";
inline constexpr const char* kHelp = "frmHelp";

}  // namespace corvane::forms
