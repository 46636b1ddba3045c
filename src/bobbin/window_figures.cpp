#include "bobbin/window_figures.h"

#include <cmath>

#include "bobbin/bobbin_types.h"
#include "bobbin/bobbinform_fields.h"
#include "model/design_constants.h"
#include "model/value.h"

namespace corvane::bobbin {

namespace {
// 2 mm of the window width go to the tube wall and the clearance to the
// outer leg; the tube round the tongue takes 1.5 mm of wall and clearance on
// each side.
constexpr double kDepthAllowance = 2;
constexpr double kBaseAllowance = 3;
// half the window per winding side
constexpr double kWindingSide = 0.5;

double wireArea(double diameter) {
  return design::kPi * (diameter / 2) * (diameter / 2);
}

double halfWindowCopper(double windowArea, double fillPercent) {
  return windowArea / 2 * fillPercent * 0.01;
}
}  // namespace

SlotProposal proposedSlots(const BobbinType& type, double windowHeight, double windowWidth,
                           double tongue, double stack) {
  return {generalFormat((windowHeight - type.flangeAllowance) / type.slots),
          generalFormat(windowWidth - kDepthAllowance), generalFormat(tongue + kBaseAllowance),
          generalFormat(stack + kBaseAllowance)};
}

WindowArea windowArea(double slot1, double slot2, double depth, double base1, double base2) {
  return {formatFixed((slot1 + slot2) * depth, 1), formatFixed((base1 + base2) * 2, 1)};
}

std::string bobbinPowerText(double fluxDensity, double frequency, double currentDensity,
                            double section, double windowArea) {
  const double power = fluxDensity * design::kHalfWindowEmfFactor * frequency * currentDensity *
                       section * windowArea * kWindingSide * 0.0001;
  return formatFixed(power, 1) + "W";
}

std::string toolFluxDensityText(double volts, double frequency, double turns, double section) {
  const double perTurn = design::kSineEmfFactor * frequency * turns * section;
  return formatFixed(checkedDivide(volts * design::kCm2PerM2, perTurn), 2);
}

void toolFigures(const ToolInputs& in, FieldSink& out) {
  const double area = wireArea(in.wireDiameter);
  const double copper = halfWindowCopper(in.windowArea, in.fillPercent);
  const std::string turns = generalFormat(std::trunc(checkedDivide(copper, area)));
  out.write(bobbinform::TxtTurn, turns);
  out.write(bobbinform::TxtJ, formatFixed(checkedDivide(in.current, area), 2));
  out.write(bobbinform::TxtB0, toolFluxDensityText(in.volts, in.frequency, Val(turns), in.section));
}

std::optional<std::string> wireForTurnsText(double windowArea, double fillPercent, double turns) {
  if (!(turns > 0)) return std::nullopt;
  const double copper = halfWindowCopper(windowArea, fillPercent);
  return formatFixed(2 * std::sqrt(copper / turns / design::kPi), 2);
}

std::optional<std::string> bestCurrentDensityText(double primaryCurrent, double fillPercent,
                                                  double windowArea, double primaryTurns,
                                                  bool guarded) {
  const double copper = fillPercent * 0.01 * (windowArea * 0.5);
  if (guarded && !(primaryTurns > 0 && copper > 0)) return std::nullopt;
  const double perTurn = checkedDivide(copper, primaryTurns);
  return formatFixed(checkedDivide(primaryCurrent, perTurn), 1);
}

std::optional<std::string> testedTurnsText(double inputVolts, double testVolts, double knownTurns) {
  if (!(inputVolts > 0)) return std::nullopt;
  return generalFormat(roundHalfEven(checkedFinite(knownTurns * testVolts / inputVolts)));
}

}  // namespace corvane::bobbin
