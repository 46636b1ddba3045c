// The messages the load and no-load runs end with, besides the serious
// warning: the search reads a run's verdict by them.
#pragma once

namespace corvane::winding {

inline constexpr const char* kLoadOverheating = "负载运行过热";
inline constexpr const char* kLoadSafe = "负载运行安全";
inline constexpr const char* kNoLoadOverheating = "空载运行过热";
inline constexpr const char* kNoLoadSafe = "空载运行安全";

}  // namespace corvane::winding
