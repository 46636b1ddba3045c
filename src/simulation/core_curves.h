// The magnetising characteristics of the lamination steels: for each curve
// the field strength H (A/cm) as a step function of the working flux density,
// the grades that use it, and the flux density above which the core is taken
// as saturated.
#pragma once

#include <span>
#include <string_view>

namespace corvane::simulation {

struct CurveBand {
  double upTo;  // band upper bound of the flux density (inclusive), T or G
  double h;     // field strength, A/cm
};

struct CoreCurve {
  std::string_view name;                     // the curve's procedure name
  std::span<const std::string_view> grades;  // grade texts, matched exactly
  std::span<const CurveBand> bands;          // ascending bounds
  double saturatedAbove;                     // in the unit of the bounds
  bool inGauss;                              // bounds in gauss: compare Bm × 10000
};

// The curve of a steel grade (exact, case-sensitive text), nullptr for a
// grade without one.
const CoreCurve* curveForGrade(std::string_view grade);

// Every curve, for tests and tools.
std::span<const CoreCurve> coreCurves();

// The band's H for a flux density already in the curve's unit; nullptr when
// the value lies above the last band.
const CurveBand* bandFor(const CoreCurve& curve, double fluxDensity);

}  // namespace corvane::simulation
