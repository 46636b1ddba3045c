#include "operating/no_load_outputs.h"

#include <algorithm>
#include <numbers>

#include "electrical/electrical_tables.h"
#include "model/value.h"
#include "winding/row_evaluation.h"

namespace corvane::operating {

namespace {
// peak of a sine over its RMS value
constexpr double kPeakFactor = std::numbers::sqrt2;
}  // namespace

const CapacitorInput* findCapacitorInput(std::string_view circuit) {
  for (const CapacitorInput& input : kCapacitorInputs)
    if (input.circuit == circuit) return &input;
  return nullptr;
}

std::optional<double> noLoadOutput(std::string_view circuit, std::string_view diode,
                                   double windingVoltage) {
  const electrical::RectifierCircuit* rectifier = electrical::findRectifierCircuit(circuit);
  const electrical::RectifierDiode* drop = electrical::findRectifierDiode(diode);
  if (!rectifier || !drop) return std::nullopt;
  const double vd = Val(drop->dropText);
  double volts = 0;
  if (const CapacitorInput* input = findCapacitorInput(circuit)) {
    volts = kPeakFactor * windingVoltage * input->peakShare - vd * input->diodeDrops;
  } else {
    const winding::RectifierSide side{rectifier->voltageFactor, vd, rectifier->diodesInSeries};
    volts = winding::dcLoadVoltage(side, windingVoltage);
  }
  return std::max(0.0, checkedFinite(volts));
}

}  // namespace corvane::operating
