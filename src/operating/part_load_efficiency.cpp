#include "operating/part_load_efficiency.h"

#include <cmath>

#include "electrical/electrical_tables.h"
#include "model/value.h"

namespace corvane::operating {

namespace {
constexpr double kPercent = 100;
constexpr double kOhmPerMilliohm = 0.001;
constexpr std::string_view kNoRectifier = "无";
}  // namespace

double nameplatePower(const std::vector<GroupRating>& groups) {
  double power = 0;
  for (const GroupRating& group : groups)
    power += std::fabs(group.voltage) * std::fabs(group.current);
  return power;
}

std::optional<double> diodeLoss(const std::vector<GroupRating>& groups) {
  double loss = 0;
  for (const GroupRating& group : groups) {
    if (group.circuit == kNoRectifier) continue;
    // a circuit no table knows counts no diode, as the rectifier conversion has it
    const electrical::RectifierCircuit* circuit = electrical::findRectifierCircuit(group.circuit);
    const int diodes = circuit ? circuit->diodesInSeries : 0;
    if (diodes == 0) continue;
    const electrical::RectifierDiode* diode = electrical::findRectifierDiode(group.diode);
    if (!diode) return std::nullopt;
    loss += diodes * Val(diode->dropText) * std::fabs(group.current);
  }
  return loss;
}

LoadPoint loadPoint(double nameplate, const FullLoadLosses& losses, double share) {
  LoadPoint point;
  point.outputPower = share * nameplate;
  point.losses = losses.iron + share * share * losses.copper + share * losses.diodes;
  const double input = point.outputPower + point.losses;
  if (input == 0) return point;
  const double efficiency = kPercent * point.outputPower / input;
  if (std::isfinite(efficiency)) point.efficiency = efficiency;
  return point;
}

std::optional<double> averageEfficiency(const std::array<LoadPoint, kLoadPoints>& points) {
  double sum = 0;
  for (const LoadPoint& point : points) {
    if (!point.efficiency) return std::nullopt;
    sum += *point.efficiency;
  }
  return sum / static_cast<double>(points.size());
}

double noLoadInputPower(double ironLoss, double noLoadCurrent, double primaryResistance) {
  return ironLoss + noLoadCurrent * noLoadCurrent * primaryResistance * kOhmPerMilliohm;
}

}  // namespace corvane::operating
