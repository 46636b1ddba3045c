#include "model/value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/case_table.h"

namespace corvane {
namespace {

struct ReadCase {
  const char* text;
  double expected;
};

class LeadingNumberRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumberRead, ReadsTheLongestNumberPrefix) {
  const ReadCase& c = GetParam();
  EXPECT_DOUBLE_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FieldTexts, LeadingNumberRead, ::testing::Values(
    ReadCase{"35.5W", 35.5},
    ReadCase{"130℃", 130},
    ReadCase{"", 0},
    ReadCase{"abc", 0},
    ReadCase{" 12", 12},
    ReadCase{"\t 7.5 V", 7.5},
    ReadCase{"-3.25", -3.25},
    ReadCase{"+4", 4},
    ReadCase{".5", 0.5},
    ReadCase{"5.", 5},
    ReadCase{"1e3", 1000},
    ReadCase{"1E-2mm", 0.01},
    ReadCase{"1e", 1},          // an exponent without digits is not part of the number
    ReadCase{"1e+", 1},
    ReadCase{"2.5.3", 2.5},     // one decimal point only
    ReadCase{".", 0},
    ReadCase{"+", 0},
    ReadCase{"-", 0},
    ReadCase{"-.", 0},
    ReadCase{"٣", 0},           // Arabic-Indic digit: not a decimal digit here
    ReadCase{"３", 0},          // full-width digit
    ReadCase{"1e308", 1e308},
    ReadCase{"1e309", 0},       // beyond the double range: not a usable value
    ReadCase{"-1e309", 0},
    ReadCase{"1e-400", 0},
    ReadCase{"12 34", 12},
    ReadCase{"2uF-5uF", 2}));
// clang-format on

TEST(LeadingNumberRead, NegativeZeroReadsAsPlainZero) {
  double v = Val("-0");
  EXPECT_EQ(v, 0.0);
  EXPECT_FALSE(std::signbit(v));
  EXPECT_EQ(generalFormat(v), "0");
}

TEST(LeadingNumberRead, EmbeddedNulEndsTheNumber) {
  std::string text(
      "12\0"
      "34",
      5);
  EXPECT_EQ(Val(text), 12);
}

TEST(LeadingNumberRead, HugeTextsReadWithoutFailing) {
  EXPECT_EQ(Val(std::string(10000, '9')), 0);  // 10^10000 is out of range
  EXPECT_EQ(Val("0." + std::string(10000, '0') + "1"), 0);
  EXPECT_EQ(Val(std::string(10000, 'x')), 0);
  EXPECT_EQ(Val(std::string(5000, ' ') + "42"), 42);
}

TEST(LeadingNumberRead, SplitsTheNumberFromWhatFollowsIt) {
  const NumberAndRest weight = splitLeadingNumber(" 495.4g");
  EXPECT_EQ(weight.number, "495.4");
  EXPECT_EQ(weight.rest, "g");
  EXPECT_EQ(splitLeadingNumber("4Pcs").rest, "Pcs");
  EXPECT_EQ(splitLeadingNumber("-1.5e3 V").number, "-1.5e3");
  EXPECT_EQ(splitLeadingNumber("1e").number, "1");  // an exponent without digits is the unit's
  EXPECT_EQ(splitLeadingNumber("1e").rest, "e");
  EXPECT_EQ(splitLeadingNumber(".").number, "");
  EXPECT_EQ(splitLeadingNumber("abc").rest, "abc");
  EXPECT_EQ(splitLeadingNumber("").number, "");
  // the number is the one Val reads
  for (const char* text : {"12abc", " -0.5 W", "１２", "+3", "3.", ".5x"})
    EXPECT_EQ(Val(splitLeadingNumber(text).number), Val(text)) << text;
}

TEST(StrictRead, AcceptsOnlyAWholeNumber) {
  EXPECT_EQ(strictNumber(" 12.5 "), 12.5);
  EXPECT_THROW(strictNumber(""), RecalcAbort);
  EXPECT_THROW(strictNumber("35.5W"), RecalcAbort);
  EXPECT_THROW(strictNumber("."), RecalcAbort);
}

struct FixedCase {
  double value;
  int decimals;
  const char* expected;
};

class FixedPattern : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedPattern, RoundsTheDecimalValueHalfAwayFromZero) {
  const FixedCase& c = GetParam();
  EXPECT_EQ(formatFixed(c.value, c.decimals), c.expected) << c.value;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Patterns, FixedPattern, ::testing::Values(
    FixedCase{2.675, 2, "2.68"},       // binary 2.67499999... still shows 2.68
    FixedCase{1.005, 2, "1.01"},
    FixedCase{-2.5, 0, "-3"},
    FixedCase{2.5, 0, "3"},
    FixedCase{0.5, 0, "1"},
    FixedCase{0.4, 0, "0"},
    FixedCase{12.2 * 3.3, 1, "40.3"},
    FixedCase{22.6 * 1.57, 1, "35.5"},
    FixedCase{0.96, 1, "1.0"},
    FixedCase{999.96, 1, "1000.0"},
    FixedCase{9.9995, 3, "10.000"},
    FixedCase{0.0005, 3, "0.001"},
    FixedCase{0.0004, 3, "0.000"},
    FixedCase{0.00005, 3, "0.000"},
    FixedCase{-0.004, 2, "0.00"},      // never "-0.00"
    FixedCase{-0.0, 1, "0.0"},
    FixedCase{0, 6, "0.000000"},
    FixedCase{20.0 / 0.9, 3, "22.222"},
    FixedCase{0.123456789, 6, "0.123457"},
    FixedCase{1e20, 2, "100000000000000000000.00"},
    FixedCase{123456.0, 0, "123456"},
    FixedCase{0.1 + 0.2, 5, "0.30000"},
    FixedCase{1.0 / 3.0, 4, "0.3333"}));
