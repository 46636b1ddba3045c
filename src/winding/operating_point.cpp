#include "winding/operating_point.h"

#include <cmath>

#include "model/design_constants.h"
#include "model/value.h"

namespace corvane::winding {

namespace {
// empirical rise of a small open transformer: K per (mW/cm²)^0.833
constexpr double kRiseCoefficient = 1.543;
constexpr double kRiseExponent = 0.833;
// an enclosed adapter runs about √2 hotter than the same core in open air
constexpr double kAdapterFactor = 1.414;
constexpr double kOverheatingShare = 0.8;
constexpr double kDangerMargin = 10;  // K above the allowed rise

constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kYellow{255, 255, 0};

double decimal(double value) {
  return Val(generalFormat(value));
}
}  // namespace

std::string loadFluxDensityText(double noLoadFluxDensity, double regulation) {
  return formatFixed((100 - regulation / 2) * noLoadFluxDensity * 0.01, 2);
}

// The core form's check, made before the windings are laid out, only marks a
// value past saturation and leaves the saturation value itself white; the
// finished design is judged against its grade here, and a design that sits
// on the saturation value is marked too.
Rgb fluxDensityColour(double fluxDensity, double ratedFluxDensity) {
  if (fluxDensity >= design::kSaturationFluxDensity) return colors::kRed;
  return ratedFluxDensity > fluxDensity ? kGreen : kYellow;
}

double openFrameRise(double loss, double coilSurface, double coreSurface) {
  const double density = checkedDivide(loss * 1000, coilSurface + coreSurface);
  return checkedFinite(kRiseCoefficient * std::pow(density, kRiseExponent));
}

std::string openFrameRiseText(double loss, double coilSurface, double coreSurface) {
  if (coreSurface == 0) return "";
  return formatFixed(openFrameRise(loss, coilSurface, coreSurface), 1);
}

std::string adapterRiseText(double openFrameRise) {
  return formatFixed(openFrameRise * kAdapterFactor, 1);
}

Verdict temperatureVerdict(double rise, double allowedRise) {
  if (rise >= decimal(allowedRise + kDangerMargin)) return Verdict::Dangerous;
  if (rise >= decimal(kOverheatingShare * allowedRise)) return Verdict::Overheating;
  return Verdict::Safe;
}

}  // namespace corvane::winding
