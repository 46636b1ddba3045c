// The product's name and version as the cover, the about box and the status
// bar show them: the one version is the CMake project's.
#pragma once

namespace corvane::product {

inline constexpr const char* kTitle = "Peak Corvane专家系统";
#ifndef CORVANE_VERSION
#error "CORVANE_VERSION is the project's version from CMake"
#endif

inline constexpr const char* kVersion = CORVANE_VERSION;
inline constexpr const char* kVersionLine = "版本V" CORVANE_VERSION;
inline constexpr const char* kWelcomeLine = "欢迎使用Peak Corvane专家系统V" CORVANE_VERSION;

}  // namespace corvane::product
