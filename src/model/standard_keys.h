// The standard keys of the menu entries that have a standard meaning, in the
// portable text of key sequences. One home, so that every form's "打印" is
// the same key.
#pragma once

namespace corvane::keys {

inline constexpr const char* kNew = "Ctrl+N";
inline constexpr const char* kOpen = "Ctrl+O";
inline constexpr const char* kSave = "Ctrl+S";
inline constexpr const char* kPrint = "Ctrl+P";
inline constexpr const char* kHelp = "F1";
// Several keys of one entry are separated by "; ".
inline constexpr const char* kUndo = "Ctrl+Z";
inline constexpr const char* kRedo = "Ctrl+Y; Ctrl+Shift+Z";

}  // namespace corvane::keys
