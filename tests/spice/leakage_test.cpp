// The leakage channel of two windings: concentric in one slot, side by side
// in the two slots of a two-slot bobbin.
#include "spice/leakage.h"

#include <gtest/gtest.h>

#include "spice/plain_design.h"

namespace corvane::testing {
namespace {

using spice::channelBetween;
using spice::LeakageChannel;

// Primary 2 mm, then secondaries of 1 mm and 1.5 mm in a 20 mm slot, 3 tape
// layers of 0.06 mm over each winding: between the primary and the outer
// secondary lie the middle secondary and two sets of tape.
TEST(LeakageChannel, ConcentricGapHoldsTheTapeAndTheWindingsBetween) {
  spice::TransformerDescription d = spice::plainDesign();
  addSecondary(d, 60, 1);
  addSecondary(d, 90, 1.5);
  for (const auto& [one, other] : {std::pair{0, 2}, std::pair{2, 0}}) {
    const LeakageChannel c = channelBetween(d, d.windings[one], d.windings[other]);
    EXPECT_DOUBLE_EQ(c.build1, 2);  // the inner winding, whichever is named first
    EXPECT_DOUBLE_EQ(c.build2, 1.5);
    EXPECT_DOUBLE_EQ(c.gap, 1 + 2 * 3 * 0.06);
    EXPECT_DOUBLE_EQ(c.breadth, 20);
    EXPECT_DOUBLE_EQ(c.meanTurnLength, 110);
  }
  // neighbours: one set of tape only
  EXPECT_DOUBLE_EQ(channelBetween(d, d.windings[1], d.windings[2]).gap, 3 * 0.06);
}

// The primary in slot 1 (20 mm), the secondary in slot 2 (9 mm): the field
// crosses the 8 mm window, the ampere-turns grow along the slot widths, and
// the divider of 1.5 mm lies between.
TEST(LeakageChannel, SideBySideSlotsUseTheSlotWidthsTheDividerAndTheWindow) {
  spice::TransformerDescription d = spice::plainDesign();
  addSecondary(d, 60, 1, "全桥电容", 2);
  const LeakageChannel c = channelBetween(d, d.windings[0], d.windings[1]);
  EXPECT_DOUBLE_EQ(c.build1, 20);
  EXPECT_DOUBLE_EQ(c.build2, 9);
  EXPECT_DOUBLE_EQ(c.gap, 1.5);
  EXPECT_DOUBLE_EQ(c.breadth, 8);
  // μ0 N² MLT (a1/3 + a2/3 + δ)/w with N = 1000, MLT 110 mm: ≈ 0.20 H
  EXPECT_NEAR(spice::leakageInductance(1000, c),
              4e-7 * 3.141592653589793 * 1e6 * 0.110 * (20.0 / 3 + 9.0 / 3 + 1.5) / 8, 1e-12);
}

}  // namespace
}  // namespace corvane::testing
