// The product's name and version as the windows and the about box show them.
#pragma once

namespace corvane::product {

inline constexpr const char* kTitle = "Peak Corvane专家系统";
inline constexpr const char* kVersionLine = "版本V0.0.73";
inline constexpr const char* kWelcomeLine = "欢迎使用Peak Corvane专家系统V1.0.0.73";

}  // namespace corvane::product
