// The bobbin's arithmetic as plain values.
#include <gtest/gtest.h>

#include "bobbin/bobbin_types.h"
#include "bobbin/window_figures.h"
#include "model/value.h"
#include "support/recording_sink.h"

namespace corvane::bobbin {
namespace {

TEST(WindowFigures, Ei48SlotsOfEachType) {
  const SlotProposal one = proposedSlots(kBobbinTypes[0], 24, 8, 16, 30);
  EXPECT_EQ(one.slotWidth, "21");
  EXPECT_EQ(one.depth, "6");
  EXPECT_EQ(one.base1, "19");
  EXPECT_EQ(one.base2, "33");
  EXPECT_EQ(proposedSlots(kBobbinTypes[1], 24, 8, 16, 30).slotWidth, "9.75");
  EXPECT_EQ(proposedSlots(kBobbinTypes[2], 24, 8, 16, 30).slotWidth, "9.75");
  const WindowArea single = windowArea(21, 0, 6, 19, 33);
  EXPECT_EQ(single.area, "126.0");
  EXPECT_EQ(single.basePerimeter, "104.0");
  EXPECT_EQ(windowArea(9.75, 9.75, 6, 19, 33).area, "117.0");
}

TEST(WindowFigures, PowerTheWindowCarries) {
  // 1.5 × 2.22 × 50 × 5 × 4 × 126 × 0.5 × 1e-4
  EXPECT_EQ(bobbinPowerText(1.5, 50, 5, 4, 126),
            formatFixed(1.5 * 2.22 * 50 * 5 * 4 * 126 * 0.5e-4, 1) + "W");
  EXPECT_EQ(bobbinPowerText(1.5, 50, 5, 4, 126), "21.0W");
}

TEST(WindowFigures, ToolWritesTurnsDensityAndFluxInOrder) {
  ToolInputs in{.windowArea = 126,
                .fillPercent = 40,
                .wireDiameter = 0.1,
                .current = 0.2,
                .volts = 220,
                .frequency = 50,
                .section = 4};
  testing::RecordingSink out;
  toolFigures(in, out);
  EXPECT_EQ(out.order(), (std::vector<std::string>{"TxtTurn", "TxtJ", "TxtB0"}));
  EXPECT_EQ(out.last["TxtTurn"], "3210");  // 25.2 / 0.00785
  EXPECT_EQ(out.last["TxtJ"], "25.48");
  EXPECT_EQ(out.last["TxtB0"], toolFluxDensityText(220, 50, 3210, 4));
  // no frequency: the turns and density stand, the flux density stops the tool
  in.frequency = 0;
  testing::RecordingSink stopped;
  EXPECT_THROW(toolFigures(in, stopped), RecalcAbort);
  EXPECT_EQ(stopped.order(), (std::vector<std::string>{"TxtTurn", "TxtJ"}));
}

TEST(WindowFigures, GuardsOfTheTool) {
  EXPECT_EQ(wireForTurnsText(126, 40, 0), std::nullopt);
  EXPECT_EQ(bestCurrentDensityText(0.45, 40, 126, 0, true), std::nullopt);
  EXPECT_THROW(bestCurrentDensityText(0.45, 40, 126, 0, false), RecalcAbort);
  EXPECT_EQ(testedTurnsText(220, 12, 100), "5");  // 5.45
  EXPECT_EQ(testedTurnsText(0, 12, 100), std::nullopt);
}

}  // namespace
}  // namespace corvane::bobbin
