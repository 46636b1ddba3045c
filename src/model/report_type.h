// The type of the printed reports: one face for the whole page, the title
// larger than the body. Sizes in points.
#pragma once

#include "model/print_surface.h"

namespace corvane::report {

inline constexpr const char* kFace = "黑体";
inline constexpr double kTitleSize = 14;
inline constexpr double kBodySize = 12;
// the reports with long tables (the cost list, the operating analysis)
inline constexpr double kDenseBodySize = 10;

// The report's face at the title's size.
inline void setTitleType(PrintSurface& page) {
  page.setFontName(kFace);
  page.setFontSize(kTitleSize);
}

}  // namespace corvane::report
