// The core's arithmetic as plain values: the worked examples of the sizing,
// the proportions, the losses and the surfaces.
#include <gtest/gtest.h>

#include "core/core_geometry.h"
#include "model/value.h"
#include "support/case_table.h"
#include "support/recording_sink.h"

namespace corvane::core {
namespace {

TEST(CoreGeometry, EfficiencyFollowsThePowerBands) {
  testing::expectEachNumber(
      sizingEfficiency,
      {{10, 0.7}, {10.5, 0.8}, {100, 0.85}, {100.1, 0.9}, {5000, 0.97}, {-3, 0.7}});
  // a band's limit belongs to it, and a higher power never sizes with a lower efficiency
  double previous = 0;
  for (double p = 0; p <= 2000; p += 0.5) {
    EXPECT_GE(sizingEfficiency(p), previous) << p;
    previous = sizingEfficiency(p);
  }
}

TEST(CoreGeometry, SectionForPowerNeedsFrequencyFluxAndDensity) {
  EXPECT_EQ(sectionForPowerText(100, 50, 1.52, 5), "7.593cm^2");
  EXPECT_EQ(sectionForPowerText(10, 50, 1.52, 5), "2.646cm^2");
  EXPECT_EQ(sectionForPowerText(100, 0, 1.52, 5), std::nullopt);
}

TEST(CoreGeometry, ProportionsGiveTheDimensionsReadBackAsWritten) {
  ProportionInputs in{.section = 7.593, .window = 10, .stackOverTongue = 1, .heightOverWidth = 3};
  testing::RecordingSink out;
  proportionedCore(in, out);
  const std::vector<std::pair<std::string, std::string>> written{
      {"TXTa", "27.6"}, {"TxtB", "27.5"}, {"txtc", "18.3"},
      {"txth", "54.6"}, {"TXTL", "91.8"}, {"TXTw", "82.2"}};
  EXPECT_EQ(out.writes, written);
  // without a stack proportion the tongue and stack stay as they are
  in.stackOverTongue = 0;
  in.tongue = "16";
  testing::RecordingSink kept;
  proportionedCore(in, kept);
  EXPECT_EQ(kept.last.count("TXTa"), 0u);
  EXPECT_EQ(kept.last.count("TxtB"), 0u);
  EXPECT_EQ(kept.last["TXTL"], "68.6");  // 2 × 16 + 2 × 18.3
  // a negative window stops after the tongue and stack were written
  in.stackOverTongue = 1;
  in.window = -10;
  testing::RecordingSink stopped;
  EXPECT_THROW(proportionedCore(in, stopped), RecalcAbort);
  EXPECT_EQ(stopped.order(), (std::vector<std::string>{"TXTa", "TxtB"}));
}

TEST(CoreGeometry, IronLossByGradeAndFinish) {
  CoreLossInputs in{.length = 48,
                    .height = 40,
                    .windowWidth = 8,
                    .windowHeight = 24,
                    .section = 4.56,
                    .density = 7.65,
                    .specificLoss = 3.6,
                    .fluxDensity = 1.5,
                    .grade = "H12"};
  auto losses = [&in] {
    testing::RecordingSink out;
    coreLosses(in, out);
    return out.last;
  };
  auto white = losses();
  EXPECT_EQ(white["txtle"], "96.0");  // 24 + 8 + 24 + 40
  EXPECT_EQ(white["txtwe"], "334.9g");
  EXPECT_EQ(white["txtpc"], "1.21W");
  in.blackFinish = true;
  EXPECT_EQ(losses()["txtpc"], "0.97W");  // 1.2056 / 1.24
  in.blackFinish = false;
  in.grade = "Z10";
  EXPECT_EQ(losses()["txtpc"], "0.94W");  // (1.5 / 1.7)² of the same
}

TEST(CoreGeometry, SurfacesAndEstimates) {
  EXPECT_EQ(coilSurfaceText(16, 8, 24), "28.88");  // EI48
  EXPECT_EQ(confirmedSectionText(16, 16), "2.432");
  EXPECT_EQ(windowAreaText(8, 24), "1.920");
  EXPECT_EQ(windowNeededText(0.45, 0, 600), std::nullopt);
  EXPECT_EQ(windowCurrentDensityText(0.45, 0, 600), std::nullopt);
  const WindingEstimate estimate = windingEstimate(16, 30, 8, 24);
  EXPECT_EQ(estimate.meanTurnLength, "118");
  EXPECT_EQ(estimate.copperWeight, "0.071");  // 8 × 24 × 0.35 × 118 × 8.95e-6
}

}  // namespace
}  // namespace corvane::core
