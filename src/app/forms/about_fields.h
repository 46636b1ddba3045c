// The names of the controls of frmAbout, declared once; its layout and
// reactions, and the forms that read its fields, use them through these
// declarations.
#pragma once

namespace corvane::about {

inline constexpr const char* lblTitle = "lblTitle";              // the product title
inline constexpr const char* lblVersion = "lblVersion";          // the version line
inline constexpr const char* lblDescription = "lblDescription";  // what the program designs
inline constexpr const char* cmdOK = "cmdOK";                    // "确定": closes the box
// "系统信息(&S)...": starts the system's information tool
inline constexpr const char* cmdSysInfo = "cmdSysInfo";

}  // namespace corvane::about
