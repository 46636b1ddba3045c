// The names of the controls of MDIForm1, declared once; its layout and
// reactions, and the forms that read its fields, use them through these
// declarations.
#pragma once

namespace corvane::mainwindow {

inline constexpr const char* FILe = "FILe";
inline constexpr const char* NEW = "NEW";
inline constexpr const char* OPEN = "OPEN";
inline constexpr const char* SAVE = "SAVE";
inline constexpr const char* PRINT = "PRINT";
inline constexpr const char* OVER = "OVER";
inline constexpr const char* Tools = "Tools";
inline constexpr const char* ToolsWire = "ToolsWire";      // "导线工具"
inline constexpr const char* ToolsSearch = "ToolsSearch";  // "自动设计"
inline constexpr const char* sys = "sys";
inline constexpr const char* HELP = "HELP";
inline constexpr const char* St1 = "St1";
inline constexpr const char* Tim1 = "Tim1";
inline constexpr const char* SAVEAS = "SAVEAS";
inline constexpr const char* SepRecent = "SepRecent";
inline constexpr const char* SepClose = "SepClose";
inline constexpr const char* RECENT = "RECENT";

}  // namespace corvane::mainwindow
