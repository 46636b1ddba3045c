// Standard bare diameters of enamelled round copper wire, used to round a
// computed wire diameter up to a wire that can be bought.
#pragma once

#include <cstddef>
#include <iterator>

namespace corvane {

struct StandardWireSize {
  double upTo;      // largest computed diameter served by this wire (mm)
  double diameter;  // standard bare diameter (mm)
};

// Ascending; the first row whose limit is not below the computed diameter applies.
// Columns: computed diameter at most (mm), standard diameter (mm).
inline constexpr StandardWireSize kStandardWireDiameters[] = {
    // clang-format off
    {0.03, 0.03}, {0.04, 0.04}, {0.05, 0.05}, {0.06, 0.06},
    {0.07, 0.07}, {0.08, 0.08}, {0.09, 0.09}, {0.1, 0.1},
    {0.11, 0.11}, {0.12, 0.12}, {0.13, 0.13}, {0.14, 0.14},
    {0.15, 0.15}, {0.16, 0.16}, {0.17, 0.17}, {0.18, 0.18},
    {0.19, 0.19}, {0.2, 0.2}, {0.21, 0.21}, {0.22, 0.22},
    {0.23, 0.23}, {0.24, 0.24},
    {0.25, 0.25}, {0.26, 0.26}, {0.27, 0.27}, {0.28, 0.28},
    {0.29, 0.29}, {0.31, 0.3}, {0.33, 0.32}, {0.36, 0.35},
    {0.37, 0.37}, {0.38, 0.38}, {0.4, 0.4}, {0.41, 0.41},
    {0.43, 0.42}, {0.47, 0.45}, {0.53, 0.5}, {0.58, 0.55},
    {0.62, 0.6}, {0.67, 0.65}, {0.72, 0.7},
    {0.77, 0.75}, {0.82, 0.8}, {0.87, 0.85}, {0.93, 0.9},
    {0.97, 0.95}, {1.02, 1}, {1.07, 1.05}, {1.13, 1.1},
    {1.17, 1.15}, {1.23, 1.2}, {1.27, 1.25}, {1.33, 1.3},
    {1.37, 1.35}, {1.43, 1.4}, {1.47, 1.45}, {1.53, 1.5},
    {1.57, 1.55}, {1.61, 1.6}, {1.64, 1.62}, {1.67, 1.65},
    {1.7, 1.7},
    {1.73, 1.72}, {1.77, 1.75}, {1.8, 1.8}, {1.83, 1.82},
    {1.87, 1.85}, {1.9, 1.9}, {1.93, 1.92}, {1.97, 1.95},
    {2, 2}, {2.03, 2.02}, {2.1, 2.1}, {2.13, 2.12},
    {2.25, 2.2}, {2.35, 2.3}, {2.45, 2.4}, {2.55, 2.5},
    {2.65, 2.65}, {2.75, 2.75}, {2.85, 2.8}, {2.95, 2.9},
    {3.05, 3}, {3.25, 3.2},
    // clang-format on
};

static_assert(std::size(kStandardWireDiameters) == 84, "the wire table has 84 standard sizes");
static_assert(
    [] {
      for (std::size_t i = 1; i < std::size(kStandardWireDiameters); ++i)
        if (kStandardWireDiameters[i].upTo <= kStandardWireDiameters[i - 1].upTo) return false;
      return true;
    }(),
    "the wire table is searched in ascending order");

}  // namespace corvane
