#include <gtest/gtest.h>

#include <cmath>

#include "model/value.h"
#include "simulation/core_curves.h"
#include "simulation/no_load_current.h"
#include "simulation/wire_design.h"

namespace corvane::simulation {
namespace {

// 50H800 at 1.5 T, a 100 mm path, 600 turns, 3 W of iron loss from 220 V.
NoLoadInputs example() {
  NoLoadInputs in{.fluxDensity = 1.5,
                  .pathLength = 100,
                  .ironLoss = 3,
                  .primaryVoltage = 220,
                  .primaryTurns = 600,
                  .primaryResistance = 778};
  return in;
}

TEST(NoLoadCurrent, QuadratureOfMagnetisingAndLossCurrent) {
  EXPECT_EQ(curveNoLoadCurrentText("50H800", example()), "0.1340");
  NoLoadInputs bound = example();
  bound.fluxDensity = 1.3;  // dw540's bound: H = 6
  const double expected = std::hypot(0.1 * 100 * 6 / 600, 3.0 / 220);
  EXPECT_EQ(curveNoLoadCurrentText("50H600", bound), formatFixed(expected, 4));
}

TEST(NoLoadCurrent, GrainOrientedSteelComparesInGaussOnTheDecimalValue) {
  NoLoadInputs in = example();
  in.fluxDensity = 0.8;  // below 10000 G: the first band
  EXPECT_EQ(curveNoLoadCurrentText("Z11", in),
            formatFixed(std::hypot(0.1 * 100 * 0.21 / 600, 3.0 / 220), 4));
  in.fluxDensity = 1.57;  // 15700 G exactly, though 1.57 × 10000 is a hair above in binary
  EXPECT_EQ(curveNoLoadCurrentText("Z10", in),
            formatFixed(std::hypot(0.1 * 100 * 0.463 / 600, 3.0 / 220), 4));
}

TEST(NoLoadCurrent, AboveEachThresholdOnlyTheResistanceLimits) {
  const double saturated = 220 / (778 * 0.001);
  struct Case {
    const char* grade;
    double flux;
  };
  for (Case c :
       {Case{"50H600", 1.65}, Case{"H14", 1.71}, Case{"50H800", 1.71}, Case{"Z11", 1.81}}) {
    NoLoadInputs in = example();
    in.fluxDensity = c.flux;
    EXPECT_EQ(curveNoLoadCurrentText(c.grade, in), formatFixed(saturated, 4)) << c.grade;
  }
  NoLoadInputs atThreshold = example();
  atThreshold.fluxDensity = 1.8;
  EXPECT_NE(curveNoLoadCurrentText("Z11", atThreshold), formatFixed(saturated, 4));
}

TEST(NoLoadCurrent, QuotientsWithoutADivisorGiveNoCurrent) {
  NoLoadInputs in = example();
  in.primaryTurns = 0;
  EXPECT_EQ(curveNoLoadCurrentText("50H800", in), "");
  in = example();
  in.primaryVoltage = 0;
  EXPECT_EQ(curveNoLoadCurrentText("50H800", in), "");
  in = example();
  in.fluxDensity = 1.9;
  in.primaryResistance = 0;
  EXPECT_EQ(curveNoLoadCurrentText("50H800", in), "");
  EXPECT_EQ(curveNoLoadCurrentText("50H700", example()), "");
}

// An empty current always says why, and a current never comes with a reason:
// over every grade named, flux densities across and past each curve, and
// designs lacking turns, voltage or resistance.
TEST(NoLoadCurrent, EveryEmptyCurrentAndOnlyAnEmptyOneHasAReason) {
  for (const char* grade : {"50H800", "50H600", "H14", "Z11", "Z10", "50H700", ""}) {
    for (int step = 0; step <= 250; ++step) {
      for (int lack = 0; lack < 4; ++lack) {
        NoLoadInputs in = example();
        in.fluxDensity = step * 0.01;
        if (lack == 1) in.primaryTurns = 0;
        if (lack == 2) in.primaryVoltage = 0;
        if (lack == 3) in.primaryResistance = 0;
        const bool empty = curveNoLoadCurrentText(grade, in).empty();
        EXPECT_EQ(noLoadCurrentGap(grade, in).empty(), !empty)
            << grade << " at " << in.fluxDensity << " T, lacking " << lack;
      }
    }
  }
  EXPECT_EQ(noLoadCurrentGap("50H700", example()),
            "铁芯材质“50H700”没有磁化曲线，无法计算空载电流");
}

TEST(NoLoadCurrent, RatedTableSharesItsVoltAmperesOverTheInputs) {
  EXPECT_EQ(ratedNoLoadCurrentText(22.4, 220, 0), "0.10182");
  EXPECT_EQ(ratedNoLoadCurrentText(22.4, 110, 110), "0.10182");
  EXPECT_EQ(ratedNoLoadCurrentText(22.4, 0, 0), "");
}

TEST(WireDesign, CurrentAtTheDensityMapsToAStandardDiameter) {
  EXPECT_EQ(designedWireDiameter(0.45, 2.5), "0.50");  // 1.13 × √0.18 = 0.479
  EXPECT_EQ(designedWireDiameter(0.45, 0), "");
  EXPECT_EQ(designedWireDiameter(0, 5), "0.03");
}

}  // namespace
}  // namespace corvane::simulation
