// The core form as a whole: design-time texts, load and activation, steel
// grades and finish, the flux colour, menus and the way on to the bobbin.
#include "core/frmcore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/core_fixture.h"
#include "model/shared_values.h"

namespace corvane::testing {
namespace {

class CoreFormTest : public CoreTest {
 protected:
  // The grade's sheet data down the form, as many rows as asked: thickness,
  // density, specific loss, saturation flux density, finish.
  std::vector<std::string> sheetData(int rows) {
    std::vector<std::string> texts;
    for (int i = 0; i < rows; ++i) texts.push_back(text("txtcoremt", i));
    return texts;
  }
};

TEST_F(CoreFormTest, LoadShowsTheMaterialInTwoDecimalsAndProposesTheFluxDensity) {
  EXPECT_EQ(sheetData(5), (std::vector<std::string>{"0.50", "7.65", "3.60", "1.60", "H12-0.5A"}));
  EXPECT_EQ(text("TxtBm"), "1.52");  // 0.95 × 1.6 replaces the design-time 3
  EXPECT_TRUE(shows({{"TxtF", "50"},
                     {"TxtJ", "5"},
                     {"txtjsec", "5"},
                     {"TXTBA", "1"},
                     {"TXTHC", "3"},
                     {"TXTINDEX", ""}}));
  EXPECT_FALSE(field("Fmr").visible());
  EXPECT_EQ(workspace.shared().gFluxRef.reference(), (FieldRef{Frmcore::kName, "TxtBm", -1}));
}

TEST_F(CoreFormTest, GradeListsShowTheirMakerUntilAGradeIsPicked) {
  EXPECT_TRUE(shows({{"Cmbnew", "新日铁"}, {"cmbjis", "JISC2552-1975"}, {"cmbcq", "川崎"}}));
  for (const char* list : {"Cmbnew", "cmbjis", "cmbcq"}) {
    EXPECT_EQ(field(list).items().size(), 23u);
    EXPECT_EQ(field(list).listIndex(), -1);
  }
  EXPECT_EQ(field("Cmbnew").items()[22], "35Z165");
  EXPECT_EQ(field("cmbjis").items()[9], "50A310");
  EXPECT_EQ(field("cmbcq").items()[18], "RG10");
}

TEST_F(CoreFormTest, CreatedFirstItCopiesRiseRegulationAndPowerFromTheElectricalForm) {
  // reading the electrical fields creates that form, whose load sets the rise
  // from the class and the regulation from its power
  EXPECT_TRUE(shows({{"TXTTEMP", "95"}, {"TxtDU", "27"}, {"txtpo", "0W"}}));
}

// The electrical form's load reads the frequency and so creates the core
// form before it has set its rise; showing the core form takes it again.
TEST_F(CoreFormTest, ShowingTheFormRefreshesWhatTheElectricalLoadLeftHalfDone) {
  electrical();
  Form* created = workspace.existing(Frmcore::kName);
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(text("TXTTEMP"), "45");
  setElectrical("TXTLUD", "12");
  core().show();
  EXPECT_EQ(text("TXTTEMP"), "95");
  EXPECT_EQ(text("TxtDU"), "12");
  EXPECT_EQ(workspace.existing(Frmcore::kName), created);
}

TEST_F(CoreFormTest, ActivationClearsTheRatedPowerMarker) {
  core().show();
  set("txtpo", "20");
  click("Command4");
  EXPECT_EQ(text("Text3"), "540");
  electrical().show();
  core().show();
  EXPECT_EQ(text("Text3"), "");
}

TEST_F(CoreFormTest, PickingAGradeInOneListPicksTheSameRowInAll) {
  choose("cmbjis", "50A800");
  for (const char* list : {"Cmbnew", "cmbjis", "cmbcq"}) EXPECT_EQ(field(list).listIndex(), 15);
  EXPECT_TRUE(shows({{"Cmbnew", "50H800"}, {"cmbcq", "50RM800"}, {"TXTINDEX", "15"}}));
  EXPECT_EQ(sheetData(4), (std::vector<std::string>{"0.50", "7.85", "8.00", "1.68"}));
  EXPECT_EQ(text("TxtBm"), "1.60");
}

TEST_F(CoreFormTest, GrainOrientedGradeFillsItsSheetData) {
  choose("cmbcq", "RG10");
  EXPECT_EQ(text("Cmbnew"), "Z10");
  EXPECT_EQ(sheetData(4), (std::vector<std::string>{"0.35", "7.65", "1.51", "1.77"}));
  EXPECT_EQ(text("TxtBm"), "1.68");
}

TEST_F(CoreFormTest, TypedMaterialIndexSelectsTheGrade) {
  set("TXTINDEX", "3");
  EXPECT_EQ(text("Cmbnew"), "H20");
  EXPECT_EQ(text("txtcoremt", 2), "5.40");
  // an index past the list picks nothing and fills nothing
  set("TXTINDEX", "99");
  EXPECT_EQ(text("Cmbnew"), "H20");
  EXPECT_EQ(text("txtcoremt", 2), "5.40");
}

TEST_F(CoreFormTest, FinishNamesGradeThicknessAndSheet) {
  choose("Cmbnew", "H12");
  click("OPTB");
  EXPECT_EQ(text("txtcoremt", 4), "H12-0.50A");
  click("OPTW");
  EXPECT_EQ(text("txtcoremt", 4), "H12-0.50N");
  EXPECT_EQ(field("OPTB").value(), 0);
}

TEST_F(CoreFormTest, BlackSheetLosesLessThanWhiteByTheFinishFactor) {
  set("TXTSC", "7.6");
  useLamination("60", "40");
  EXPECT_EQ(text("txtwe"), "697.7g");  // 120 mm path × 7.6 cm² × 7.65 g/cm³
  click("OPTW");
  EXPECT_EQ(text("txtpc"), "2.58W");  // (1.52 / 1.5)² × 0.6977 kg × 3.6 W/kg
  click("OPTB");
  EXPECT_EQ(text("txtpc"), "2.08W");  // the same over 1.24
}

TEST_F(CoreFormTest, FluxDensityAboveOnePointEightShowsRed) {
  set("TxtBm", "1.85");
  EXPECT_EQ(field("TxtBm").backColor(), colors::kRed);
  set("TxtBm", "1.8");
  EXPECT_EQ(field("TxtBm").backColor(), colors::kWhite);
}

TEST_F(CoreFormTest, GradeButtonsFollowTheRangeOfTheirTables) {
  auto enabled = [this] {
    return std::string(field("Command4").enabled() ? "1" : "0") +
           (field("Command5").enabled() ? "1" : "0") + (field("Command6").enabled() ? "1" : "0");
  };
  set("txtpo", "112");
  EXPECT_EQ(enabled(), "110");
  set("txtpo", "111");
  EXPECT_EQ(enabled(), "111");
  set("txtpo", "118");
  EXPECT_EQ(enabled(), "010");
  set("txtpo", "125.5W");
  EXPECT_EQ(enabled(), "000");
}

TEST_F(CoreFormTest, AdvancedMenuShowsTheToolAndItsCloseHidesIt) {
  click("GJ");
  EXPECT_TRUE(field("Fmr").visible());
  click("Command2");
  EXPECT_FALSE(field("Fmr").visible());
}

TEST_F(CoreFormTest, PrintMenuPrintsTheFormImage) {
  click("PRINT");
  EXPECT_EQ(host.printed, (std::vector<std::string>{"formimage Frmcore", "enddoc"}));
  host.printed.clear();
  host.printerAvailable = false;  // a cancelled printer dialog prints nothing
  click("PRINT");
  EXPECT_TRUE(host.printed.empty());
}

TEST_F(CoreFormTest, CloseMenuEndsTheProgram) {
  click("OVER");
  EXPECT_EQ(host.quits, 1);
}

TEST_F(CoreFormTest, BobbinDoesNothingWhileThereIsNoBobbinForm) {
  core().show();
  click("CMDBB");
  EXPECT_TRUE(core().visible());
}

TEST_F(CoreFormTest, BobbinShowsTheBobbinFormAndHidesThisOne) {
  struct BobbinStandIn : Form {
    explicit BobbinStandIn(Workspace& ws) : Form(ws, "Frmbobbin", "bobbin") {}
  };
  workspace.registerForm("Frmbobbin",
                         [](Workspace& w) { return std::make_unique<BobbinStandIn>(w); });
  core().show();
  click("CMDBB");
  EXPECT_FALSE(core().visible());
  EXPECT_TRUE(workspace.form("Frmbobbin").visible());
  EXPECT_EQ(workspace.activeForm(), &workspace.form("Frmbobbin"));
}

TEST_F(CoreFormTest, EnterChainRunsThroughTheEntryFieldsToBobbin) {
  const char* chain[] = {"txtpo", "TxtF", "TxtBm", "TxtJ", "TXTBA", "TXTHC", "CMDBB"};
  for (size_t i = 0; i + 1 < std::size(chain); ++i) {
    enter(chain[i]);
    ASSERT_NE(core().focused(), nullptr);
    EXPECT_EQ(core().focused()->name(), chain[i + 1]);
    EXPECT_TRUE(core().focused()->wholeTextSelected());
  }
  enter("txtautocore");
  EXPECT_EQ(core().focused()->name(), "TxtB");
}

}  // namespace
}  // namespace corvane::testing
