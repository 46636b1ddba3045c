// The arithmetic of the bill of materials on plain numbers: material costs,
// labour times, the hourly rate and the price build-up. Money in yuan (元),
// lengths in mm, weights in g, times in seconds. A quotient whose divisor is
// zero (a rate, speed, day or hour count of 0, a margin of 100 %) or whose
// result is not finite has no value: std::nullopt, shown as an empty field.
#pragma once

#include <optional>

namespace corvane::bom {

std::optional<double> quotient(double numerator, double denominator);

// Two leads per winding at `price` 元/m and `length` mm each.
double leadCost(double price, double length);
// `price` 元/kg of `weight` g (core, winding wire, varnish, shields).
double costByWeight(double price, double weight);
// A steel shield of A × B × C mm at 7.65 g/cm³, in g.
double shieldWeight(double length, double width, double thickness);
// Insulating tape at `price` 元/mm: a roll 66 mm wide prices the length.
double tapeCost(double price, double width, double length);
// Wire gauge in AWG of a bare diameter in mm; none for a diameter that is not positive.
std::optional<double> awgOfDiameter(double diameter);
// Laminations in a stack b thick of sheets t thick at a stacking factor of 0.98.
std::optional<double> laminationCount(double stack, double thickness);
// Shield width from the lamination length L and window height h (mm).
double shieldWidth(double length, double windowHeight);

// Seconds for `count` operations at `perMinute` operations a minute.
std::optional<double> operationSeconds(double count, double perMinute);
// The production time with `allowance` % added on top of the sum of the steps.
std::optional<double> productionTime(double stepsSeconds, double allowance);
// 元/h from a monthly wage, working days a month and hours a day.
std::optional<double> hourlyRate(double monthlyWage, double days, double hours);
// 元 per piece at `rate` 元/h for `seconds`.
double labourCost(double rate, double seconds);

// Pre-tax price at a gross margin in %; none at a margin of 100 %.
std::optional<double> preTaxPrice(double cost, double margin);
// Selling price with `tax` % on top of the pre-tax price.
double priceWithTax(double preTax, double tax);

// The whole part of a value, decided on its decimal value (49.999999999999993
// from a binary quotient counts as 50).
double wholePart(double value);

}  // namespace corvane::bom
