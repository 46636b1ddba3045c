// The ready-to-run supply circuit NAME.cir: it includes the subcircuit file
// by its name, feeds the transformer from a sine source of the mains, and
// gives each output group its rectifier as chosen on the electrical form,
// diodes whose drop at the group's current is the form's diode drop, the
// reservoir capacitor at the lower end of the group's recommended range
// (capacitor-input circuits) and a load resistor Udc / Idc; it runs 25 mains
// cycles and measures each output over the last 5.
//
// The source starts at its peak with every current and charge at zero
// (`uic`): the core's flux starts at zero on the way up, as in steady state,
// so no flux offset has to die away. With two primaries they are fed in
// series, P1B to P2A, from U1 + U2: the primary current the electrical form
// works out, the output VA over U1 + U2, is that connection's.
#pragma once

#include <string>

#include "model/outcome.h"
#include "spice/transformer_description.h"
#include "spice/transformer_library.h"
#include "spice/transformer_model.h"

namespace corvane::spice {

// Mains cycles the transient runs, and the last of them the outputs are measured over.
inline constexpr int kSimulatedCycles = 25;
inline constexpr int kMeasuredCycles = 5;
// The largest time step, as a share of a mains cycle.
inline constexpr int kStepsPerCycle = 1000;
// A resistance that draws nothing worth naming but gives a node its level, Ω:
// the load of a group that states no output current, and the tie to ground
// of a bridge's winding, which the bridge leaves floating while its diodes block.
inline constexpr double kHighResistance = 1e6;

// The measurements of output group g (0-based) in the circuit's output:
// its average DC voltage and its peak-to-peak ripple, or the RMS voltage of
// an AC output; and the RMS current drawn from the mains.
std::string dcVoltageMeasurement(int group);
std::string rippleMeasurement(int group);
std::string acVoltageMeasurement(int group);
inline constexpr const char* kMainsCurrentMeasurement = "IMAINS";

// The file's text, or the reason a value is out of range.
Outcome<std::string> supplyCircuit(const TransformerDescription& design,
                                   const TransformerModel& model, const NetlistNames& names);

}  // namespace corvane::spice
