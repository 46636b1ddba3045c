#include "electrical/group_conversion.h"

#include <cmath>

#include "model/design_constants.h"
#include "model/value.h"

namespace corvane::electrical {

namespace {
constexpr double kMicrofarad = 1e6;
// ripple bounds of the reservoir capacitor: C = k / (2π f RL) with k = 10 .. 25
constexpr double kCapacitorLow = 10;
constexpr double kCapacitorHigh = 25;

std::string wholeMicrofarads(double microfarads) {
  return generalFormat(std::trunc(microfarads)) + "uF";
}
}  // namespace

double railMagnitude(double typed) {
  return std::fabs(typed);
}

std::string acVoltageText(double voltageFactor, double outputVoltage, double diodeDrop,
                          int diodes) {
  return generalFormat(voltageFactor * outputVoltage + diodeDrop * diodes);
}

std::string acCurrentText(double currentFactor, double outputCurrent) {
  return generalFormat(currentFactor * outputCurrent);
}

std::string groupPowerText(double acCurrent, double acVoltage) {
  return formatFixed(acCurrent * acVoltage, 1);
}

std::optional<std::string> capacitorRangeText(double outputVoltage, double outputCurrent,
                                              double frequency) {
  if (!(outputVoltage > 0 && outputCurrent > 0 && frequency > 0)) return std::nullopt;
  const double loadResistance = outputVoltage / outputCurrent;
  const double denominator = loadResistance * frequency * design::kTwoPi;
  const double low = checkedDivide(kMicrofarad * kCapacitorLow, denominator);
  const double high = checkedDivide(kMicrofarad * kCapacitorHigh, denominator);
  return wholeMicrofarads(low) + "-" + wholeMicrofarads(high);
}

double primaryCurrentShare(double acVoltage, double acCurrent, double inputVoltage1,
                           double inputVoltage2) {
  const double inputVoltage = inputVoltage2 + inputVoltage1;
  return Val(formatFixed(checkedDivide(acVoltage * acCurrent, inputVoltage), 3));
}

std::string noLoadVoltageText(double acVoltage, double regulation) {
  return formatFixed(checkedDivide(acVoltage, (100 - regulation) * 0.01), 3);
}

}  // namespace corvane::electrical
