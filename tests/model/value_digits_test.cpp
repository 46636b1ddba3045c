// The 15 significant digits every format starts from, checked against the C
// library's exact conversion over many values: random bit patterns (every
// exponent, subnormals included), design-sized quantities, and values that
// lie exactly on a half at the 16th digit. The leading-number read is checked
// against the rule written as a regular expression and the C library's
// conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <regex>
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

// What a fixed pattern must show: the exact 15-digit value (printf's %.14e),
// rounded half away from zero at the pattern's last place.
std::string printfFixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
  std::string digits(1, text[0]);
  digits.append(text + 2, 14);
  const int point = std::atoi(text + 17) + 1;  // digits before the decimal point
  // the kept digits as a decimal integer, then halves away from zero
  const int keep = point + decimals;
  std::string kept = keep <= 0 ? "0" : digits.substr(0, std::min<int>(keep, 15));
  if (keep > 15) kept.append(keep - 15, '0');
  const char next = keep >= 0 && keep < 15 ? digits[keep] : '0';
  if (next >= '5') {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0 && kept[i] == '9') kept[i--] = '0';
    if (i >= 0)
      ++kept[i];
    else
      kept.insert(kept.begin(), '1');
  }
  if (keep < 0) kept = "0";
  kept.erase(0, std::min(kept.find_first_not_of('0'), kept.size() - 1));
  if (static_cast<int>(kept.size()) <= decimals) kept.insert(0, decimals + 1 - kept.size(), '0');
  std::string out = kept.substr(0, kept.size() - decimals);
  if (decimals > 0) out += "." + kept.substr(kept.size() - decimals);
  const bool zero = out.find_first_not_of("0.") == std::string::npos;
  return value < 0 && !zero ? "-" + out : out;
}

void expectGeneralAgrees(double value) {
  if (!std::isfinite(value) || value == 0) return;
  ASSERT_EQ(generalFormat(value), printfGeneral(value)) << std::hexfloat << value;
}

