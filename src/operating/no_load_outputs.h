// The DC voltage an output group gives with no load, from its winding's
// no-load voltage: behind a capacitor input the reservoir charges to the
// winding's peak less the diodes that conduct; a resistive load or an AC
// output converts as the DC load voltage of the winding table does. This is
// what the filter capacitor and the regulator after it must withstand.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace corvane::operating {

// A capacitor-input circuit: the share of √2 × U the reservoir charges to
// (a centre-tapped winding's voltage spans both halves) and the diode drops
// in its charging path.
struct CapacitorInput {
  std::string_view circuit;  // list text of the electrical form's CMBZL
  double peakShare;
  int diodeDrops;
};

// circuit, share of the winding's peak, diode drops
inline constexpr std::array<CapacitorInput, 3> kCapacitorInputs{{
    {"半波电容", 1, 1},
    {"全波电容", 0.5, 1},
    {"全桥电容", 1, 2},
}};

const CapacitorInput* findCapacitorInput(std::string_view circuit);

// The no-load DC voltage (V) of a group with the given circuit and diode at
// winding voltage U (V, RMS); none when the circuit or diode names no row of
// the electrical tables. Diodes that never conduct give 0 V, not a negative
// voltage.
std::optional<double> noLoadOutput(std::string_view circuit, std::string_view diode,
                                   double windingVoltage);

}  // namespace corvane::operating
