// Standard transformers by output power, one table per steel grade: the
// lamination, stack, densities, no-load VA, iron loss and temperature rise
// of the smallest standard transformer that delivers a required power.
#pragma once

#include <span>

namespace corvane::core {

// One band: powers above the previous band's limit up to `powerLimit` (W).
// Lengths in mm, flux density in T, current density in A/mm², no-load
// apparent power in VA, iron loss in W, rise in K.
struct RatedPowerBand {
  double powerLimit;
  double length;
  double stack;
  double fluxDensity;
  double currentDensity;
  double noLoadVa;
  double ironLoss;
  double rise;
};

// A grade's table with the material texts written along with every band:
// specific loss P1.5/50 (W/kg), material flux density (T), description, and
// the marker telling later stages which table the core came from.
struct RatedPowerTable {
  const char* grade;
  double specificLoss;
  double materialFlux;
  const char* description;
  const char* marker;
  std::span<const RatedPowerBand> bands;

  // The largest power the table serves (W): the last band's limit.
  double highestPower() const { return bands.back().powerLimit; }
};

extern const RatedPowerTable kDw540Table;
extern const RatedPowerTable kDw360Table;
extern const RatedPowerTable kH800Table;

// The band serving `power`, compared in single precision as the tables were
// made; at or below 0 the first band; nullptr above the highest power.
const RatedPowerBand* bandFor(const RatedPowerTable& table, double power);

}  // namespace corvane::core
