// The names of the controls of frmHelp, declared once; its layout and
// reactions, the help window and the script driver use them through these
// declarations.
#pragma once

namespace corvane::help {

// the chapter of the user manual the help window shows (its anchor in the manual)
inline constexpr const char* TxtChapter = "TxtChapter";

}  // namespace corvane::help
