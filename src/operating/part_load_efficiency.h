// Efficiency at part load and the no-load input power. The losses at a share
// x of the rated load: the iron loss, which the load does not change, the
// copper loss with the square of the current and the rectifier diodes' loss
// in proportion to it. Powers in W, efficiencies in %.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace corvane::operating {

// The load points of the average efficiency: 25, 50, 75 and 100 % load.
inline constexpr std::array<double, 4> kLoadShares{0.25, 0.5, 0.75, 1};
inline constexpr size_t kLoadPoints = kLoadShares.size();

// One output group as its rating states it.
struct GroupRating {
  std::string_view circuit;  // rectifier circuit, "无" for an AC output
  std::string_view diode;
  double voltage = 0;  // DC output (AC for a group without rectifier), V
  double current = 0;  // A
};

// The nameplate output power: Σ |U| × |I| over the groups.
double nameplatePower(const std::vector<GroupRating>& groups);

// The rectifier diodes' loss at full load: Σ n × Vd × |I| over the groups
// with a rectifier; none when a rectifying group's diode names no row of the
// diode table.
std::optional<double> diodeLoss(const std::vector<GroupRating>& groups);

// The losses of the transformer and its rectifiers at full load.
struct FullLoadLosses {
  double iron = 0;    // Pfe
  double copper = 0;  // Pcu
  double diodes = 0;  // Pd
};

struct LoadPoint {
  double outputPower = 0;            // x × Po
  double losses = 0;                 // Pfe + x² Pcu + x Pd
  std::optional<double> efficiency;  // %; none without input power
};

LoadPoint loadPoint(double nameplate, const FullLoadLosses& losses, double share);

// The mean of the efficiencies at the four load points (%); none when one
// has none.
std::optional<double> averageEfficiency(const std::array<LoadPoint, kLoadPoints>& points);

// The power drawn with no load (W): the iron loss and the no-load current I0
// (A) in the primary's resistance R1 (mΩ).
double noLoadInputPower(double ironLoss, double noLoadCurrent, double primaryResistance);

}  // namespace corvane::operating
