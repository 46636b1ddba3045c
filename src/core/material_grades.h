// Silicon-steel grades offered on the core form: one row per list index,
// with the designation of each of three makers (the three grade lists run in
// parallel) and the sheet data the core calculations use.
#pragma once

#include <span>

namespace corvane::core {

// Designations by maker (新日铁, JIS C2552, 川崎); thickness in mm, density in
// g/cm³, specific loss P1.5/50 in W/kg, flux density B in T; 0.95 × B is
// the working flux density the form proposes.
struct MaterialGrade {
  const char* nippon;
  const char* jis;
  const char* kawasaki;
  double thickness;
  double density;
  double specificLoss;
  double fluxDensity;
};

std::span<const MaterialGrade> materialGrades();

}  // namespace corvane::core
