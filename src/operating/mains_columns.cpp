#include "operating/mains_columns.h"

#include "model/value.h"

namespace corvane::operating {

namespace {
constexpr double kPercent = 100;
}  // namespace

std::optional<MainsFactors> mainsFactors(double tolerancePercent) {
  if (!(tolerancePercent >= 0 && tolerancePercent < kPercent)) return std::nullopt;
  const double t = tolerancePercent / kPercent;
  return MainsFactors{Val(generalFormat(1 - t)), 1, Val(generalFormat(1 + t))};
}

double decimalProduct(double a, double b) {
  return Val(generalFormat(checkedFinite(a * b)));
}

double ironLossAtMains(double nominalIronLoss, double mainsFactor) {
  return nominalIronLoss * mainsFactor * mainsFactor;
}

}  // namespace corvane::operating
