// The names of the controls of MDIForm1, declared once; its layout and
// reactions, and the forms that read its fields, use them through these
// declarations.
#pragma once

namespace corvane::mainwindow {

inline constexpr const char* FILe = "FILe";  // menu "文件"
inline constexpr const char* NEW = "NEW";    // "新建": a new design, on the electrical form
inline constexpr const char* OPEN = "OPEN";  // "打开": opens a saved design
inline constexpr const char* SAVE = "SAVE";  // "保存": saves the design
// "打印": prints the report of the active form; greyed where it has none
inline constexpr const char* PRINT = "PRINT";
inline constexpr const char* OVER = "OVER";                // "关闭": ends the program
inline constexpr const char* Tools = "Tools";              // menu "工具"
inline constexpr const char* ToolsWire = "ToolsWire";      // "导线工具": the wire tools
inline constexpr const char* ToolsSearch = "ToolsSearch";  // "自动设计": the automatic search
inline constexpr const char* sys = "sys";    // "系统信息": the system information tool
inline constexpr const char* HELP = "HELP";  // "帮助": the user manual at the active form's chapter
inline constexpr const char* ABOUT = "ABOUT";  // "关于": the about box
inline constexpr const char* St1 = "St1";      // the status bar's panels (array 1..6)
inline constexpr const char* Tim1 = "Tim1";    // the status bar's one-second clock
inline constexpr const char* SAVEAS = "SAVEAS";  // "另存为…": saves the design under another name
inline constexpr const char* SepRecent = "SepRecent";  // separator line before the recent designs
inline constexpr const char* SepClose = "SepClose";    // separator line before "关闭"
inline constexpr const char* RECENT = "RECENT";        // the recently opened designs (array)
inline constexpr const char* EDIT = "EDIT";            // menu "编辑"
inline constexpr const char* UNDO = "UNDO";            // "撤销 …": takes back the last step
inline constexpr const char* REDO = "REDO";            // "重做 …": does the step undone again

}  // namespace corvane::mainwindow
