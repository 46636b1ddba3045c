#include "spice/diode_model.h"

#include <algorithm>
#include <cmath>

namespace corvane::spice {

DiodeModel diodeFor(double drop, double current) {
  const double volts = std::max(drop, kIdealDiodeDrop);
  const double amperes = current > 0 ? current : kFittingCurrentWithoutLoad;
  const double emission = volts / (kThermalVoltage * std::log1p(amperes / kDiodeSaturationCurrent));
  return {kDiodeSaturationCurrent, emission};
}

double forwardDrop(const DiodeModel& diode, double current) {
  return diode.emission * kThermalVoltage * std::log1p(current / diode.saturationCurrent);
}

}  // namespace corvane::spice
