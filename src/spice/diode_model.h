// The rectifier diodes of the supply circuit: a junction model
// I = IS (exp(V / (N·Vt)) − 1) whose forward drop at the output group's
// current is the drop of the electrical form's diode type. The saturation
// current IS is fixed small, so the diode leaks nothing worth naming when it
// blocks, and the emission coefficient N is fitted to the drop.
//
// Voltages in V, currents in A.
#pragma once

namespace corvane::spice {

// kT/q at 27 °C, the temperature a simulator works at unless told otherwise.
inline constexpr double kThermalVoltage = 0.025865;
// Reverse saturation current of the model, A.
inline constexpr double kDiodeSaturationCurrent = 1e-12;
// The drop that stands in for no diode drop at all (diode type "无"): a
// junction cannot conduct at 0 V, 50 mV is next to nothing beside an output.
inline constexpr double kIdealDiodeDrop = 0.05;
// The current a diode model is fitted at when the group states none, A.
inline constexpr double kFittingCurrentWithoutLoad = 1;

struct DiodeModel {
  double saturationCurrent = 0;  // IS, A
  double emission = 0;           // N
};

// The model with the forward drop `drop` at `current`.
DiodeModel diodeFor(double drop, double current);

// The forward drop of the model at `current`.
double forwardDrop(const DiodeModel& diode, double current);

}  // namespace corvane::spice
