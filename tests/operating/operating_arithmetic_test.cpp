// The plain arithmetic of the operating analysis: the mains factors, each
// rectifier circuit's no-load output, the capacitor rating, the losses and
// efficiency at part load.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "operating/capacitor_rating.h"
#include "operating/mains_columns.h"
#include "operating/no_load_outputs.h"
#include "operating/part_load_efficiency.h"
#include "support/case_table.h"

namespace corvane::operating {
namespace {

TEST(MainsFactors, AToleranceGivesDecimalFactorsAndOnlyOneThatLeavesSupply) {
  const std::optional<MainsFactors> ten = mainsFactors(10);
  ASSERT_TRUE(ten);
  // 1 − 0.1 is 0.9 as the design reads it, not 0.9000000000000000222…
  EXPECT_EQ(*ten, (MainsFactors{0.9, 1, 1.1}));
  EXPECT_EQ(*mainsFactors(0), (MainsFactors{1, 1, 1}));
  ASSERT_TRUE(mainsFactors(99.5));
  EXPECT_EQ((*mainsFactors(99.5))[0], 0.005);
  EXPECT_FALSE(mainsFactors(100));  // no supply left at low mains
  EXPECT_FALSE(mainsFactors(-1));
  EXPECT_FALSE(mainsFactors(std::nan("")));
}

TEST(MainsFactors, AFluxDensityAtHighMainsComparesAsTheDecimalItShows) {
  EXPECT_NE(1.5 * 1.1, 1.65);  // the binary product lies above the curve's bound
  EXPECT_EQ(decimalProduct(1.5, 1.1), 1.65);
  EXPECT_DOUBLE_EQ(ironLossAtMains(3.13, 1.1), 3.13 * 1.21);
}

// √2 × U less the drops of the conducting diodes for a capacitor input;
// (U − Vd × n) / Kv otherwise.
TEST(NoLoadOutput, EachCircuitGivesItsOwnDcVoltage) {
  const double peak = std::sqrt(2.0) * 10;
  EXPECT_DOUBLE_EQ(*noLoadOutput("全桥电容", "硅管", 10), peak - 2 * 1.0);
  EXPECT_DOUBLE_EQ(*noLoadOutput("半波电容", "锗管", 10), peak - 0.7);
  // a centre-tapped winding's voltage spans both halves
  EXPECT_DOUBLE_EQ(*noLoadOutput("全波电容", "硅管", 10), peak / 2 - 1.0);
  EXPECT_DOUBLE_EQ(*noLoadOutput("全桥电阻", "硅管", 10), (10 - 2 * 1.0) / 1.13);
  EXPECT_DOUBLE_EQ(*noLoadOutput("半波电阻", "无", 10), 10 / 2.26);
  EXPECT_DOUBLE_EQ(*noLoadOutput("无", "无", 10), 10);
}

TEST(NoLoadOutput, DiodesThatNeverConductGiveNoVoltageAndUnknownPartsNone) {
  EXPECT_EQ(*noLoadOutput("全桥电容", "硅管", 1), 0);  // √2 V against 2 V of drop
  EXPECT_EQ(*noLoadOutput("全桥电阻", "硅管", 0), 0);
  EXPECT_FALSE(noLoadOutput("倍压电容", "硅管", 10));
  EXPECT_FALSE(noLoadOutput("全桥电容", "肖特基", 10));
}

TEST(CapacitorRating, TheSmallestStandardRatingNotBelowTheVoltage) {
  testing::expectEachNumber(capacitorRating,
                            {{0, 6.3}, {6.3, 6.3}, {6.31, 10}, {25, 25}, {25.01, 35}, {450, 450}});
  EXPECT_FALSE(capacitorRating(450.01));
}

TEST(PartLoad, NameplatePowerAndDiodeLossCountEveryGroupAsRated) {
  const std::vector<GroupRating> groups{
      {"全桥电容", "硅管", 12, 2},  // 24 W, two silicon diodes at 2 A: 4 W
      {"半波电阻", "锗管", -5, 1},  // 5 W, one germanium diode at 1 A: 0.7 W
      {"无", "硅管", 6.3, 0.5},     // AC: 3.15 W, no rectifier
  };
  EXPECT_DOUBLE_EQ(nameplatePower(groups), 24 + 5 + 3.15);
  EXPECT_DOUBLE_EQ(*diodeLoss(groups), 4 + 0.7);
  // a circuit no table knows counts no diode; a diode no table knows on a
  // rectifier leaves the loss unknown
  EXPECT_EQ(*diodeLoss({{"倍压", "硅管", 12, 2}}), 0);
  EXPECT_FALSE(diodeLoss({{"全桥电容", "肖特基", 12, 2}}));
}

// No input power, no efficiency; an output that all goes in loss is 0 %; an
// average needs all four points.
TEST(PartLoad, AnEfficiencyNeedsAnInputAndTheAverageEveryPoint) {
  EXPECT_FALSE(loadPoint(0, {0, 0, 0}, 0.5).efficiency);
  EXPECT_EQ(*loadPoint(0, {1, 0, 0}, 0.5).efficiency, 0);
  std::array<LoadPoint, kLoadPoints> points;
  for (size_t j = 0; j < kLoadPoints; ++j)
    points[j] = loadPoint(24, {3.13, 9.283, 4}, kLoadShares[j]);
  EXPECT_TRUE(averageEfficiency(points));
  points[2].efficiency.reset();
  EXPECT_FALSE(averageEfficiency(points));
}

}  // namespace
}  // namespace corvane::operating
