// The names of the controls of frmCover, declared once; its layout and
// reactions, and the forms that read its fields, use them through these
// declarations.
#pragma once

namespace corvane::cover {

inline constexpr const char* picCover = "picCover";  // the backdrop: a gradient from black to blue
// the title (element 0) and the credit line whose colour changes (element 1)
inline constexpr const char* Label3 = "Label3";
inline constexpr const char* Lab = "Lab";        // the thanks line
inline constexpr const char* Label1 = "Label1";  // the version line
inline constexpr const char* Label2 = "Label2";  // the line naming what the program designs
inline constexpr const char* Timer1 = "Timer1";  // closes the cover after 7 s
inline constexpr const char* Timer2 = "Timer2";  // recolours the credit line every 400 ms

}  // namespace corvane::cover
