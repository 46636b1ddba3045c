// The 15 significant digits every format starts from, checked against the C
// library's exact conversion over many values: random bit patterns (every
// exponent, subnormals included), design-sized quantities, and values that
// lie exactly on a half at the 16th digit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "model/value.h"

namespace corvane {
namespace {

// What the general format must show: 15 significant digits, no trailing zeros,
// scientific outside 1e-5 .. 1e15, which is printf's %.15G.
std::string printfGeneral(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.15G", value);
  return text;
}

void expectGeneralAgrees(double value) {
  if (!std::isfinite(value) || value == 0) return;
  ASSERT_EQ(generalFormat(value), printfGeneral(value)) << std::hexfloat << value;
}

TEST(FifteenDigits, AgreeWithTheExactConversionOverEveryExponent) {
  std::mt19937_64 random(20261209);
  for (int i = 0; i < 300000; ++i) {
    const unsigned long long bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    expectGeneralAgrees(value);
  }
}

TEST(FifteenDigits, AgreeWithTheExactConversionOnDesignQuantities) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> range(0, 2000);
  for (int i = 0; i < 200000; ++i) {
    const double v = range(random);
    expectGeneralAgrees(v);
    expectGeneralAgrees(-v * 1.05);
    expectGeneralAgrees(std::round(v * 1000) / 1000);
    expectGeneralAgrees(v / 3e7);
  }
}

// A 16-digit integer below 2^53 is a double exactly; one ending in 5 lies on
// the half between two 15-digit values, and the exact rule sends it to the
// even neighbour.
TEST(FifteenDigits, ExactHalvesAtTheSixteenthDigitGoToTheEvenNeighbour) {
  EXPECT_EQ(generalFormat(1234567890123455.0), "1.23456789012346E+15");
  EXPECT_EQ(generalFormat(1234567890123465.0), "1.23456789012346E+15");
  EXPECT_EQ(generalFormat(-1000000000000005.0), "-1E+15");
  EXPECT_EQ(formatFixed(1234567890123465.0, 0), "1234567890123460");
  for (long long n = 1000000000000005; n < 9000000000000000; n += 123456789012340)
    expectGeneralAgrees(static_cast<double>(n));
  // the same digits scaled down are no longer exact halves
  for (long long n = 1000000000000005; n < 9000000000000000; n += 123456789012340)
    expectGeneralAgrees(static_cast<double>(n) / 1e13);
}

TEST(FifteenDigits, SubnormalAndExtremeValues) {
  expectGeneralAgrees(std::numeric_limits<double>::denorm_min());
  expectGeneralAgrees(std::numeric_limits<double>::min());
  expectGeneralAgrees(std::nextafter(std::numeric_limits<double>::min(), 0.0));
  expectGeneralAgrees(std::numeric_limits<double>::max());
  expectGeneralAgrees(-7.3713030335399493e-311);
  EXPECT_EQ(formatFixed(std::numeric_limits<double>::denorm_min(), 3), "0.000");
  EXPECT_EQ(formatFixed(-1e-300, 6), "0.000000");
}

// Fixed patterns round the 15-digit value half away from zero, whatever the
// digits beyond the 15th say.
TEST(FifteenDigits, FixedPatternsRoundTheFifteenDigitValue) {
  EXPECT_EQ(formatFixed(0.30000000000000004, 16), "0.3000000000000000");
  EXPECT_EQ(formatFixed(1.0000000000000002, 15), "1.000000000000000");
  EXPECT_EQ(formatFixed(0.14499999999999999, 2), "0.15");  // 15 digits: 0.145
  EXPECT_EQ(formatFixed(-0.14499999999999999, 2), "-0.15");
  EXPECT_EQ(formatFixed(99999.99999999999, 2), "100000.00");
  EXPECT_EQ(formatFixed(9.999999999999999e22, 0), "100000000000000000000000");
  EXPECT_EQ(formatFixed(-2.5e-7, 6), "0.000000");
  EXPECT_EQ(formatFixed(-5e-7, 6), "-0.000001");
  EXPECT_EQ(formatFixed(4.35, 1), "4.4");
  EXPECT_EQ(formatFixed(-4.35, 1), "-4.4");
  EXPECT_EQ(roundHalfEven(1234567890123.5), 1234567890124);
  EXPECT_EQ(roundHalfEven(0.1 + 0.2 + 2), 2);
}

}  // namespace
}  // namespace corvane
