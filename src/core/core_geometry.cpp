#include "core/core_geometry.h"

#include <array>
#include <cmath>
#include <limits>

#include "core/coreform_fields.h"
#include "model/design_constants.h"
#include "model/value.h"

namespace corvane::core {

namespace {

struct EfficiencyBand {
  double powerLimit;  // W
  double efficiency;
};
// output power up to (W), efficiency assumed for sizing the core
constexpr std::array<EfficiencyBand, 6> kEfficiencyBands{{
    {10, 0.7},
    {50, 0.8},
    {100, 0.85},
    {500, 0.9},
    {1000, 0.95},
    {std::numeric_limits<double>::infinity(), 0.97},
}};

// Grain-oriented grades reach their specific loss at 1.7 T, the others at 1.5 T.
constexpr const char* kGrainOrientedGrades[] = {"Z10", "Z11"};
constexpr double kGrainOrientedLossFlux = 1.7;
constexpr double kNonOrientedLossFlux = 1.5;
// Black (unannealed) sheet: the white-sheet loss divided by this.
constexpr double kBlackFinishFactor = 1.24;
// 0.35: copper fill of the window in the highest-power and copper estimates.
constexpr double kWindowFill = 0.35;
// 0.2: copper fill of the window the custom core is sized for; 0.13: the
// share of the window the primary may take.
constexpr double kSizingFill = 0.2;
constexpr double kPrimaryWindowShare = 0.13;
// 0.865: the share of the core's outside that cools (yokes and legs, not the
// faces against the coil).
constexpr double kCoolingShare = 0.865;

double root(double value) {
  return checkedFinite(std::sqrt(value));
}

double lossReferenceFlux(std::string_view grade) {
  for (const char* oriented : kGrainOrientedGrades)
    if (grade == oriented) return kGrainOrientedLossFlux;
  return kNonOrientedLossFlux;
}

}  // namespace

double sizingEfficiency(double outputPower) {
  for (const EfficiencyBand& band : kEfficiencyBands)
    if (outputPower <= band.powerLimit) return band.efficiency;
  return kEfficiencyBands.back().efficiency;
}

std::optional<std::string> sectionForPowerText(double outputPower, double frequency,
                                               double fluxDensity, double currentDensity) {
  const double efficiency = sizingEfficiency(outputPower);
  if (frequency * fluxDensity * currentDensity == 0) return std::nullopt;
  return formatFixed(0.7 * root(outputPower / efficiency), 3) + "cm^2";
}

// Each dimension is read back as written (one decimal) before the next
// follows from it, so the written set is consistent.
void proportionedCore(const ProportionInputs& in, FieldSink& out) {
  const double section = in.section * 100;  // mm²
  const double window = in.window * 100;    // mm²
  std::string tongue = in.tongue, width = in.windowWidth, height = in.windowHeight;
  if (in.stackOverTongue > 0) {
    tongue = formatFixed(root(section / in.stackOverTongue), 1);
    out.write(coreform::TXTa, tongue);
    if (Val(tongue) != 0) out.write(coreform::TxtB, formatFixed(section / Val(tongue), 1));
  }
  if (in.heightOverWidth > 0) {
    width = formatFixed(root(window / in.heightOverWidth), 1);
    out.write(coreform::txtc, width);
  }
  if (Val(width) > 0) {
    height = formatFixed(window / Val(width), 1);
    out.write(coreform::txth, height);
  }
  out.write(coreform::TXTL, generalFormat(2 * Val(tongue) + 2 * Val(width)));
  out.write(coreform::TXTw, generalFormat(Val(height) + Val(tongue)));
}

void coreLosses(const CoreLossInputs& in, FieldSink& out) {
  // the mean magnetic path round one window: h + c + L/2 + H
  const double path = in.windowHeight + in.windowWidth + in.length / 2 + in.height;
  out.write(coreform::txtle, formatFixed(path, 1));
  // mm × cm² × 0.1 = cm³
  const std::string weight = formatFixed(path * in.section * 0.1 * in.density, 1) + "g";
  out.write(coreform::txtwe, weight);
  const double ratio = in.fluxDensity / lossReferenceFlux(in.grade);
  const double finish = in.blackFinish ? kBlackFinishFactor : 1;
  const double loss = ratio * ratio * Val(weight) * 0.001 * in.specificLoss / finish;
  out.write(coreform::txtpc, formatFixed(loss, 2) + "W");
}

std::string highestPowerText(double fluxDensity, double frequency, double currentDensity,
                             double tongue, double stack, double windowWidth, double windowHeight) {
  const double iron = tongue * stack * design::kStackingFactor * 1e-6;  // m²
  const double copper = windowWidth * windowHeight * kWindowFill;       // mm²
  const double power =
      fluxDensity * design::kHalfWindowEmfFactor * frequency * currentDensity * iron * copper;
  return formatFixed(power, 1) + "W";
}

std::string coreSurfaceText(double length, double height, double stack, double windowWidth,
                            double windowHeight) {
  const double surface = 2 * length * height + 2 * stack * length + 2 * height * stack -
                         4 * windowWidth * windowHeight;  // mm²
  return formatFixed(surface * kCoolingShare * 0.01, 2);
}

std::string coilSurfaceText(double tongue, double windowWidth, double windowHeight) {
  const double a = 0.1 * tongue, c = 0.1 * windowWidth, h = 0.1 * windowHeight;  // cm
  const double surface = design::kTwoPi * c * c + (design::kTwoPi * c + 2 * a) * h + 4 * a * c;
  return formatFixed(surface, 2);
}

std::optional<std::string> windowNeededText(double primaryCurrent, double currentDensity,
                                            double primaryTurns) {
  if (!(currentDensity > 0)) return std::nullopt;
  const double needed = primaryCurrent / currentDensity * primaryTurns * 2 / kSizingFill * 0.01;
  return formatFixed(needed, 2);
}

std::optional<std::string> windowCurrentDensityText(double primaryCurrent, double window,
                                                    double primaryTurns) {
  if (!(window > 0 && primaryTurns > 0)) return std::nullopt;
  return formatFixed(primaryCurrent / (window * 100 * kPrimaryWindowShare / primaryTurns), 2);
}

std::string confirmedSectionText(double tongue, double stack) {
  return generalFormat(tongue * stack * 0.01 * design::kConfirmedStackingFactor);
}

std::string windowAreaText(double windowWidth, double windowHeight) {
  return formatFixed(windowWidth * windowHeight * 0.01, 3);
}

WindingEstimate windingEstimate(double tongue, double stack, double windowWidth,
                                double windowHeight) {
  WindingEstimate out;
  out.meanTurnLength = generalFormat(5 * tongue + stack + windowWidth);
  const double copperVolume =
      windowWidth * windowHeight * kWindowFill * Val(out.meanTurnLength);           // mm³
  out.copperWeight = formatFixed(copperVolume * design::kCopperDensity * 1e-6, 3);  // kg
  return out;
}

}  // namespace corvane::core
