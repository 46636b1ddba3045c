#include "core/lamination_catalogue.h"

#include <array>

#include "model/design_constants.h"

namespace corvane::core {

namespace {
constexpr std::optional<double> kNone = std::nullopt;

// clang-format off
// L, H, a, c, h (mm), coil cooling surface FM (cm²), dissipation α (W/(cm²·K))
constexpr auto kStandardLaminations = std::to_array<StandardEiRow>({
    {14,    10.5,  3.5,  3.5,  7,     kNone, kNone},
    {16,    14,    4,    4,    10,    kNone, kNone},
    {19,    15,    5,    4.5,  10,    kNone, kNone},
    {24,    18,    6,    6,    12,    kNone, kNone},
    {28,    25,    8,    6,    kNone, kNone, kNone},
    {30,    25,    10,   5,    15,    11.28, 0.00135},
    {35,    29.5,  9.6,  7.7,  19.5,  19.98, 0.0013},
    {38,    29.5,  12.8, 6.4,  19.2,  18.49, 0.0013},
    {41,    33,    13,   8,    21,    24.2,  0.0013},
    {42,    33,    14,   7,    21,    22.12, 0.0013},
    {48,    40,    16,   8,    24,    28.88, 0.0013},
    {54,    45,    18,   9,    27,    36.56, 0.0012},
    {57,    47.5,  19,   9.5,  28.5,  40.73, 0.00115},
    {60,    50,    20,   10,   30,    45.13, 0.00115},
    {64,    56,    20,   12,   32,    49.87, 0.0015},
    {66,    55,    22,   11,   33,    54.61, 0.001},
    {74,    65,    23,   14,   37,    70.52, 0.00105},
    {76.2,  63.5,  25.4, 12.7, 38.1,  kNone, kNone},
    {78,    65,    26,   13,   39,    kNone, 0.001},
    {83,    72.5,  26,   15.5, 41.5,  kNone, kNone},
    {85,    72,    26,   16.5, 46,    kNone, 0.001},
    {85.8,  71.5,  28.6, 14.3, 42.9,  kNone, kNone},
    {93,    81.5,  29,   17.5, 46.5,  kNone, 0.001},
    {95,    82.5,  30,   17.5, 47.5,  kNone, 0.0009},
    {96,    80.5,  32,   16,   48,    kNone, 0.0009},
    {102,   89,    32,   19,   51,    kNone, 0.0009},
    {105,   87.5,  35,   17.5, 52.5,  kNone, 0.0009},
    {108,   90,    36,   18,   54,    kNone, 0.0009},
    {111,   96.5,  35,   20.5, 55.5,  kNone, 0.0009},
    {114,   95,    38,   19,   57,    kNone, 0.0009},
    {120,   100,   40,   20,   60,    kNone, 0.0009},
    {130,   113,   41,   24,   65,    kNone, 0.0008},
    {133.2, 111,   44.4, 22.2, 66.6,  kNone, 0.0008},
    {149,   129.5, 47,   27.5, 74.5,  kNone, 0.0008},
    {150,   127,   46,   26,   75,    kNone, kNone},
    {152.4, 127,   50.8, 25.4, 76.2,  kNone, 0.0008},
    {165,   136,   43,   39,   92,    kNone, 0.0008},
    {167,   144.5, 53,   30.5, 83.5,  kNone, 0.0008},
    {171,   142.5, 57,   28.5, 85.5,  kNone, 0.0008},
    {178,   143,   54,   35,   89,    kNone, 0.0008},
    {200,   180,   60,   40,   120,   kNone, 0.0008},
    {218,   199,   70,   39,   129,   kNone, 0.0008},
});
// clang-format on
}  // namespace

std::span<const StandardEiRow> standardLaminations() {
  return kStandardLaminations;
}

const StandardEiRow* standardLaminationFor(double length) {
  for (const StandardEiRow& row : kStandardLaminations)
    if (length <= row.length) return &row;
  return nullptr;
}

const StandardEiRow* catalogueLaminationOf(double length) {
  for (const StandardEiRow& row : kStandardLaminations)
    if (length == row.length) return &row;
  return nullptr;
}

std::optional<SectionProposal> standardLaminationForSection(double section,
                                                            double stackOverTongue) {
  const double proportion = stackOverTongue > 0 ? stackOverTongue : 1;
  // cm² to mm² of iron, and the gross stack that gives it
  const double iron = section * 100;
  for (const StandardEiRow& row : kStandardLaminations) {
    const double stack = iron / (design::kConfirmedStackingFactor * row.tongue);
    if (stack <= proportion * row.tongue) return SectionProposal{&row, stack};
  }
  return std::nullopt;
}

double windowHeightOf(const StandardEiRow& row) {
  return row.windowHeight.value_or(row.height - row.tongue);
}

std::string coreName(std::string_view lengthText, std::string_view stackText) {
  std::string name = "EI-";
  name += lengthText;
  name += '*';
  name += stackText;
  return name;
}

}  // namespace corvane::core
