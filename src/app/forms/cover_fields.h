// The names of the controls of frmCover, declared once; its layout and
// reactions, and the forms that read its fields, use them through these
// declarations.
#pragma once

namespace corvane::cover {

inline constexpr const char* picCover = "picCover";
inline constexpr const char* Label3 = "Label3";
inline constexpr const char* Lab = "Lab";
inline constexpr const char* Label1 = "Label1";
inline constexpr const char* Label2 = "Label2";
inline constexpr const char* Timer1 = "Timer1";
inline constexpr const char* Timer2 = "Timer2";

}  // namespace corvane::cover
