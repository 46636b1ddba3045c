#include "simulation/core_curves.h"

#include <array>

namespace corvane::simulation {

namespace {

// Flux density up to (T), H (A/cm). The last band reaches to the saturation
// threshold of 1.6 T, so the curve has no gap below it.
// clang-format off
constexpr std::array<CurveBand, 26> kDw540{{
    {0.55, 1.5}, {0.72, 2},   {0.85, 2.5}, {0.95, 3},   {1.05, 3.5}, {1.1, 4},    {1.17, 4.5},
    {1.23, 5},   {1.26, 5.5}, {1.3, 6},    {1.33, 6.5}, {1.35, 7},   {1.38, 7.5}, {1.41, 8},
    {1.43, 8.5}, {1.45, 9},   {1.47, 9.5}, {1.48, 10},  {1.49, 10.5}, {1.5, 11},  {1.52, 12},
    {1.54, 13},  {1.55, 14},  {1.57, 15},  {1.58, 16},  {1.6, 17},
}};

// Flux density up to (T), H (A/cm).
constexpr std::array<CurveBand, 22> kDw360{{
    {0.6, 1.1},  {0.95, 2},  {1.13, 3},  {1.25, 4},  {1.34, 5},  {1.4, 6},   {1.44, 7},
    {1.48, 8},   {1.5, 9},   {1.53, 10}, {1.55, 11}, {1.57, 12}, {1.58, 13}, {1.6, 14},
    {1.62, 15},  {1.63, 16}, {1.64, 17}, {1.65, 19}, {1.67, 20}, {1.68, 22}, {1.69, 23},
    {1.7, 24},
}};

// Flux density up to (T), H (A/cm).
constexpr std::array<CurveBand, 25> kH800{{
    {0.3, 1},    {0.6, 1.5},  {0.8, 2},    {0.95, 2.5}, {1.05, 3},   {1.15, 3.5}, {1.23, 4},
    {1.28, 4.5}, {1.33, 5},   {1.37, 5.5}, {1.41, 6},   {1.44, 6.5}, {1.46, 7},   {1.49, 7.5},
    {1.51, 8},   {1.53, 8.5}, {1.55, 9},   {1.56, 9.5}, {1.57, 10},  {1.59, 11},  {1.6, 12},
    {1.61, 13},  {1.63, 14},  {1.64, 15},  {1.7, 16},
}};

// Grain-oriented steel, in gauss: up to 10000 G, then every 100 G to 18000 G, H (A/cm).
constexpr std::array<CurveBand, 81> kZ11{{
    {10000, 0.21},  {10100, 0.211}, {10200, 0.212}, {10300, 0.213}, {10400, 0.214},
    {10500, 0.215}, {10600, 0.216}, {10700, 0.218}, {10800, 0.22},  {10900, 0.222},
    {11000, 0.224}, {11100, 0.226}, {11200, 0.228}, {11300, 0.23},  {11400, 0.232},
    {11500, 0.234}, {11600, 0.237}, {11700, 0.24},  {11800, 0.243}, {11900, 0.245},
    {12000, 0.248}, {12100, 0.251}, {12200, 0.254}, {12300, 0.257}, {12400, 0.26},
    {12500, 0.262}, {12600, 0.265}, {12700, 0.268}, {12800, 0.272}, {12900, 0.276},
    {13000, 0.28},  {13100, 0.284}, {13200, 0.288}, {13300, 0.292}, {13400, 0.296},
    {13500, 0.3},   {13600, 0.304}, {13700, 0.308}, {13800, 0.312}, {13900, 0.316},
    {14000, 0.32},  {14100, 0.325}, {14200, 0.33},  {14300, 0.34},  {14400, 0.345},
    {14500, 0.35},  {14600, 0.36},  {14700, 0.365}, {14800, 0.372}, {14900, 0.379},
    {15000, 0.385}, {15100, 0.396}, {15200, 0.407}, {15300, 0.418}, {15400, 0.426},
    {15500, 0.436}, {15600, 0.45},  {15700, 0.463}, {15800, 0.475}, {15900, 0.486},
    {16000, 0.502}, {16100, 0.52},  {16200, 0.54},  {16300, 0.56},  {16400, 0.58},
    {16500, 0.61},  {16600, 0.644}, {16700, 0.686}, {16800, 0.736}, {16900, 0.79},
    {17000, 0.85},  {17100, 0.91},  {17200, 1},     {17300, 1.1},   {17400, 1.2},
    {17500, 1.3},   {17600, 1.46},  {17700, 1.63},  {17800, 1.8},   {17900, 2},
    {18000, 2.25},
}};
// clang-format on

constexpr std::array<std::string_view, 4> kDw360Grades{"H14", "H18", "H20", "50H350"};
constexpr std::array<std::string_view, 3> kDw540Grades{"H23", "H30", "50H600"};
constexpr std::array<std::string_view, 6> kH800Grades{"H40",    "H50",     "H60",
                                                      "50H800", "50H1000", "50H1300"};
constexpr std::array<std::string_view, 5> kZ11Grades{"Z11", "Z10", "35Z145", "35Z155", "35Z165"};

// name, grades, bands, saturated above, bounds in gauss
constexpr std::array<CoreCurve, 4> kCurves{{
    {"DW360io", kDw360Grades, kDw360, 1.7, false},
    {"dw540io", kDw540Grades, kDw540, 1.6, false},
    {"h800io", kH800Grades, kH800, 1.7, false},
    {"Z11io", kZ11Grades, kZ11, 18000, true},
}};

}  // namespace

std::span<const CoreCurve> coreCurves() {
  return kCurves;
}

const CoreCurve* curveForGrade(std::string_view grade) {
  for (const CoreCurve& curve : kCurves)
    for (std::string_view name : curve.grades)
      if (name == grade) return &curve;
  return nullptr;
}

const CurveBand* bandFor(const CoreCurve& curve, double fluxDensity) {
  // every flux density up to the first bound falls in the first band
  for (const CurveBand& band : curve.bands)
    if (fluxDensity <= band.upTo) return &band;
  return nullptr;
}

}  // namespace corvane::simulation
