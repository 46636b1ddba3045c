// The designed transformer and its supply as plain values, gathered from the
// forms in one place (design_gathering.h), so the model and the netlists are
// worked out without forms.
//
// Units as the forms hold them: lengths in mm, winding resistance in mΩ,
// voltages in V, currents in A, frequency in Hz, power in W, flux density in
// T, capacitance in µF.
#pragma once

#include <string>
#include <vector>

namespace corvane::spice {

enum class WindingRole { Primary, Secondary };

// One row of the winding table.
struct WindingDescription {
  std::string label;  // TXTWN: comments only
  WindingRole role = WindingRole::Primary;
  int group = -1;             // a secondary's output group, an index into `groups`
  double turns = 0;           // TXTTURN
  double hotResistance = 0;   // TXTDCRHOT, mΩ
  double thickness = 0;       // TXTHT: radial build, mm
  double meanTurnLength = 0;  // txtlt, mm
  double loadVoltage = 0;     // TXTULOADE, V
  int slot = 1;               // the bobbin slot it is wound in, 1 or 2
  int position = 0;           // its place in that slot counted from the base, 0 innermost
};

// One output group of the electrical specification.
struct OutputGroupDescription {
  std::string label;          // TXTWN(g): comments only
  std::string circuit;        // CMBZL: the rectifier circuit
  std::string diode;          // cmbdio: the diode type, comments only
  double diodeDrop = 0;       // forward drop of one diode, V
  double outputVoltage = 0;   // txtudc: DC volts (AC volts without a rectifier)
  double outputCurrent = 0;   // txtidc, A
  double windingVoltage = 0;  // txtsuac: AC volts on load
  double windingCurrent = 0;  // txtsiac: AC amperes, the winding's rated current
  double capacitance = 0;     // lower end of TXTCP, µF; 0 when the form shows none
};

struct TransformerDescription {
  // what the files' header says of the design
  std::string designFile;  // the design's file name
  std::string date;        // YYYY-MM-DD
  std::string coreName;    // txtcname
  std::string grade;       // Cmbnew: the steel grade
  double fluxDensity = 0;  // Bm, T
  bool saturated = false;  // Bm above the saturation threshold of the grade's curve

  double inputVoltage1 = 0;  // U1 of primary 1
  double inputVoltage2 = 0;  // U2 of primary 2; 0 with one primary
  double frequency = 0;
  double noLoadCurrent = 0;  // TxtI0; 0 when the form shows none
  double ironLoss = 0;       // Pc

  // the bobbin and the insulation between windings
  bool slotChosen = true;  // a bobbin type is chosen, so every winding has its slot
  double slotWidth1 = 0;   // mm
  double slotWidth2 = 0;   // mm; two-slot bobbins
  double windowWidth = 0;  // the core's window width c, mm
  double tapeLayers = 0;   // CmbTapeL: tape layers wound over each winding

  std::vector<WindingDescription> windings;  // in the order of the winding table
  std::vector<OutputGroupDescription> groups;
};

}  // namespace corvane::spice
