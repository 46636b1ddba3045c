#include "bom/cost_rules.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/value.h"

namespace corvane::bom {
namespace {

std::string fixed(std::optional<double> value, int decimals) {
  return value ? formatFixed(*value, decimals) : "(none)";
}

// 1500 元 a month over 26 days of 8 hours is 7.21 元/h; 300 s of it 0.60 元.
TEST(CostRules, LabourRateAndCostOfThePrices) {
  std::optional<double> rate = hourlyRate(1500, 26, 8);
  EXPECT_EQ(fixed(rate, 2), "7.21");
  EXPECT_EQ(formatFixed(labourCost(Val(formatFixed(*rate, 2)), 300), 2), "0.60");
}

// A cost of 50 at 35 % gross margin is 76.92 before tax and 90.00 with 17 %.
TEST(CostRules, PriceBuildUpFromACostOfFifty) {
  std::optional<double> preTax = preTaxPrice(50, 35);
  EXPECT_EQ(fixed(preTax, 2), "76.92");
  EXPECT_EQ(formatFixed(priceWithTax(Val(formatFixed(*preTax, 2)), 17), 2), "90.00");
}

TEST(CostRules, MaterialCostsOfTheWorkedExamples) {
  EXPECT_EQ(formatFixed(costByWeight(25, 320.5), 2), "8.01");  // core of 320.5 g at 25 元/kg
  EXPECT_EQ(fixed(awgOfDiameter(0.5), 0), "24");               // 24.22
  EXPECT_EQ(formatFixed(leadCost(0.5, 200), 2), "0.20");       // two leads of 200 mm
  EXPECT_EQ(formatFixed(shieldWeight(48, 154, 0.5), 1), "28.3");
  EXPECT_EQ(shieldWidth(48, 24), 154);
}

// Thinner wire is a higher gauge.
TEST(CostRules, GaugeFallsAsTheDiameterGrows) {
  double previous = std::numeric_limits<double>::infinity();
  for (double d : {0.05, 0.1, 0.25, 0.5, 0.8, 1.0, 2.0}) {
    double gauge = *awgOfDiameter(d);
    EXPECT_LT(gauge, previous) << d;
    previous = gauge;
  }
  EXPECT_FALSE(awgOfDiameter(0));
  EXPECT_FALSE(awgOfDiameter(-0.5));
}

TEST(CostRules, WholePartIsTakenFromTheDecimalValue) {
  // 14.7 / 0.2 / 0.98 is 74.99999999999999 in binary
  EXPECT_EQ(laminationCount(14.7, 0.2), 75);
  EXPECT_EQ(laminationCount(30, 0.5), 61);
  EXPECT_EQ(wholePart(61.99), 61);
}

TEST(CostRules, QuotientsWithoutADivisorHaveNoValue) {
  EXPECT_FALSE(quotient(1, 0));
  EXPECT_FALSE(quotient(1e308, 1e-308));  // not finite
  EXPECT_FALSE(operationSeconds(1000, 0));
  EXPECT_FALSE(hourlyRate(1500, 0, 8));
  EXPECT_FALSE(hourlyRate(1500, 26, 0));
  EXPECT_FALSE(productionTime(100, 100));
  EXPECT_FALSE(preTaxPrice(50, 100));
  EXPECT_FALSE(laminationCount(30, 0));
  EXPECT_EQ(fixed(operationSeconds(1255, 1500), 1), "50.2");
  EXPECT_EQ(fixed(productionTime(259.2, 10), 1), "288.0");
}

}  // namespace
}  // namespace corvane::bom
