// The core's arithmetic as plain functions: the section a power needs, the
// dimensions two proportions give, the magnetic path, weight and iron loss,
// the highest output power, the cooling surfaces, the window the windings
// need and the winding estimates. Lengths in mm, areas in cm², power in W.
// Where the core form writes a value in a format and a later step reads it
// back, the function does the same round trip, so its results are the
// form's to the last digit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/field_sink.h"

namespace corvane::core {

// Efficiency assumed for sizing the core for an output power.
double sizingEfficiency(double outputPower);

// "0.000" text of Sc = 0.7 √(Po / η) followed by "cm^2"; none when
// F × Bm × J is 0.
std::optional<std::string> sectionForPowerText(double outputPower, double frequency,
                                               double fluxDensity, double currentDensity);

// The dimensions from the section, the window and the proportions stack over
// tongue and window height over width, written in the order TXTa, TxtB,
// txtc, txth, TXTL, TXTw; a dimension a proportion cannot give is not
// written and keeps its cell.
struct ProportionInputs {
  double section = 0;          // Sc, cm²
  double window = 0;           // Sw, cm²
  double stackOverTongue = 0;  // b / a
  double heightOverWidth = 0;  // h / c
  // the cells as they stand, for the dimensions not rewritten
  std::string tongue = {}, windowWidth = {}, windowHeight = {};
};
void proportionedCore(const ProportionInputs& in, FieldSink& out);

// Mean magnetic path ("0.0", txtle), weight ("0.0" + "g", txtwe) and iron
// loss ("0.00" + "W", txtpc) of the core, written in that order.
struct CoreLossInputs {
  double length = 0, height = 0, windowWidth = 0, windowHeight = 0;  // L H c h
  double section = 0;                                                // Sc, cm²
  double density = 0;                                                // g/cm³
  double specificLoss = 0;                                           // P1.5/50, W/kg
  double fluxDensity = 0;                                            // T
  std::string_view grade;    // grain-oriented grades reach their loss at 1.7 T
  bool blackFinish = false;  // unannealed sheet
};
void coreLosses(const CoreLossInputs& in, FieldSink& out);

// "0.0" + "W": the highest output power the core's iron and window carry.
std::string highestPowerText(double fluxDensity, double frequency, double currentDensity,
                             double tongue, double stack, double windowWidth, double windowHeight);

// "0.00" cooling surfaces, cm²: the core's outside less the window openings,
// and the coil's round the tongue.
std::string coreSurfaceText(double length, double height, double stack, double windowWidth,
                            double windowHeight);
std::string coilSurfaceText(double tongue, double windowWidth, double windowHeight);

// "0.00" window area (cm²) the windings need: the primary's copper IIN/J per
// turn times the turns, doubled for the secondaries, at a fill of 0.2; none
// without a current density.
std::optional<std::string> windowNeededText(double primaryCurrent, double currentDensity,
                                            double primaryTurns);

// "0.00" current density the window allows the primary (0.13 of the window);
// none without window or turns.
std::optional<std::string> windowCurrentDensityText(double primaryCurrent, double window,
                                                    double primaryTurns);

// The stack the designer confirms: the section (general, cm²) and the window
// ("0.000", cm²) of the dimensions.
std::string confirmedSectionText(double tongue, double stack);
std::string windowAreaText(double windowWidth, double windowHeight);

// Mean turn length of the winding (general, mm) and the copper that fills the
// window at that length ("0.000", kg), the second read from the first's text.
struct WindingEstimate {
  std::string meanTurnLength;
  std::string copperWeight;
};
WindingEstimate windingEstimate(double tongue, double stack, double windowWidth,
                                double windowHeight);

}  // namespace corvane::core
