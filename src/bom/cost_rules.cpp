#include "bom/cost_rules.h"

#include <cmath>

#include "model/value.h"

namespace corvane::bom {

namespace {
constexpr double kSteelDensity = 7.65;    // g/cm³ of the shield sheet
constexpr double kStackingFactor = 0.98;  // share of the stack that is iron
constexpr double kTapeRollWidth = 66;     // mm: the tape price is for this width
constexpr int kLeadsPerWinding = 2;
}  // namespace

std::optional<double> quotient(double numerator, double denominator) {
  if (denominator == 0) return std::nullopt;
  double result = numerator / denominator;
  if (!std::isfinite(result)) return std::nullopt;
  return result;
}

double leadCost(double price, double length) {
  return price * length * kLeadsPerWinding * 0.001;
}

double costByWeight(double price, double weight) {
  return price * weight * 0.001;
}

double shieldWeight(double length, double width, double thickness) {
  return length * kSteelDensity * width * thickness / 1000;
}

double tapeCost(double price, double width, double length) {
  return price * width * length / kTapeRollWidth * 0.001;
}

std::optional<double> awgOfDiameter(double diameter) {
  if (!(diameter > 0) || !std::isfinite(diameter)) return std::nullopt;
  return (1.8277 - 2 * std::log10(diameter)) * 9.97;
}

double wholePart(double value) {
  if (!std::isfinite(value)) return value;
  return std::floor(Val(generalFormat(value)));
}

std::optional<double> laminationCount(double stack, double thickness) {
  std::optional<double> sheets = quotient(stack, thickness);
  if (!sheets) return std::nullopt;
  std::optional<double> count = quotient(*sheets, kStackingFactor);
  if (!count) return std::nullopt;
  return wholePart(*count);
}

double shieldWidth(double length, double windowHeight) {
  return wholePart((length + windowHeight) * 2 + 10);
}

std::optional<double> operationSeconds(double count, double perMinute) {
  std::optional<double> minutes = quotient(count, perMinute);
  if (!minutes) return std::nullopt;
  return *minutes * 60;
}

std::optional<double> productionTime(double stepsSeconds, double allowance) {
  return quotient(stepsSeconds, (100 - allowance) * 0.01);
}

std::optional<double> hourlyRate(double monthlyWage, double days, double hours) {
  std::optional<double> perDay = quotient(monthlyWage, days);
  if (!perDay) return std::nullopt;
  return quotient(*perDay, hours);
}

double labourCost(double rate, double seconds) {
  return rate / 3600 * seconds;
}

std::optional<double> preTaxPrice(double cost, double margin) {
  return quotient(cost, 1 - margin * 0.01);
}

double priceWithTax(double preTax, double tax) {
  return (tax * 0.01 + 1) * preTax;
}

}  // namespace corvane::bom
