#include <gtest/gtest.h>

#include "electrical/electrical_tables.h"
#include "electrical_fixture.h"
#include "model/shared_values.h"

namespace corvane::testing {
namespace {

struct ConversionCase {
  const char* circuit;
  const char* diode;
  const char* volts;
  const char* amps;
  const char* acVoltage;
  const char* acCurrent;
  const char* power;
};

class RectifierConversion : public ElectricalTest,
                            public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(RectifierConversion, GivesTheWindingValues) {
  const ConversionCase& c = GetParam();
  typeGroup(0, c.volts, c.amps, c.circuit, c.diode);
  EXPECT_EQ(text("txtsuac", 0), c.acVoltage);
  EXPECT_EQ(text("txtsiac", 0), c.acCurrent);
  EXPECT_EQ(text("txtspo", 0), c.power);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Circuits, RectifierConversion, ::testing::Values(
    ConversionCase{"全桥电容", "硅管", "12", "2", "12.2", "3.3", "40.3"},
    ConversionCase{"半波电阻", "无",   "10", "1", "22.6", "1.57", "35.5"},
    ConversionCase{"无",       "无",   "24", "0.5", "24", "0.5", "12.0"},
    ConversionCase{"半波电容", "锗管", "10", "1", "10.7", "2.3", "24.6"},
    ConversionCase{"全波电容", "硅管", "10", "1", "18", "1.15", "20.7"},
    ConversionCase{"全桥电阻", "锗管", "10", "1", "12.7", "1.11", "14.1"},
    ConversionCase{"全波电阻", "无",   "5",  "2", "11.3", "1.58", "17.9"}));
// clang-format on

TEST_F(ElectricalTest, TypicalPathGivesWindingValuesTotalsAndRegulation) {
  typeGroup(0, "12", "2", "全桥电容", "硅管");
  EXPECT_EQ(text("txtsuac", 0), "12.2");
  EXPECT_EQ(text("txtsiac", 0), "3.3");
  EXPECT_EQ(text("txtspo", 0), "40.3");
  EXPECT_EQ(text("TXTCP", 0), "5307uF-13269uF");
  EXPECT_TRUE(shows({{"txtpo", "40.3W"}, {"TXTIIN", "0.183"}, {"TXTLUD", "18"}}));
  EXPECT_EQ(text("TXTUNLOAD", 0), "14.878");
  EXPECT_EQ(form().currentRow(), 0);
}

TEST_F(ElectricalTest, DiodeDropsAndCircuitFactorsArePublished) {
  SharedValues& values = workspace.shared();
  typeGroup(0, "12", "2", "全桥电容", "硅管");
  EXPECT_EQ(values.gDiodeDrop.text(workspace), "1.0");
  EXPECT_DOUBLE_EQ(values.gRectVoltFactor.num(workspace), 0.85);
  EXPECT_DOUBLE_EQ(values.gRectCurrFactor.num(workspace), 1.65);
  choose("cmbdio", 0, "锗管");
  EXPECT_EQ(values.gDiodeDrop.text(workspace), "0.7");
  choose("cmbdio", 0, "无");
  EXPECT_EQ(values.gDiodeDrop.kind(), SharedValue::Kind::Number);
  EXPECT_EQ(values.gDiodeDrop.num(workspace), 0);
  // the group references follow the row worked on
  EXPECT_EQ(values.gGroupVoltageRef.reference(), (FieldRef{"Frmeledata", "txtsuac", 0}));
  EXPECT_EQ(values.gGroupCurrentRef.num(workspace), 3.3);
}

TEST_F(ElectricalTest, TwoGroupsSumTheirPowerAndPrimaryCurrent) {
  typeGroupAndContinue(0, "12", "2", "全桥电容", "硅管", true);
  typeGroup(1, "10", "1", "半波电阻", "无");
  EXPECT_TRUE(shows({{"TXTIIN", "0.344"}, {"txtpo", "75.8W"}, {"TXTLUD", "10"}}));
  // every row's no-load voltage follows the new regulation
  EXPECT_EQ(text("TXTUNLOAD", 0), "13.556");
  EXPECT_EQ(text("TXTUNLOAD", 1), "25.111");
}

TEST_F(ElectricalTest, CapacitorRangeNeedsVoltageCurrentAndFrequency) {
  typeGroup(0, "12", "1", "全桥电容", "硅管");
  EXPECT_EQ(text("TXTCP", 0), "2653uF-6634uF");
  set("txtidc", 0, "0");
  EXPECT_EQ(text("TXTCP", 0), "2653uF-6634uF");  // kept
  set("txtidc", 0, "1");
  form().workspace().field("Frmcore", "TxtF").setText("60");
  set("txtudc", 0, "24");
  EXPECT_EQ(text("TXTCP", 0), "1105uF-2764uF");
}

TEST_F(ElectricalTest, EmptyVoltageLeavesOnlyTheDiodeDrop) {
  typeGroup(0, "", "2", "全桥电容", "硅管");
  EXPECT_EQ(text("txtsuac", 0), "2");
  EXPECT_EQ(text("txtspo", 0), "6.6");
}

TEST_F(ElectricalTest, TotalsWaitForAPositiveInputVoltage) {
  set("TXTUIN1", "0");
  typeGroup(0, "12", "2", "全桥电容", "硅管");
  EXPECT_EQ(text("txtspo", 0), "40.3");
  EXPECT_EQ(text("txtpo"), "0W");  // as the load left it
  set("TXTUIN1", "220");
  EXPECT_EQ(text("txtpo"), "40.3W");
}

TEST_F(ElectricalTest, ZeroInputVoltageSumStopsTheTotalsWithoutCrashing) {
  typeGroup(0, "12", "2", "全桥电容", "硅管");
  click("Chkp");
  set("TXTUIN2", "-220");
  EXPECT_EQ(text("TXTIIN"), "");  // cleared, then the division stopped the recalculation
}

TEST_F(ElectricalTest, LoadSetsTheListsTheAllowedRiseAndConvertsRowZero) {
  EXPECT_EQ(cell("CMBZL", 0).items().size(), 7u);
  EXPECT_EQ(text("CMBZL", 0), "无");
  EXPECT_EQ(text("cmbdio", 0), "无");
  EXPECT_EQ(field("Combo1").items().size(), 8u);
  EXPECT_TRUE(shows({{"Combo1", "Class B"}, {"Text13", "130℃"}, {"TXTTEMPD", "95"}}));
  EXPECT_EQ(text("txtsuac", 0), "0");
  EXPECT_EQ(text("txtpo"), "0W");
  EXPECT_EQ(text("TXTLUD"), "27");
  // one primary: the second input voltage is hidden, its "0" kept
  EXPECT_FALSE(field("TXTUIN2").visible());
  EXPECT_EQ(text("TXTUIN2"), "0");
  EXPECT_EQ(field("Chkp").caption(), "单组输入");
  // reading the frequency created the core form
  EXPECT_NE(workspace.existing("Frmcore"), nullptr);
}

TEST_F(ElectricalTest, InsulationClassSetsLimitAndAllowedRise) {
  set("TXTTEMP20", "40");
  form().userChoose(field("Combo1"), field("Combo1").findItem("Class F"));
  EXPECT_EQ(text("Text13"), "155℃");
  EXPECT_EQ(text("TXTTEMPD"), "105");
  form().userChoose(field("Combo1"), field("Combo1").findItem("Class C"));
  EXPECT_EQ(text("Text13"), "200℃");
  EXPECT_EQ(text("TXTTEMPD"), "150");
}

struct BandCase {
  const char* power;
  const char* regulation;
};
class DefaultRegulation : public ElectricalTest, public ::testing::WithParamInterface<BandCase> {};

TEST_P(DefaultRegulation, FollowsTheTotalPower) {
  set("txtpo", GetParam().power);
  EXPECT_EQ(text("TXTLUD"), GetParam().regulation);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bands, DefaultRegulation, ::testing::Values(
    BandCase{"-1", "30"}, BandCase{"30W", "27"}, BandCase{"30.01", "20"}, BandCase{"40", "20"},
    BandCase{"50", "18"}, BandCase{"65", "15"}, BandCase{"100W", "10"}, BandCase{"125", "10"},
    BandCase{"200", "8"}, BandCase{"200.5", "5"}, BandCase{"abc", "27"}));
// clang-format on

TEST_F(ElectricalTest, RegulationSetsNoLoadVoltage) {
  set("txtsuac", 0, "20");
  set("TXTLUD", "10");
  EXPECT_EQ(text("TXTUNLOAD", 0), "22.222");
  set("TXTLUD", "100");  // a division by zero stops the recalculation quietly
  EXPECT_EQ(text("TXTUNLOAD", 0), "22.222");
}

TEST_F(ElectricalTest, InputArrangementShowsAndClearsTheSecondPrimary) {
  click("Chkp");
  EXPECT_EQ(field("Chkp").caption(), "双组输入");
  EXPECT_TRUE(field("TXTUIN2").visible());
  click("Chkp");
  EXPECT_EQ(field("Chkp").caption(), "单组输入");
  EXPECT_FALSE(field("TXTUIN2").visible());
  EXPECT_EQ(text("TXTUIN2"), "");
  click("Chkp");
  EXPECT_TRUE(field("TXTUIN2").visible());
  EXPECT_EQ(text("TXTUIN2"), "");
}

// Whatever the hidden second input voltage holds while the box reads
// "单组输入" (a design file keeps its line), there is no second primary to
// share the input current with.
TEST_F(ElectricalTest, SecondInputVoltageCountsOnlyWithTwoPrimaries) {
  set("TXTUIN2", "110");
  typeGroup(0, "12", "2", "全桥电容", "硅管");
  EXPECT_EQ(text("TXTIIN"), "0.183");  // 40.3 VA over 220 V, not over 330 V
  click("Chkp");
  EXPECT_TRUE(field("TXTUIN2").visible());
  EXPECT_EQ(text("TXTIIN"), "0.122");  // now over both primaries
}

// A negative output is a negative rail: its winding is the positive rail's,
// and its power adds to the total like any other group's.
TEST_F(ElectricalTest, NegativeRailIsDesignedForItsMagnitude) {
  set("TXTUIN1", "220");
  typeGroupAndContinue(0, "12", "2", "全桥电容", "硅管", true);
  typeGroup(1, "-12", "2", "全桥电容", "硅管");
  EXPECT_TRUE(shows({{"txtpo", "80.6W"}, {"TXTIIN", "0.366"}}));
  for (int row : {0, 1})
    EXPECT_EQ(std::vector<std::string>({text("txtsuac", row), text("txtsiac", row),
                                        text("txtspo", row), text("TXTCP", row)}),
              (std::vector<std::string>{"12.2", "3.3", "40.3", "5307uF-13269uF"}))
        << row;
  // the current typed negative as well, or only the current
  set("txtidc", 1, "-2");
  EXPECT_EQ(text("txtspo", 1), "40.3");
  set("txtudc", 1, "12");
  EXPECT_EQ(text("txtspo", 1), "40.3");
  EXPECT_EQ(text("txtpo"), "80.6W");
  EXPECT_EQ(cell("txtudc", 1).content(), Control::Content::RailQuantity);
  EXPECT_EQ(cell("txtidc", 0).content(), Control::Content::RailQuantity);
}

TEST_F(ElectricalTest, TablesAreCompleteAndInListOrder) {
  EXPECT_EQ(electrical::kRectifierCircuits.front().name, "无");
  EXPECT_EQ(electrical::kRectifierCircuits.back().name, "全桥电容");
  EXPECT_EQ(electrical::findRectifierCircuit("全桥电阻")->diodesInSeries, 2);
  EXPECT_EQ(electrical::findRectifierCircuit("半波"), nullptr);
  EXPECT_EQ(electrical::kInsulationClassItems[electrical::kDefaultInsulationItem], "Class B");
}

}  // namespace
}  // namespace corvane::testing
