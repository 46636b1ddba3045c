// The design at low, nominal and high mains: the three mains factors of a
// tolerance and what scales with them. The flux density follows the supply
// voltage (U = 4.44 f N B S), the iron loss its square (the core's (Bm/Bref)²
// law).
#pragma once

#include <array>
#include <optional>

namespace corvane::operating {

// Columns k = 0, 1, 2: low, nominal and high mains.
inline constexpr int kMainsColumns = 3;
using MainsFactors = std::array<double, kMainsColumns>;

// 1 − t, 1, 1 + t for a tolerance of t % (decimal values: 10 % gives 0.9 and
// 1.1 exactly); none unless 0 ≤ t < 100, where the low column would have no
// supply left.
std::optional<MainsFactors> mainsFactors(double tolerancePercent);

// The decimal value of a × b as its 15-digit text shows it: a flux density of
// 1.5 T at 110 % is 1.65 T, and compares as 1.65 with the curves' bounds.
double decimalProduct(double a, double b);

// The iron loss (W) at mains factor m: Pc × m².
double ironLossAtMains(double nominalIronLoss, double mainsFactor);

}  // namespace corvane::operating
