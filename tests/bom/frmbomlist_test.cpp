#include "bom/frmbomlist.h"

#include <gtest/gtest.h>

#include "support/design_fixture.h"

namespace corvane::testing {
namespace {

class FrmBomListTest : public DesignTest {
 protected:
  void expectTexts(const std::vector<std::pair<const char*, std::string>>& expected) {
    for (const auto& [name, text] : expected) EXPECT_EQ(bomText(name), text) << name;
  }
  void expectRows(const char* name, const std::vector<std::string>& expected) {
    for (size_t i = 0; i < expected.size(); ++i)
      EXPECT_EQ(bomText(name, static_cast<int>(i)), expected[i]) << name << "(" << i << ")";
  }
};

TEST_F(FrmBomListTest, OpeningPricesTheTypicalDesign) {
  EXPECT_EQ(bom().caption(), "Peak Corvane专家系统 - BOM材料清单");
  EXPECT_EQ(bom().highestRow(), 1);
  expectTexts({{"txtcname", "EI-48*30"}, {"txtcoremt", "H12-0.5A"},  {"txtwe", "345.6g"},
               {"TxtCoreCost", "8.64"},  // the core's cost follows its copied weight
               {"TxtFrm", "EI-48*30"},   {"TxtBaseCost", "0.9"},     {"TxtBB", "EI-48*30"},
               {"TxtPbA", "48"},         {"TxtPbB", "154"},          {"TxtPbC", "0.5"},
               {"TxtKBQ", "2"},          {"TxtKBCost", "0.26"},      {"TxtKB1Cost", "0.20"},
               {"TxtTapeW", "20"},       {"TxtTapeLeng", "668.4"},   {"TxtTapeCost", "0.000"},
               {"TxtVarnishQ", "10.1"},  {"TxtVarnishCost", "0.10"}, {"TxtPxQ", "4"},
               {"TxtTapeL", "6"},        {"TxtZpQ", "61"},           {"TxtLead", "0.40"},
               {"TxtCuCost", "1.99"}});
  expectRows("TxtLeadWire", {"UL1015", "UL1015"});
  expectRows("TxtLeadSize", {"30AWG", "20AWG"});  // 0.25 mm and 0.8 mm wire
  expectRows("TxtLeadCost", {"0.20", "0.20"});
  expectRows("TxtWireType", {"2UEW", "2UEW"});
  expectRows("TXTCUWEIGH", {"51.332g", "15.105g"});
  expectRows("TxtWireCost", {"1.54", "0.45"});
  EXPECT_EQ(bom().control("Option1").value(), 1);
  for (const char* part : {"Check1", "Check2", "Check3", "Check4", "Check5"})
    EXPECT_EQ(bom().control(part).value(), 0) << part;
  // only the design's windings show
  EXPECT_TRUE(bom().control("TxtLeadLeng", 1).visible());
  EXPECT_FALSE(bom().control("TxtLeadLeng", 2).visible());
}

// The opening ends as the seven buttons would, so no price stands at 0 or
// empty beside the material costs it follows from.
TEST_F(FrmBomListTest, OpeningComputesTheLabourAndThePricesAsTheButtonsWould) {
  expectTexts({{"TxtTN", "1255"},
               {"TxtWindTime", "50.2"},
               {"TxtPxTime", "120.0"},
               {"TxtWindTpTime", "3.6"},
               {"TxtZpTime", "61.0"},
               {"TxtTime", "288.0"},
               {"TxtXsF", "7.21"},
               {"TxtGsF", "0.58"},
               {"TxtMtCost", "14.07"},
               {"TxtCost", "21.65"},
               {"TxtSelsCost", "25.33"}});
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(FrmBomListTest, AnArithmeticStopInOneOpeningStepLeavesTheOthersToRun) {
  // turns beyond any number: the winding time stops where it sums them
  for (int row : {0, 1}) structure().control("TXTTURN", row).setText("1e308");
  expectTexts({{"TxtWindTime", ""},
               {"TxtPxTime", "120.0"},
               {"TxtWindTpTime", "3.6"},
               {"TxtZpTime", "61.0"},
               {"TxtXsF", "7.21"}});
  EXPECT_FALSE(bomText("TxtMtCost").empty());
  EXPECT_FALSE(bomText("TxtSelsCost").empty());
}

TEST_F(FrmBomListTest, TotalsCountEveryRowOnceWhateverTheOrderOfChanges) {
  bomSet("TxtLeadLeng", "300", 1);
  EXPECT_EQ(bomText("TxtLead"), "0.50");
  bomSet("TxtLeadPrice", "1", 0);
  EXPECT_EQ(bomText("TxtLead"), "0.70");
  bomSet("TXTCUWEIGH", "20", 1);
  expectRows("TXTCUWEIGH", {"51.332g", "20g"});
  EXPECT_EQ(bomText("TxtCuCost"), "2.14");
  // a retyped total is put right by the next change or by "应用"
  bomSet("TxtLead", "99");
  bomSet("TxtCuCost", "99");
  bomClick("Command12");
  EXPECT_EQ(bomText("TxtLead"), "0.70");
  EXPECT_EQ(bomText("TxtCuCost"), "2.14");  // the edited weight and prices are kept
  expectRows("TxtLeadLeng", {"200", "300"});
}

TEST_F(FrmBomListTest, TotalsOfThreeWindingsFollowEveryRow) {
  typeGroup(1, "5", "1", "无", "无");
  workspace.runEvent([&] { structure().setRow(2, {{"TXTWIRE", "0.5"}, {"TXTCUWEIGH", "10"}}); });
  EXPECT_EQ(bom().highestRow(), 2);
  EXPECT_EQ(bomText("TxtLeadSize", 2), "24AWG");
  EXPECT_EQ(bomText("TxtLead"), "0.60");
  EXPECT_EQ(bomText("TxtCuCost"), "2.29");  // 1.54 + 0.45 + 0.30
  bomSet("TxtWirePrice", "40", 2);
  EXPECT_EQ(bomText("TxtCuCost"), "2.39");
}

TEST_F(FrmBomListTest, UntickedShieldsStayOutOfTheStructuralTotal) {
  // the opening priced both shields from the core's size, but neither is ticked
  expectTexts(
      {{"TxtPbWe", "28.3"}, {"TxtPbCost", "0.59"}, {"TxtPbCost1", "1.84"}, {"TxtJGCost", "0.9"}});
  bomClick("Check8");
  EXPECT_EQ(bomText("TxtJGCost"), "1.49");
  bomClick("Check9");
  EXPECT_EQ(bomText("TxtJGCost"), "3.33");
  bomClick("Check8");  // unticked: weight and cost go, and so does the cost in the total
  expectTexts({{"TxtPbWe", ""}, {"TxtPbCost", ""}, {"TxtJGCost", "2.74"}});
  bomSet("TxtPbA1", "60");  // 35.3 g at 65 元/kg
  EXPECT_EQ(bomText("TxtJGCost"), "3.19");
}

TEST_F(FrmBomListTest, StandPartsEditedAfterTheShieldsKeepTheTickedShields) {
  bomClick("Check8");
  bomClick("Option2");
  expectTexts({{"TxtBase", "EI-48*30"},
               {"TxtBaseQ", "4Pcs"},
               {"TxtLgQ", "4Pcs"},
               {"TxtPjQ", "8Pcs"},
               {"TxtBaseCost", "0.8"},
               {"TxtLgCost", "1.20"},
               {"TxtLmCost", "0.40"},
               {"TxtPjCost", "0.24"},
               {"TxtTjCost", "0.40"},
               {"TxtTubeCost", "0.32"},
               {"TxtJGCost", "3.95"}});  // 3.36 + the shield's 0.59
  bomSet("TxtLgQ", "5");
  EXPECT_EQ(bomText("TxtJGCost"), "4.25");
  bomClick("Check1");  // unticked: the screws' cost goes
  expectTexts({{"TxtLgCost", ""}, {"TxtJGCost", "2.75"}});
  bomClick("Option1");
  expectTexts({{"TxtBaseQ", ""}, {"TxtLgQ", ""}, {"TxtBaseCost", "0.9"}, {"TxtJGCost", "1.49"}});
  EXPECT_EQ(bom().control("Check2").value(), 0);
}

TEST_F(FrmBomListTest, BracketAndBaseShareTheCostOfThePairEditedLast) {
  bomSet("TxtBaseQ", "4");
  EXPECT_EQ(bomText("TxtBaseCost"), "0.8");
  bomSet("TxtFrmPrice", "1.25");
  EXPECT_EQ(bomText("TxtBaseCost"), "1.3");  // 1.25 shown with one decimal
  EXPECT_EQ(bomText("TxtJGCost"), "1.3");
}

TEST_F(FrmBomListTest, ApplyAndPricesOfTheTypicalDesign) {
  bomClick("Command12");
  expectTexts({{"TxtZpTime", "61.0"},
               {"TxtTN", "1255"},
               {"TxtWindTime", "50.2"},
               {"TxtPxTime", "120.0"},
               {"TxtWindTpTime", "3.6"},
               {"TxtTime", "288.0"},
               {"TxtXsF", "7.21"},
               {"TxtGsF", "0.58"},
               {"TxtTpCost", "0.00"}});
  // "应用" leaves the prices to "成本": they stand as the opening computed them
  bomSet("TxtOtherCost", "2");
  bomClick("Command12");
  EXPECT_EQ(bomText("TxtMtCost"), "14.07");
  bomSet("TxtOtherCost", "1");
  bomClick("Command13");
  expectTexts({{"TxtMtCost", "14.07"}, {"TxtCost", "21.65"}, {"TxtSelsCost", "25.33"}});
}

TEST_F(FrmBomListTest, LabourCommandsOfTheWorkedExample) {
  bomSet("TxtTime", "300");
  bomClick("Command11");
  expectTexts({{"TxtXsF", "7.21"}, {"TxtGsF", "0.60"}});
}

TEST_F(FrmBomListTest, ZeroDivisorsLeaveTheQuotientAndWhatFollowsEmpty) {
  bomClick("Command12");
  bomSet("TxtWindZs", "0");
  bomClick("Command12");
  expectTexts({{"TxtWindTime", ""},
               {"TxtTime", ""},
               {"TxtGsF", ""},
               {"TxtXsF", "7.21"},
               {"TxtPxTime", "120.0"}});
  bomSet("TxtWindZs", "1500");
  bomSet("TxtPx", "0");
  bomSet("TxtWindTp", "");
  bomSet("TxtZp", "abc");
  bomClick("Command12");
  expectTexts({{"TxtPxTime", ""}, {"TxtWindTpTime", ""}, {"TxtZpTime", ""}, {"TxtTime", ""}});
  bomSet("TxtPx", "2");
  bomSet("TxtZp", "60");
  bomSet("TxtFk", "100");
  bomClick("Command12");
  expectTexts({{"TxtPxTime", "120.0"}, {"TxtTime", ""}, {"TxtGsF", ""}});
  bomSet("TxtFk", "10");
  bomClick("Command12");
  EXPECT_EQ(bomText("TxtTime"), "288.0");  // taping, still without a rate, is not in the sum
  bomSet("TxtTs", "0");
  bomClick("Command11");
  expectTexts({{"TxtXsF", ""}, {"TxtGsF", ""}});
  bomSet("TxtTs", "26");
  bomSet("TxtXs", "0");
  bomClick("Command11");
  expectTexts({{"TxtXsF", ""}, {"TxtGsF", ""}});
  bomSet("TxtMll", "100");
  bomClick("Command13");
  expectTexts({{"TxtMtCost", "13.49"}, {"TxtCost", ""}, {"TxtSelsCost", ""}});
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(FrmBomListTest, DesignWithoutLaminationThicknessOrWireLeavesThoseFieldsEmpty) {
  workspace.field("Frmcore", "txtcoremt", 0).setText("0");
  workspace.runEvent([&] { structure().setRow(1, {{"TXTWIRE", ""}}); });
  expectTexts({{"TxtZpQ", ""}, {"TxtPbC", "0"}, {"TxtPbWe", "0.0"}});
  expectRows("TxtLeadSize", {"30AWG", ""});
  bomClick("Command4");
  EXPECT_EQ(bomText("TxtZpTime"), "0.0");  // no laminations to insert
}

TEST_F(FrmBomListTest, OpensOnTheWindingRowsThatExist) {
  workspace.runEvent([&] { structure().control("Txtzb").setText("1e9"); });
  EXPECT_EQ(bom().highestRow(), 1);
  EXPECT_EQ(bomText("TxtLead"), "0.40");
}

// The cost form checks its rows against the winding table whenever it becomes
// the active window, whoever shows it: for a table of another row count it
// opens afresh, as a first opening would; otherwise it keeps what was typed.
TEST_F(FrmBomListTest, ActivatedForAWindingTableOfAnotherRowCountItOpensAfresh) {
  bomSet("TxtCorePrice", "28");
  electrical().show();
  bom().show();  // the same winding table: nothing is lost
  EXPECT_EQ(bomText("TxtCorePrice"), "28");

  workspace.runEvent([&] { structure().resize(2); });
  electrical().show();
  bom().show();  // picked among the open windows
  EXPECT_EQ(bom().highestRow(), 2);
  EXPECT_TRUE(bom().control("TxtLeadLeng", 2).visible());
  EXPECT_EQ(bomText("TxtCorePrice"), "25");
  EXPECT_EQ(workspace.activeForm(), &bom());
  EXPECT_TRUE(bom().visible());
}

TEST_F(FrmBomListTest, ActivatedWithoutAWindingTableItStaysAsItIs) {
  workspace.runEvent([&] { structure().resize(2); });
  bomSet("TxtCorePrice", "28");
  workspace.close(StructureStandIn::kName);  // "上一步" discards the table
  bom().show();
  EXPECT_EQ(workspace.existing(StructureStandIn::kName), nullptr);  // not brought back
  EXPECT_EQ(bomText("TxtCorePrice"), "28");
  EXPECT_EQ(bom().highestRow(), 2);
}

TEST_F(FrmBomListTest, MoreWindingsThanTheFormsRowsGetRowsOfTheirOwn) {
  workspace.runEvent([&] { structure().resize(12); });
  EXPECT_EQ(bom().highestRow(), 12);
  EXPECT_TRUE(bom().control("TxtLeadCost", 12).visible());
  EXPECT_EQ(bomText("TxtLeadCost", 12), "0.20");
  EXPECT_EQ(bomText("TxtLead"), "2.60");  // thirteen windings of two leads
  EXPECT_EQ(bomText("TxtKBQ"), "13");
  EXPECT_GT(bom().control("TxtLeadCost", 12).geometry().top,
            bom().control("TxtLeadCost", 11).geometry().top);
}

}  // namespace
}  // namespace corvane::testing
