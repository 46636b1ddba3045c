// The bobbin's arithmetic as plain functions: the slots a bobbin type gives
// the core's window, the winding window and base, the power the window
// carries, and the winding tool's figures. Lengths in mm, window areas in
// mm², core sections in cm².
#pragma once

#include <optional>
#include <string>

#include "model/field_sink.h"

namespace corvane::bobbin {

struct BobbinType;

// Slot widths, depth and base sides a bobbin type proposes for the window
// height h, window width c, tongue a and stack b (general texts).
struct SlotProposal {
  std::string slotWidth;  // each slot: (h − flanges) / slots
  std::string depth;      // c − 2
  std::string base1;      // a + 3
  std::string base2;      // b + 3
};
SlotProposal proposedSlots(const BobbinType& type, double windowHeight, double windowWidth,
                           double tongue, double stack);

// "0.0" total window area (CK1 + CK2) × Ch and base perimeter (ld1 + ld2) × 2.
struct WindowArea {
  std::string area;
  std::string basePerimeter;
};
WindowArea windowArea(double slot1, double slot2, double depth, double base1, double base2);

// "0.0" + "W": the power the window carries, Bm × 2.22 × F × J × Sc × BSW × 0.5 × 10⁻⁴.
std::string bobbinPowerText(double fluxDensity, double frequency, double currentDensity,
                            double section, double windowArea);

// The winding tool for a wire of d mm filling half the window at the fill
// ratio (%): the turns that fit (TxtTurn), the current density at I amperes
// ("0.00", TxtJ) and the flux density at U volts ("0.00", TxtB0, from the
// turns read back from their text), written in that order.
struct ToolInputs {
  double windowArea = 0;   // mm²
  double fillPercent = 0;  // %
  double wireDiameter = 0;
  double current = 0;
  double volts = 0;
  double frequency = 0;
  double section = 0;  // cm²
};
void toolFigures(const ToolInputs& in, FieldSink& out);

// The wire ("0.00", mm) that fills the same share of half the window with n
// turns; none for n ≤ 0. And the flux density ("0.00") of n turns at U volts.
std::optional<std::string> wireForTurnsText(double windowArea, double fillPercent, double turns);
std::string toolFluxDensityText(double volts, double frequency, double turns, double section);

// "0.0" current density the primary's turns may run at when the primary
// fills half the window at the fill ratio; none, when `guarded`, without
// turns or copper.
std::optional<std::string> bestCurrentDensityText(double primaryCurrent, double fillPercent,
                                                  double windowArea, double primaryTurns,
                                                  bool guarded);

// Turns of an unknown winding that shows `testVolts` when a known winding of
// `knownTurns` is fed `inputVolts` (whole, halves to even); none without input.
std::optional<std::string> testedTurnsText(double inputVolts, double testVolts, double knownTurns);

}  // namespace corvane::bobbin
