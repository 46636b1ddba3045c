// The no-load (exciting) current of the transformer: from the steel's
// magnetising curve, the quadrature sum of the magnetising current and the
// in-phase current that supplies the iron loss; above the curve's saturation
// threshold only the primary's resistance limits it. A core picked from a
// rated-power table brings its no-load volt-amperes instead.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane::simulation {

struct NoLoadInputs {
  double fluxDensity = 0;        // working flux density Bm, T
  double pathLength = 0;         // mean magnetic path le, mm
  double ironLoss = 0;           // Pc, W
  double primaryVoltage = 0;     // U1, V
  double primaryTurns = 0;       // N1
  double primaryResistance = 0;  // R1 at 20 °C, mΩ
};

// True when the grade has a curve and the flux density (T) lies above its
// saturation threshold: the core is taken as fully saturated.
bool isSaturated(std::string_view grade, double fluxDensity);

// The "0.0000" text of I0 (A) for a grade's curve; "" when the grade has no
// curve, or when a quotient would have no divisor (no primary turns or
// voltage for the curve, no primary resistance in saturation).
std::string curveNoLoadCurrentText(std::string_view grade, const NoLoadInputs& in);

// Why curveNoLoadCurrentText gives no current for these inputs, in the
// designer's words; "" when it gives one.
std::string noLoadCurrentGap(std::string_view grade, const NoLoadInputs& in);
// Every reason noLoadCurrentGap can give, a grade without a curve named
// `sampleGrade`: the texts a translation has to give.
std::vector<std::string> everyNoLoadCurrentGap(std::string_view sampleGrade);

// The "0.00000" text of I0 (A) from the no-load VA of a rated-power table
// over the sum of the input voltages; "" when that sum is 0.
std::string ratedNoLoadCurrentText(double noLoadVoltAmperes, double inputVoltage1,
                                   double inputVoltage2);

}  // namespace corvane::simulation
