// The external-power-supply efficiency levels: which class a design's outputs
// make, the limits by output power band, and the verdict on each side of a
// limit.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "operating/adapter_efficiency.h"

namespace corvane::operating {
namespace {

TEST(AdapterClassOf, TheOutputsDecideTheClass) {
  EXPECT_EQ(adapterClass({{"全桥电容", "硅管", 12, 2}}), AdapterClass::BasicVoltage);
  EXPECT_EQ(adapterClass({{"全桥电容", "硅管", 5.99, 0.55}}), AdapterClass::LowVoltage);
  // 6 V is no longer low voltage, nor is a low voltage under 0.55 A
  EXPECT_EQ(adapterClass({{"全桥电容", "硅管", 6, 2}}), AdapterClass::BasicVoltage);
  EXPECT_EQ(adapterClass({{"全桥电容", "硅管", 5, 0.549}}), AdapterClass::BasicVoltage);
  // an AC output below 6 V is an AC-AC supply, not a low-voltage one
  EXPECT_EQ(adapterClass({{"无", "无", 5, 1}}), AdapterClass::AcOutput);
  EXPECT_EQ(adapterClass({{"全桥电容", "硅管", 5, 1}, {"无", "无", 12, 1}}),
            AdapterClass::MultipleOutput);
}

TEST(AdapterLimits, EachPowerBandHasItsOwnLaw) {
  // up to and including 1 W the linear law, up to and including 49 W the
  // logarithmic one, above it the fixed level
  EXPECT_DOUBLE_EQ(requiredEfficiency(AdapterClass::BasicVoltage, 1), 0.5 * 1 + 0.160);
  EXPECT_DOUBLE_EQ(requiredEfficiency(AdapterClass::BasicVoltage, 49),
                   0.071 * std::log(49.0) - 0.0014 * 49 + 0.67);
  EXPECT_DOUBLE_EQ(requiredEfficiency(AdapterClass::BasicVoltage, 49.01), 0.880);
  EXPECT_DOUBLE_EQ(requiredNoLoadPower(AdapterClass::BasicVoltage, 49), 0.100);
  EXPECT_DOUBLE_EQ(requiredNoLoadPower(AdapterClass::BasicVoltage, 49.01), 0.210);
  EXPECT_DOUBLE_EQ(requiredEfficiency(AdapterClass::MultipleOutput, 10),
                   0.075 * std::log(10.0) + 0.561);
}

// One class at an output power, its efficiency limit (fraction) and no-load
// limit (W) worked out by hand.
struct Boundary {
  AdapterClass adapterClass;
  double nameplate;
  double efficiency;
  double noLoad;
};

class AdapterVerdictAtLimit : public ::testing::TestWithParam<Boundary> {};

TEST_P(AdapterVerdictAtLimit, TheLimitItselfPassesAndJustBeyondFails) {
  const Boundary b = GetParam();
  EXPECT_NEAR(requiredEfficiency(b.adapterClass, b.nameplate), b.efficiency, 5e-7);
  EXPECT_DOUBLE_EQ(requiredNoLoadPower(b.adapterClass, b.nameplate), b.noLoad);
  const double limit = requiredEfficiency(b.adapterClass, b.nameplate);
  const double above = limit + 1e-6, below = limit - 1e-6;
  EXPECT_EQ(adapterVerdict(b.adapterClass, b.nameplate, above, b.noLoad), "满足六级能效");
  EXPECT_EQ(adapterVerdict(b.adapterClass, b.nameplate, limit, b.noLoad - 0.001), "满足六级能效");
  EXPECT_EQ(adapterVerdict(b.adapterClass, b.nameplate, below, b.noLoad),
            "不满足六级能效：平均效率");
  EXPECT_EQ(adapterVerdict(b.adapterClass, b.nameplate, above, b.noLoad + 0.001),
            "不满足六级能效：空载功耗");
  EXPECT_EQ(adapterVerdict(b.adapterClass, b.nameplate, below, b.noLoad + 0.001),
            "不满足六级能效：平均效率、空载功耗");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FourClasses, AdapterVerdictAtLimit, ::testing::Values(
    // 24 W: 0.071 ln 24 − 0.0014 × 24 + 0.67 = 0.225642 − 0.0336 + 0.67
    Boundary{AdapterClass::BasicVoltage, 24, 0.862042, 0.100},
    // 0.8 W: 0.5 × 0.8 + 0.160
    Boundary{AdapterClass::AcOutput, 0.8, 0.560, 0.210},
    // 60 W: the fixed level and the higher no-load allowance
    Boundary{AdapterClass::LowVoltage, 60, 0.870, 0.210},
    // 10 W: 0.075 ln 10 + 0.561 = 0.172694 + 0.561
    Boundary{AdapterClass::MultipleOutput, 10, 0.733694, 0.300}));
// clang-format on

}  // namespace
}  // namespace corvane::operating
