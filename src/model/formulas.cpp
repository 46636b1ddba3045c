#include "model/formulas.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <string_view>

#include "model/ascii.h"
#include "model/design_constants.h"
#include "model/shared_values.h"
#include "model/standard_wire_diameters.h"
#include "model/value.h"

namespace corvane::formulas {

namespace {

using design::kCm2PerM2;
using design::kPi;
using design::kSineEmfFactor;

// Insulation allowance of an enamelled or insulated wire type, added to the
// bare diameter (mm).
struct WireInsulation {
  std::string_view type;  // wire type, upper case
  double allowance;       // mm
};

// Wire type, allowance across a layer (mm) for the turns that fit in a slot.
constexpr WireInsulation kLayerInsulation[] = {
    {"2UEW", 0}, {"1UEW", 0.01}, {"TRIPLE", 0.2}, {"CU.FOIL", 0.05}};

// Wire type, allowance through the layers (mm) for the build of a winding.
constexpr WireInsulation kBuildInsulation[] = {
    {"2UEW", 0.025}, {"1UEW", 0.05}, {"TRIPLE", 0.2}, {"CU.FOIL", 0.05}};

// Wires up to this bare diameter (mm) bed less tightly: more room per turn
// across a layer and per layer through the winding.
constexpr double kThinWireLimit = 0.15;
constexpr double kThinLayerFactor = 1.15, kThickLayerFactor = 1.05;
constexpr double kThinBuildFactor = 1.2, kThickBuildFactor = 1.1;

double layerFactor(double d) {
  return d <= kThinWireLimit ? kThinLayerFactor : kThickLayerFactor;
}
double buildFactor(double d) {
  return d <= kThinWireLimit ? kThinBuildFactor : kThickBuildFactor;
}

// An input read as a number; a non-finite number handed in by a caller is an
// arithmetic error like any other.
double in(Arg arg) {
  return checkedFinite(arg.num());
}

FormulaResult fixed(double value, int decimals) {
  return FormulaResult::ofText(formatFixed(value, decimals));
}

FormulaResult number(double value) {
  return FormulaResult::ofNumber(checkedFinite(value));
}

// A divisor that is zero or has overflowed is an arithmetic error.
double divide(double numerator, double denominator) {
  return checkedDivide(numerator, checkedFinite(denominator));
}

double root(double value) {
  if (!(value >= 0)) throw RecalcAbort("square root of a negative number");
  return std::sqrt(checkedFinite(value));
}

double squared(double value) {
  return value * value;
}

// Whole part, decided on the 15-digit decimal value like every rounding of a
// field value, so a quotient that is whole in decimal (42 / 1.05 = 40) keeps
// its last unit instead of losing it to the binary representation.
double truncateDecimal(double value) {
  return std::trunc(Val(generalFormat(value)));
}

// The wire conversions take their input in single precision.
double single(double value) {
  if (!(std::fabs(value) <= std::numeric_limits<float>::max())) throw RecalcAbort("overflow");
  return static_cast<float>(value);
}

// A wire type neither table knows keeps the allowance of the previous call.
void takeInsulation(SharedValues& shared, std::span<const WireInsulation> table, Arg wireType) {
  const std::string type = ascii::upper(wireType.text());
  for (const WireInsulation& row : table) {
    if (row.type == type) {
      shared.wireInsulation = row.allowance;
      return;
    }
  }
}

}  // namespace

// ---- Winding design ----

FormulaResult TurnsFromVoltage(Arg u, Arg f, Arg b, Arg s) {
  const double fbs = in(f)*in(b)*in(s);
  if (fbs == 0) return {};
  return number(roundHalfEven(divide(in(u)*kCm2PerM2, kSineEmfFactor * fbs)));
}

FormulaResult WireDiameterFromCurrent(Arg i, Arg j) {
  const double density = in(j);
  if (density <= 0) return {};
  // 1.13 = √(4 / π): diameter of a circle of the given section
  return fixed(1.13 * root(divide(in(i), density)), 3);
}

FormulaResult CopperResistance20(Arg a, Arg b, Arg s) {
  const double section = in(s);
  if (section == 0) return {};
  return fixed(divide(design::kCopperResistivity20 * in(a)*in(b), 1000 * section), 1);
}

FormulaResult ResistanceAtTemperature(Arg ambient, Arg rise, Arg r20) {
  // 234.5 °C: inferred zero-resistance temperature of copper; 0.00393 ≈ 1 / 254.5
  return fixed((in(ambient) + 234.5 + in(rise)) * 0.00393 * in(r20), 1);
}

FormulaResult TurnsPerLayer(SharedValues& shared, Arg w, Arg d, Arg wireType, Arg n) {
  takeInsulation(shared, kLayerInsulation, wireType);
  const double bare = in(d);
  const double k = layerFactor(bare);
  shared.gWireLayerFactor.setNumber(k);
  const double insulated = bare + shared.wireInsulation;
  if (insulated <= 0) return {};
  // zero strands is not guarded: it ends the recalculation
  return number(truncateDecimal(divide(divide(divide(in(w), insulated), k), in(n))));
}

FormulaResult DivideOneDecimal(Arg p, Arg q) {
  const double divisor = in(q);
  if (divisor <= 0) return {};
  return fixed(divide(in(p), divisor), 1);
}

FormulaResult WindingBuild(SharedValues& shared, Arg layers, Arg d, Arg wireType) {
  takeInsulation(shared, kBuildInsulation, wireType);
  const double bare = in(d);
  shared.gWireLayerFactor.setNumber(layerFactor(bare));
  return fixed((shared.wireInsulation + bare) * in(layers)*buildFactor(bare), 1);
}

FormulaResult MeanTurnLength(Arg perimeter, Arg a, Arg h) {
  return fixed((2 * in(a) + in(h)) * kPi + in(perimeter), 1);
}

FormulaResult CopperWeight(Arg a, Arg b) {
  // mm³ to cm³
  return fixed(in(a)*in(b)*design::kCopperDensity * 0.001, 3);
}

FormulaResult MilliProduct(Arg p, Arg q) {
  return fixed(in(p)*in(q)*0.001, 2);
}

FormulaResult Difference(Arg p, Arg q) {
  return fixed(in(p)-in(q), 2);
}

FormulaResult ScaledDifference(Arg p, Arg q, Arg r, Arg s) {
  const double divisor = in(q);
  if (divisor == 0) return {};
  return fixed(divide(in(r)*in(p), divisor) - in(s), 2);
}

FormulaResult MilliPowerFromCurrent(Arg r, Arg i) {
  const double current = in(i);
  return fixed(current * current * in(r)*0.001, 3);
}

FormulaResult PercentChange(Arg p, Arg q) {
  const double from = in(p);
  if (from == 0) return {};
  return fixed(divide(in(q)-from, from) * 100, 2);
}

FormulaResult WiresInArea(Arg a, Arg b, Arg d) {
  const double wireSection = kPi * squared(in(d) / 2);
  if (wireSection == 0) return {};
  return number(truncateDecimal(divide(in(a)*in(b), wireSection)));
}

FormulaResult CurrentDensity(Arg d, Arg i) {
  const double section = squared(in(d) / 2) * kPi;
  if (section == 0) return {};
  return fixed(divide(in(i), section), 2);
}

FormulaResult TurnsFromVoltageText(Arg f, Arg b, Arg s, Arg u) {
  const double denominator = kSineEmfFactor * (in(f)*in(b)*in(s));
  if (denominator == 0) return {};
  return fixed(divide(in(u)*kCm2PerM2, denominator), 2);
}

FormulaResult Product4(Arg p, Arg q, Arg r, Arg s, Arg t) {
  return fixed(in(q)*4 * 0.0001 * in(p)*in(r)*in(t)*in(s), 2);
}

FormulaResult StandardWireDiameter(Arg d) {
  const double computed = in(d);
  for (const StandardWireSize& row : kStandardWireDiameters)
    if (computed <= row.upTo) return fixed(row.diameter, 2);
  return fixed(computed, 2);
}

FormulaResult RootRatio12250(Arg p, Arg q, Arg r, Arg s, Arg t) {
  const double sv = in(s), tv = in(t);
  if (sv * tv <= 0) return {};
  return number(root(divide(in(q)*in(p)*in(r), tv * sv)) * 12250);
}

FormulaResult LoadedProduct(Arg p, Arg q, Arg r, Arg s, Arg t, Arg u) {
  const double tv = in(t);
  if (tv == 0) return {};
  return fixed((divide(in(s)*1.5, tv) + 1) * (in(q)*in(p)*in(r)) - in(u), 2);
}

FormulaResult RootOfQuotient(Arg p, Arg q, Arg r) {
  const double qv = in(q), rv = in(r);
  if (qv * rv <= 0) return {};
  return fixed(root(std::fabs(divide(in(p), rv * qv))), 3);
}

FormulaResult CopperTemperatureFactor(Arg t) {
  return fixed((in(t) + 234.5) / 254.5 * 1.96, 2);
}

FormulaResult Ratio2_5(Arg p, Arg q, Arg r, Arg s, Arg t, Arg u) {
  const double sv = in(s), tv = in(t), uv = in(u);
  if (sv * tv * uv <= 0) return {};
  return fixed(divide(in(q)*in(p)*in(r), tv * sv) * uv * 2.5, 3);
}

FormulaResult TurnsFromVoltageOrdered(Arg a, Arg b, Arg u, Arg c) {
  const double denominator = in(a)*kSineEmfFactor * in(c)*in(b);
  if (denominator == 0) return {};
  return fixed(divide(in(u)*kCm2PerM2, denominator), 2);
}

FormulaResult TurnsPerVolt(Arg f, Arg b, Arg s) {
  const double denominator = kSineEmfFactor * (in(f)*in(b)*in(s));
  if (denominator <= 0) return {};
  return number(divide(10000, denominator));
}

// ---- Wire conversion ----

FormulaResult StrandCount(Arg bigD, Arg d) {
  const double strand = in(d);
  if (strand <= 0) return {};
  return fixed(squared(divide(in(bigD), strand)), 0);
}

FormulaResult StrandDiameter(Arg bigD, Arg n) {
  const double strands = in(n);
  if (strands == 0) return {};
  return fixed(divide(in(bigD), root(strands)), 2);
}

FormulaResult CircleArea(Arg d) {
  // this section uses the finer π 3.1415
  return fixed(squared(in(d) / 2) * 3.1415, 3);
}

FormulaResult ConductorResistance(Arg d, Arg q, Arg r, Arg s) {
  const double diameter = in(d);
  if (diameter <= 0) return {};
  return fixed(1e-3 * in(s)*divide(in(r)*in(q), squared(diameter / 2) * kPi), 6);
}

FormulaResult ConductorMass(Arg d, Arg q, Arg r, Arg s) {
  return fixed(1e-3 * in(s)*squared(in(d) / 2) * kPi * (in(r)*in(q)), 6);
}

FormulaResult Quotient3(Arg p, Arg q) {
  const double divisor = in(q);
  if (divisor <= 0) return {};
  return fixed(divide(in(p), divisor), 3);
}

FormulaResult MilliProduct3(Arg p, Arg q, Arg r) {
  return fixed(in(q)*in(p)*in(r)*0.001, 3);
}

FormulaResult MilliRatio(Arg p, Arg q, Arg r) {
  const double divisor = in(q);
  if (divisor <= 0) return {};
  return fixed(divide(1e-3 * in(p)*in(r), divisor), 6);
}

FormulaResult AwgToDiameter(Arg n) {
  const double gauge = single(in(n));
  if (gauge <= 0) return {};
  // AWG 0 would be 2.54 / π ≈ 0.8085 cm; each 20 gauges divide by ten. The
  // value is rounded to 0.001 cm first, so the millimetre text keeps at most
  // two decimals.
  const double centimetres = std::pow(10.0, -gauge / 20) * (2.54 / 3.1415926);
  const double rounded = Val(formatFixed(centimetres, 3));
  return FormulaResult::ofText(generalFormat(rounded * 10) + "mm");
}

FormulaResult DiameterToAwg(Arg d) {
  const double diameter = single(in(d));
  if (diameter <= 0) return {};
  return FormulaResult::ofText(formatFixed((1.8277 - 2 * std::log10(diameter)) * 9.97, 1) + "# ");
}

FormulaResult SkinEffectRatio(Arg /*x*/, Arg d, Arg depth) {
  const double diameter = in(d), delta = in(depth);
  if (diameter <= 0 || delta <= 0) return {};
  const double section = kPi * squared(diameter) / 4;
  // When the skin depth reaches the wire's axis the whole section conducts:
  // the unused core has no diameter, and the ratio is 1.
  const double core = std::max(0.0, diameter - 2 * delta);
  return fixed(divide(section, section - kPi * squared(core) / 4), 3);
}

}  // namespace corvane::formulas
