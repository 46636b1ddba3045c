// Core sizing on the core form: section from power, dimensions from the
// proportions, the catalogue snap, rated-power tables, the two core choices,
// turns, stack confirmation and the unit suffixes of the written texts.
#include <gtest/gtest.h>

#include "core/core_fixture.h"
#include "core/rated_power_tables.h"

namespace corvane::testing {
namespace {

class CoreSizingTest : public CoreTest {
 protected:
  void SetUp() override { set("TxtBm", "1.52"); }
};

TEST_F(CoreSizingTest, SectionFromPowerWithTheEfficiencyOfItsBand) {
  set("txtpo", "100");
  enter("txtpo");
  EXPECT_EQ(text("TXTSC"), "7.593cm^2");
  set("txtpo", "10");
  enter("txtpo");
  EXPECT_EQ(text("TXTSC"), "2.646cm^2");
}

TEST_F(CoreSizingTest, NoSectionWithoutFrequency) {
  set("txtpo", "100");
  enter("txtpo");
  set("TxtF", "0");
  set("txtpo", "40");
  enter("txtpo");
  EXPECT_EQ(text("TXTSC"), "7.593cm^2");
}

TEST_F(CoreSizingTest, NegativePowerStopsTheRecalculationQuietly) {
  set("txtpo", "100");
  enter("txtpo");
  set("txtpo", "-5");
  enter("txtpo");
  EXPECT_EQ(text("TXTSC"), "7.593cm^2");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CoreSizingTest, ChangedFrequencyOrCurrentDensityResizes) {
  set("txtpo", "100");
  set("TxtJ", "4");
  EXPECT_EQ(text("TXTSC"), "7.593cm^2");
  EXPECT_EQ(text("txtjsec"), "4");
  set("txtpo", "10");
  set("TxtF", "60");
  EXPECT_EQ(text("TXTSC"), "2.646cm^2");
}

TEST_F(CoreSizingTest, WindowAndProportionsGiveTheDimensions) {
  set("TXTSC", "7.593cm^2");
  set("txtsw", "10");
  EXPECT_TRUE(shows({{"TXTa", "27.6"},
                     {"TxtB", "27.5"},
                     {"txtc", "18.3"},
                     {"txth", "54.6"},
                     {"TXTL", "91.8"},
                     {"TXTw", "82.2"},
                     {"txtcname", "EI-91.8*27.5"}}));
  EXPECT_EQ(text("txtle"), "201.0");  // 54.6 + 18.3 + 45.9 + 82.2
  EXPECT_EQ(text("TXTSCSW"), "75.930");
}

TEST_F(CoreSizingTest, WithoutStackProportionTongueAndStackStay) {
  set("TXTSC", "7.593cm^2");
  set("txtsw", "10");
  set("TXTBA", "0");
  set("TXTa", "20");
  set("TXTHC", "2.5");
  EXPECT_EQ(text("TXTa"), "20");
  EXPECT_EQ(text("TxtB"), "27.5");
  EXPECT_EQ(text("txtc"), "20.0");  // √(1000 / 2.5)
  EXPECT_TRUE(shows({{"txth", "50.0"}, {"TXTL", "80"}, {"TXTw", "70"}}));
}

TEST_F(CoreSizingTest, EnterInLengthSnapsToTheCatalogueAndNamesTheCore) {
  set("TxtB", "30");
  set("TXTL", "47");
  enter("TXTL");
  EXPECT_TRUE(shows({{"TXTL", "48"},
                     {"TXTw", "40"},
                     {"TXTa", "16"},
                     {"txtc", "8"},
                     {"txth", "24"},
                     {"TxtAM", "0.0013"}}));
  EXPECT_EQ(text("TxtFM"), "28.88");  // recomputed after the snap: the same
  EXPECT_EQ(text("txtcname"), "EI-48*30");
}

TEST_F(CoreSizingTest, SnapKeepsSurfaceConstantsTheRowLacks) {
  useLamination("48", "30");
  set("TXTL", "76");
  enter("TXTL");
  EXPECT_EQ(text("TXTL"), "76.2");
  EXPECT_EQ(text("TxtAM"), "0.0013");
  // with no stored coil surface it is the one of the new dimensions
  EXPECT_EQ(text("TxtFM"), "72.77");
}

TEST_F(CoreSizingTest, StoredCoilSurfaceStandsUntilLengthIsConfirmed) {
  set("txtautocore", "35");
  EXPECT_EQ(text("TXTL"), "35");
  EXPECT_EQ(text("TxtFM"), "19.98");  // the catalogue's, not the formula's 19.85
  enter("TXTL");
  EXPECT_EQ(text("TxtFM"), "19.85");
}

TEST_F(CoreSizingTest, Ei28WindowHeightFollowsItsYokes) {
  useLamination("48", "30");
  set("TXTL", "27");
  enter("TXTL");
  EXPECT_TRUE(
      shows({{"TXTL", "28"}, {"TXTw", "25"}, {"TXTa", "8"}, {"txtc", "6"}, {"txth", "17"}}));
}

TEST_F(CoreSizingTest, NoStandardLaminationAboveTheLargest) {
  useLamination("48", "30");
  set("TXTL", "219");
  enter("TXTL");
  EXPECT_TRUE(shows({{"TXTL", "219"}, {"TXTw", "40"}, {"TXTa", "16"}, {"txtcname", "EI-219*30"}}));
}

TEST_F(CoreSizingTest, PrimaryTurnsFromBothInputVoltages) {
  set("TXTSC", "7.593cm^2");
  set("TxtBm", "1.5");
  set("TxtBm", "1.52");
  EXPECT_EQ(text("TxtTurnPri"), "859");  // 220 V × 10⁴ / (4.44 × 50 × 1.52 × 7.593)
  setElectrical("TXTUIN2", "110");
  set("TxtF", "60");
  EXPECT_EQ(text("TxtTurnPri"), "716");  // one primary: 220 V at 60 Hz, the 110 V not read
  electrical().userClick(electrical().control("Chkp"));  // two primaries
  set("TXTSC", "7.593cm^2");  // the frequency's change had sized it afresh for no power
  set("TxtBm", "1.5");
  set("TxtBm", "1.52");
  EXPECT_EQ(text("TxtTurnPri"), "1073");  // 330 V at 60 Hz
  set("TXTSC", "");
  set("TxtBm", "1.5");
  EXPECT_EQ(text("TxtTurnPri"), "");
}

// Mended: the window written here no longer re-derives the dimensions, which
// would replace the stack just confirmed.
TEST_F(CoreSizingTest, StackConfirmationTakesSectionAndWindowFromTheDimensions) {
  useLamination("48", "16");
  enter("TxtB");
  EXPECT_EQ(text("TXTSC"), "2.432");  // 16 × 16 mm² × 0.95
  EXPECT_TRUE(shows({{"txtsw", "1.920"},
                     {"TXTa", "16"},
                     {"TxtB", "16"},
                     {"txth", "24"},
                     {"txtcname", "EI-48*16"}}));
  set("TxtB", "30");
  enter("TxtB");
  EXPECT_TRUE(shows({{"TxtB", "30"}, {"TXTL", "48"}, {"TXTSC", "4.56"}}));
  EXPECT_EQ(text("txtwe"), "334.9g");  // 96 mm × 4.56 cm² × 7.65 g/cm³
}

TEST_F(CoreSizingTest, TypedWindowStillReshapesTheCore) {
  useLamination("48", "16");
  enter("TxtB");
  set("txtsw", "3");
  EXPECT_EQ(text("txtc"), "10.0");  // √(300 / 3)
  EXPECT_EQ(text("txth"), "30.0");
}

TEST_F(CoreSizingTest, RatedPowerPickWritesTheStandardTransformer) {
  set("txtpo", "6.8");
  click("Command4");
  EXPECT_TRUE(shows({{"Text3", "540"},
                     {"TXTL", "41"},
                     {"TxtB", "20"},
                     {"TxtJ", "6.57"},
                     {"txtjsec", "6.57"},
                     {"TxtVa0", "9.8"},
                     {"Text2", "41.5"}}));
  EXPECT_EQ(text("txtcoremt", 2), "5.4");
  EXPECT_EQ(text("txtcoremt", 3), "1.65");
  EXPECT_EQ(text("txtcoremt", 4), "DW540-50");
  EXPECT_EQ(text("txtcname"), "EI-41*20");
  // the new material texts propose 0.95 × 1.65 over the band's 1.55 ...
  EXPECT_EQ(text("TxtBm"), "1.57");
  // ... while a second pick changes no material text and keeps the band's
  click("Command4");
  EXPECT_EQ(text("TxtBm"), "1.55");
  set("txtpo", "6.76");
  click("Command4");
  EXPECT_EQ(text("TXTL"), "38");
  EXPECT_EQ(text("TxtB"), "26");
}

TEST_F(CoreSizingTest, PowerBeyondTheTableSaysSoAndWritesZeros) {
  run([](Frmcore& core) {
    core.control("txtpo").setText("118");
    core.pickRatedPower(core::kDw540Table);
  });
  ASSERT_EQ(host.messageTexts(), (std::vector<std::string>{"抱歉暂无此功率规格"}));
  EXPECT_TRUE(shows({{"TXTL", "0"},
                     {"TxtB", "0"},
                     {"TxtJ", "0"},
                     {"TxtVa0", "0"},
                     {"Text2", "0"},
                     {"Text3", "540"}}));
}

TEST_F(CoreSizingTest, StandardLaminationTakesTheH800ProposalAndSnapsIt) {
  set("txtpo", "47.554");
  click("OptBZ");
  EXPECT_TRUE(shows({{"Text3", "800"},
                     {"TXTL", "60"},
                     {"TxtB", "40"},
                     {"TXTa", "20"},
                     {"txth", "30"},
                     {"TxtJ", "5.66"},
                     {"TxtFM", "45.13"},
                     {"TxtAM", "0.00115"}}));
  EXPECT_TRUE(field("OPTFB").enabled());
}

TEST_F(CoreSizingTest, StandardLaminationAboveTheH800RangeOnlySnaps) {
  set("TXTL", "50");
  set("txtpo", "150");
  click("OptBZ");
  EXPECT_TRUE(shows({{"Text3", ""}, {"TXTL", "54"}, {"TxtJ", "5"}}));
  EXPECT_TRUE(host.messages.empty());
}

// The rated-power tables name a lamination by its length; its other
// dimensions, and everything that follows from them, come from the catalogue.
TEST_F(CoreSizingTest, RatedPowerPickTakesTheCatalogueDimensionsOfItsLamination) {
  click("OptBZ");  // no power yet: the first 50H800 band snapped, EI30 over an earlier core
  set("txtpo", "122");
  click("Command5");  // DW360-50, 99.5 to 125 W: EI66 × 50
  EXPECT_TRUE(shows({{"TXTL", "66"},
                     {"TXTw", "55"},
                     {"TXTa", "22"},
                     {"txtc", "11"},
                     {"txth", "33"},
                     {"TxtB", "50"},
                     {"txtcname", "EI-66*50"},
                     {"TxtVa0", "50"},
                     {"TxtFM", "54.60"},
                     {"txtle", "132.0"},
                     {"TXTSC", "8.150cm^2"}}));
  // 132 mm × 8.150 cm² × 7.65 g/cm³, not the weight of a core with EI30's window
  EXPECT_EQ(text("txtwe"), "823.0g");
  // the core's highest output power, not the table's no-load VA (50)
  EXPECT_EQ(text("TXTVA"), "104.6W");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CoreSizingTest, RatedPowerPickOfALaminationOutsideTheCatalogueAsksForItsSize) {
  useLamination("48", "16");
  set("txtpo", "100");
  click("Command4");  // DW540-50, 94.4 to 117 W: EI75 × 50, which the catalogue lacks
  ASSERT_EQ(host.messageTexts(),
            (std::vector<std::string>{"标准片目录中没有此铁芯的尺寸，请输入铁芯尺寸"}));
  EXPECT_TRUE(shows({{"TXTL", "75"},
                     {"TxtB", "50"},
                     {"txtcname", "EI-75*50"},
                     {"TXTw", ""},
                     {"TXTa", ""},
                     {"txtc", ""},
                     {"txth", ""},
                     {"TxtVa0", "56.8"},
                     {"Text3", "540"}}));
  // nothing derived from a core of unknown size
  EXPECT_TRUE(shows(
      {{"txtle", ""}, {"txtwe", ""}, {"txtpc", ""}, {"TXTVA", ""}, {"TxtFc", ""}, {"TxtFM", ""}}));
  // the 50H800 table's EI75 too, by its own button
  host.messages.clear();
  useLamination("48", "16");
  click("Command6");
  EXPECT_EQ(host.messageTexts().size(), 1u);
  EXPECT_EQ(text("TXTa"), "");
}

// Sc·Sw of a core whose section or window is not known is no figure at all.
TEST_F(CoreSizingTest, SectionFigureStaysEmptyWithoutSectionOrWindow) {
  EXPECT_EQ(text("TXTSCSW"), "");
  set("TXTSC", "5");
  EXPECT_EQ(text("TXTSCSW"), "");
  set("txtsw", "3");
  EXPECT_EQ(text("TXTSCSW"), "15.000");
  set("TXTSC", "");
  EXPECT_EQ(text("TXTSCSW"), "");
}

TEST_F(CoreSizingTest, StandardLaminationWithoutSectionSizesItFromThePowerFirst) {
  // "铁芯选型" brought 134.2 W; no Enter in the power field, no length asked for
  set("txtpo", "134.2");
  click("OptBZ");
  EXPECT_EQ(text("TXTSC"), "8.548cm^2");
  // the smallest tongue that carries 8.548 cm² at a stack no deeper than the
  // tongue is wide (b/a 1, stacking 0.95): EI95's 30 mm with a 30 mm stack
  EXPECT_TRUE(shows({{"TXTL", "95"},
                     {"TXTa", "30"},
                     {"TxtB", "30"},
                     {"txtcname", "EI-95*30"},
                     {"TXTw", "82.5"},
                     {"txth", "47.5"}}));
  EXPECT_NE(text("txtwe"), "0.0g");
  EXPECT_NE(text("TXTVA"), "0.0W");
  // the picked lamination's window and the figure Sc·Sw show at once
  EXPECT_TRUE(shows({{"txtsw", "8.313"}, {"TXTSCSW", "71.060"}}));
  // confirming the stack keeps the section the power needs
  enter("TxtB");
  EXPECT_EQ(text("TXTSC"), "8.55");
  // a flatter proportion allows a deeper stack on a narrower tongue
  set("TXTBA", "2");
  set("TXTL", "");
  set("TXTSC", "");
  click("OptBZ");
  EXPECT_TRUE(shows({{"TXTL", "66"}, {"TXTa", "22"}, {"TxtB", "40.9"}}));
}

TEST_F(CoreSizingTest, StandardLaminationKeepsALengthAskedForAboveTheTables) {
  set("TXTL", "50");
  set("txtpo", "150");
  click("OptBZ");
  EXPECT_EQ(text("TXTSC"), "9.037cm^2");  // the section now follows the power
  EXPECT_TRUE(shows({{"TXTL", "54"}, {"TXTa", "18"}}));
}

TEST_F(CoreSizingTest, CustomCoreSizesTheWindowForTheWindings) {
  setElectrical("TXTIIN", "0.5");
  set("txtpo", "100");
  click("Command5");
  ASSERT_EQ(text("Text3"), "360");
  click("OPTFB");
  EXPECT_EQ(text("Text3"), "");
  EXPECT_EQ(text("TXTSC"), "7.593cm^2");
  EXPECT_EQ(text("TxtBm"), "1.52");  // 0.95 × 1.6 of DW360-50
  EXPECT_EQ(text("TxtTurnPri"), "859");
  EXPECT_EQ(text("Text4"), "3.903");  // 859 turns for 220 V
  // 0.5 A / 4.62 A/mm² × 859 turns × 2 / 0.2 fill, in cm²
  EXPECT_EQ(text("Text5"), "9.30");
  EXPECT_EQ(text("txtsw"), "9.30");
  EXPECT_EQ(text("txtc"), "17.6");  // √(930 / 3)
  EXPECT_EQ(text("txth"), "52.8");
  // the window current density needs a window before the choice runs
  EXPECT_EQ(text("TxtJs"), "");
  click("OPTFB");
  EXPECT_EQ(text("TxtJs"), "3.55");  // 0.5 A in 0.13 of 930 mm² over 859 turns
  EXPECT_EQ(text("txtsw"), "9.30");
}

TEST_F(CoreSizingTest, CustomCoreWithoutCurrentDensityKeepsTheWindow) {
  set("txtpo", "100");
  enter("txtpo");
  set("txtsw", "5");
  set("Text5", "1.23");
  set("TxtJ", "0");
  click("OPTFB");
  EXPECT_TRUE(shows({{"Text5", "1.23"}, {"txtsw", "5"}, {"TxtTurnPri", "859"}}));
}

TEST_F(CoreSizingTest, EveryResultCarriesItsUnit) {
  set("txtpo", "47.554");
  click("OptBZ");
  enter("txtpo");
  EXPECT_TRUE(shows({{"TXTSC", "5.397cm^2"},
                     {"txtwe", "495.4g"},
                     {"txtpc", "4.62W"},
                     {"TXTVA", "82.1W"},
                     {"txtle", "120.0"},
                     {"TxtFc", "117.64"},
                     {"TxtLv", "150"},
                     {"TxtCu", "0.141"}}));
}

TEST_F(CoreSizingTest, GrainOrientedLossIsReferredToOnePointSeven) {
  choose("Cmbnew", "Z10");
  set("TXTSC", "7.6");
  useLamination("60", "40");
  set("TxtBm", "1.7");
  // (1.7 / 1.7)² × 0.6977 kg × 1.51 W/kg: 7.65 g/cm³ × 120 mm × 7.6 cm²
  EXPECT_EQ(text("txtwe"), "697.7g");
  EXPECT_EQ(text("txtpc"), "1.05W");
}

TEST_F(CoreSizingTest, TextInNumericFieldsReadsAsZero) {
  for (const char* name : {"txtpo", "TxtF", "TxtBm", "TxtJ", "TXTBA", "TXTHC", "TXTL", "TxtB",
                           "txtsw", "TXTSC", "txtautocore", "TxtTurnPri"})
    set(name, "abc");
  EXPECT_EQ(text("TXTL"), "14");  // the requested length read 0: EI14
  enter("TXTL");
  enter("TxtB");
  click("OPTFB");
  // a power reading 0 takes the first 50H800 band, EI30 × 10
  click("OptBZ");
  EXPECT_EQ(text("TXTL"), "30");
  EXPECT_EQ(text("txtcname"), "EI-30*10");
}

}  // namespace
}  // namespace corvane::testing
