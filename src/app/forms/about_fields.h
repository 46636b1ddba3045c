// The names of the controls of frmAbout, declared once; its layout and
// reactions, and the forms that read its fields, use them through these
// declarations.
#pragma once

namespace corvane::about {

inline constexpr const char* lblTitle = "lblTitle";
inline constexpr const char* lblVersion = "lblVersion";
inline constexpr const char* lblDescription = "lblDescription";
inline constexpr const char* cmdOK = "cmdOK";
inline constexpr const char* cmdSysInfo = "cmdSysInfo";

}  // namespace corvane::about