// clang-format on

TEST(FixedPattern, PatternTextChoosesTheDecimals) {
  EXPECT_EQ(formatPattern(3.14159, "0"), "3");
  EXPECT_EQ(formatPattern(3.14159, "0.0"), "3.1");
  EXPECT_EQ(formatPattern(3.14159, "0.00"), "3.14");
  EXPECT_EQ(formatPattern(3.14159, "0.000"), "3.142");
  EXPECT_EQ(formatPattern(3.14159, "0.0000"), "3.1416");
  EXPECT_EQ(formatPattern(3.14159, "0.00000"), "3.14159");
  EXPECT_EQ(formatPattern(3.14159, "0.000000"), "3.141590");
}

TEST(GeneralFormat, ShowsAtMostFifteenSignificantDigits) {
  EXPECT_EQ(generalFormat(0.1 + 0.2), "0.3");
  EXPECT_EQ(generalFormat(0), "0");
  EXPECT_EQ(generalFormat(12.2), "12.2");
  EXPECT_EQ(generalFormat(0.85 * 12 + 1.0 * 2), "12.2");
  EXPECT_EQ(generalFormat(1.65 * 2), "3.3");
  EXPECT_EQ(generalFormat(-12.25), "-12.25");
  EXPECT_EQ(generalFormat(110.00000000000001), "110");
  EXPECT_EQ(generalFormat(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(generalFormat(123456789012345.0), "123456789012345");
  EXPECT_EQ(generalFormat(0.0001), "0.0001");
}

TEST(GeneralFormat, UsesScientificTextOutsideThePlainRange) {
  EXPECT_EQ(generalFormat(1e15), "1E+15");
  EXPECT_EQ(generalFormat(1.5e20), "1.5E+20");
  EXPECT_EQ(generalFormat(0.00001), "1E-05");
  EXPECT_EQ(generalFormat(-2.5e-7), "-2.5E-07");
}

TEST(NonFiniteResults, AreArithmeticErrors) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(formatFixed(inf, 2), RecalcAbort);
  EXPECT_THROW(formatFixed(nan, 0), RecalcAbort);
  EXPECT_THROW(generalFormat(-inf), RecalcAbort);
  EXPECT_THROW(roundHalfEven(nan), RecalcAbort);
  EXPECT_THROW(checkedDivide(1, 0), RecalcAbort);
  EXPECT_THROW(checkedDivide(1e308, 1e-308), RecalcAbort);
  EXPECT_EQ(checkedDivide(1, 4), 0.25);
}

TEST(TiesToEven, RoundsTurnsToTheEvenNeighbour) {
  testing::expectEachNumber(roundHalfEven, {{660.5, 660},
                                            {661.5, 662},
                                            {2.5, 2},
                                            {3.5, 4},
                                            {0.5, 0},
                                            {1.5, 2},
                                            {-2.5, -2},
                                            {660.66, 661},
                                            {0.49, 0},
                                            {0.51, 1},
                                            {0.04, 0}});
  EXPECT_FALSE(std::signbit(roundHalfEven(-0.2)));
}

TEST(HalfAway, RoundsLikeTheFixedPatterns) {
  EXPECT_EQ(roundHalfAway(2.675, 2), 2.68);
  EXPECT_EQ(roundHalfAway(-2.5, 0), -3);
  EXPECT_EQ(roundHalfAway(0.1832, 3), 0.183);
}

}  // namespace
}  // namespace corvane