void expectFixedAgrees(double value) {
  if (!std::isfinite(value) || std::fabs(value) > 1e30) return;
  for (int decimals : {0, 1, 2, 3, 6})
    ASSERT_EQ(formatFixed(value, decimals), printfFixed(value, decimals))
        << std::hexfloat << value << " to " << decimals << " places";
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

// Values a design writes through the fixed patterns: quantities, the same cut
// to a few places and a half added at the next place (the ties the patterns
// send away from zero), every decade from 1e-9 to 1e22, and random bits.
TEST(FixedPatterns, AgreeWithTheExactConversionRoundedHalfAway) {
  std::mt19937_64 random(11);
  for (int i = 0; i < 15000; ++i) {
    // a quantity of up to 2000 in thousandths, and a random scale
    const double cut = static_cast<double>(random() % 2000000) / 1000;
    const int scale = static_cast<int>(random() % 100) - 80;
    for (double v : {cut, cut + 0.0005, -(cut + 0.005), cut * 1.0123456789, std::ldexp(cut, scale)})
      expectFixedAgrees(v);
    const unsigned long long bits = random();
    double any;
    std::memcpy(&any, &bits, sizeof any);
    expectFixedAgrees(any);
  }
  for (double decade = 1e-9; decade < 1e22; decade *= 10)
    for (double v : {decade, std::nextafter(decade, 0.0), std::nextafter(decade, 1e300)})
      expectFixedAgrees(v);
  expectFixedAgrees(-0.0);
  expectFixedAgrees(std::numeric_limits<double>::denorm_min());
}

TEST(FixedPatterns, ManyPlacesOrHugeValuesAreWrittenInFull) {
  EXPECT_EQ(formatFixed(1.5, 60), "1.5" + std::string(59, '0'));
  EXPECT_EQ(formatFixed(-1e40, 1), "-1" + std::string(40, '0') + ".0");
  EXPECT_EQ(formatFixed(std::numeric_limits<double>::max(), 0).size(), 309u);
}

// The leading-number rule as a regular expression, converted by strtod; a
// number beyond the double range reads 0, one below it 0 or a subnormal.
double expectedRead(const std::string& text) {
  static const std::regex number(R"(^[ \t]*([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?))");
  std::smatch match;
  if (!std::regex_search(text, match, number)) return 0;
  const double value = std::strtod(match[1].str().c_str(), nullptr);
  return std::isinf(value) ? 0 : value + 0.0;
}

void expectReadAgrees(const std::string& text) {
  const double read = Val(text);
  const double expected = expectedRead(text);
  ASSERT_EQ(std::memcmp(&read, &expected, sizeof read), 0)
      << '"' << text << "\" reads " << read << ", expected " << expected;
}

// Field texts of every kind: plain decimals up to and past 15 digits, halves,
// exponents small and large, signs and negative zero, units after the
// number, blanks before it, and full-width digits, which are no digits here.
TEST(LeadingNumberRead, AgreesWithTheRuleOverManyTexts) {
  std::mt19937_64 random(5);
  const char* const units[] = {"", "", "W", "℃", "mm", "uF-4700uF", " V", "..5", "e", "E+", "３"};
  const char* const before[] = {"", "", " ", "\t ", "+", "-", "-0", "０", "0.0000", "-.000"};
  for (int i = 0; i < 60000; ++i) {
    std::string digits = std::to_string(random() % 1000000000000000000ull);
    digits.resize(1 + random() % digits.size());
    const size_t point = random() % (digits.size() + 2);
    if (point <= digits.size()) digits.insert(point, ".");
    if (random() % 4 == 0) digits += "5";
    if (random() % 5 == 0) digits += (random() % 2 ? "e" : "E-") + std::to_string(random() % 330);
    const std::string text = std::string(before[random() % std::size(before)]) + digits +
                             units[random() % std::size(units)];
    expectReadAgrees(text);
  }
  for (const char* text :
       {"-0", "-0.000", "+0", "0.5", "-.5", "2.5000000000000001", "123456789012345",
        "1234567890123456", "9007199254740993", "0.000000000000000000000001",
        "000000000000000000012.5", "0.333333333333333", "-0.0000123456789012345",
        "0.0000000000000000000012345", "1e22", "1e23", "１２", "12３"})
    expectReadAgrees(text);
}

// A 16-digit integer below 2^53 is a double exactly; one ending in 5 lies on
// the half between two 15-digit values, and the exact rule sends it to the
// even neighbour.
TEST(FifteenDigits, ExactHalvesAtTheSixteenthDigitGoToTheEvenNeighbour) {
  EXPECT_EQ(generalFormat(1234567890123455.0), "1.23456789012346E+15");
  EXPECT_EQ(generalFormat(1234567890123465.0), "1.23456789012346E+15");
  EXPECT_EQ(generalFormat(-1000000000000005.0), "-1E+15");
  EXPECT_EQ(formatFixed(1234567890123465.0, 0), "1234567890123460");
  // a half below 10^15 is exact as well
  EXPECT_EQ(generalFormat(123456789012345.5), "123456789012346");
  EXPECT_EQ(generalFormat(123456789012344.5), "123456789012344");
  EXPECT_EQ(formatFixed(-123456789012344.5, 1), "-123456789012344.0");
  for (double half = 100000000000000.5; half < 1e15; half += 12345678901234.0)
    expectGeneralAgrees(half);
  // whole numbers keep their value only up to 15 digits
  EXPECT_EQ(roundHalfEven(999999999999999.0), 999999999999999.0);
  EXPECT_EQ(roundHalfEven(-999999999999999.0), -999999999999999.0);
  EXPECT_EQ(roundHalfEven(1234567890123455.0), 1234567890123460.0);
  EXPECT_EQ(roundHalfEven(1234567890123465.0), 1234567890123460.0);
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
