// The layout and performance of one winding row, as plain values in and the
// row's cell texts out, written in the order the recalculation prescribes:
// turns per layer, layers (rounded up), build, mean turn length, copper
// weight, cold and hot resistance, drop, load voltage, no-load voltage,
// copper loss and, for a secondary, the deviation from its group's voltage
// and the DC load voltage. Each step reads what an earlier step wrote as the
// text it wrote (the round trip through the cell), so the results agree with
// the table digit for digit.
//
// Units: lengths in mm, resistance in mΩ, voltages in V, currents in A,
// weights in g, losses in W.
#pragma once

#include <optional>
#include <string>

#include "model/field_sink.h"
#include "winding/slot_arrangement.h"

namespace corvane {
class SharedValues;
}

namespace corvane::winding {

// Turns from a voltage by the transformer equation.
struct TurnsFromVoltage {
  double voltage = 0;
  double frequency = 0;    // Hz
  double fluxDensity = 0;  // T
  double section = 0;      // cm²
};

// What a run writes into the no-load voltage cell, where it writes it.
struct NoLoadVoltage {
  enum class Kind {
    Copy,       // the text of the voltage that supplies it, unchanged
    FromTurns,  // the voltage the row's turns induce at the core's flux
  };
  Kind kind = Kind::Copy;
  std::string text;        // Copy
  double fluxDensity = 0;  // FromTurns: T
  double frequency = 0;    // Hz
  double section = 0;      // cm²
};

// The DC side of a secondary's output group: the inverse of the rectifier
// conversion, DC = (AC − drop × diodes) / Kv.
struct RectifierSide {
  double voltageFactor = 1;  // Kv
  double diodeDrop = 0;      // V per diode
  int diodes = 0;            // conducting in series
};

// The DC voltage behind the rectifier of a winding at `acVoltage` (V);
// RecalcAbort for a circuit factor of 0.
double dcLoadVoltage(const RectifierSide& rectifier, double acVoltage);

struct RowInputs {
  RowRole role = RowRole::FirstPrimary;
  // steps that only some runs take
  std::optional<TurnsFromVoltage> turnsFromVoltage = {};  // step 1: design the turns
  bool layTurnsPerLayer = true;                           // false: keep the turns per layer shown
  std::optional<NoLoadVoltage> noLoadVoltage = {};        // step 14

  // the row's cells as they stand before the run
  std::string turns = {};          // TXTTURN
  std::string turnsPerLayer = {};  // TXTLN
  std::string wire = {};           // TXTWIRE: bare diameter
  std::string wireType = {};       // CMBTYPE
  std::string strands = {};        // TXTQ

  double slotWidth = 0;      // width of the slot the row is wound in
  double buildBelow = 0;     // build of the rows beneath it in that slot
  double basePerimeter = 0;  // perimeter of the bobbin's winding base
  double ambient = 0;        // °C
  double allowedRise = 0;    // K
  double current = 0;        // the winding's current
  double inputVoltage = 0;   // a primary's supply voltage
  // a secondary: row 0's load voltage and turns, its group's AC voltage and DC side
  double referenceLoadVoltage = 0;
  double referenceTurns = 0;
  double specifiedVoltage = 0;
  RectifierSide rectifier = {};
};

// Runs the row's steps, writing each result as it is computed; returns the
// build written (mm) for the rows above it. Throws RecalcAbort where the
// arithmetic stops (an empty or non-numeric wire diameter, zero strands, …):
// what was written up to there stays written. The layout formulas leave their
// layer factor in `shared`, as the cross-section drawing expects.
// The cells are named by their columns; `out` puts them into the row.
double evaluateRow(SharedValues& shared, const RowInputs& in, FieldSink& out);

// Layers rounded up to whole layers: "2.6" becomes "3", "3.0" stays "3.0",
// "" stays "" (no layer count to round).
std::string roundedUpLayers(const std::string& layers);

}  // namespace corvane::winding
