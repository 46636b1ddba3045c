// The standard voltage ratings of aluminium electrolytic capacitors, and the
// rating a reservoir capacitor needs for the no-load voltage it charges to.
#pragma once

#include <array>
#include <optional>

namespace corvane::operating {

// V, ascending
inline constexpr std::array<double, 13> kCapacitorVoltageRatings{6.3, 10,  16,  25,  35,  50, 63,
                                                                 100, 160, 200, 250, 400, 450};

// The smallest rating not below `voltage` (V); none above the highest.
std::optional<double> capacitorRating(double voltage);

}  // namespace corvane::operating
