#include "wiretools/frmwiretools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/form_catalog.h"
#include "electrical/test_host.h"
#include "model/workspace.h"
#include "support/field_texts.h"

namespace corvane::testing {
namespace {

class WireToolsTest : public ::testing::Test {
 protected:
  WireToolsTest() { registerAllForms(workspace); }

  FrmWireTools& form() { return workspace.form<FrmWireTools>(FrmWireTools::kName); }
  Control& field(const char* name) { return form().control(name); }
  std::string text(const char* name) { return field(name).text(); }
  ::testing::AssertionResult shows(FieldTexts expected) {
    return fieldsShow(expected, [this](const char* name) { return text(name); });
  }
  void set(const char* name, const std::string& value) { form().userSetText(field(name), value); }
  void enter(const char* name) { form().userEnter(field(name)); }
  void typeAndEnter(const char* name, const std::string& value) {
    set(name, value);
    enter(name);
  }
  void choose(const std::string& material) {
    Control& list = field("CmbWire");
    form().userChoose(list, list.findItem(material));
  }
  void click(const char* name) { form().userClick(field(name)); }

  TestHost host;
  Workspace workspace{host};
};

TEST_F(WireToolsTest, LoadSelectsCopperAndStartsTheClock) {
  EXPECT_EQ(form().caption(), "导线换算程序");
  EXPECT_EQ(field("CmbWire").items().size(), 4u);
  EXPECT_EQ(field("CmbWire").listIndex(), 0);
  EXPECT_EQ(text("CmbWire"), "铜线");
  EXPECT_EQ(form().material().name, "铜线");
  EXPECT_TRUE(field("Tim1").enabled());
  EXPECT_EQ(field("Tim1").interval(), 1000);
  EXPECT_TRUE(shows({{"TxtWireLeng", "1"}, {"TxtLitzLeng", "1"}, {"TxtFoilLeng", "1"}}));
  EXPECT_FALSE(field("Txt1").visible());
  // the first choice ran the wire calculation on the empty diameter
  EXPECT_EQ(text("TxtWireS"), "0.000");
  EXPECT_EQ(text("TxtWireDCR"), "");
}

TEST_F(WireToolsTest, ToolsMenuOfTheMainWindowOpensTheForm) {
  Form& main = workspace.form("MDIForm1");
  main.userClick(main.control("Tools"));
  ASSERT_NE(workspace.existing(FrmWireTools::kName), nullptr);
  EXPECT_TRUE(form().visible());
  EXPECT_EQ(workspace.activeForm(), &form());
}

// ---- enamelled wire

struct MaterialCase {
  const char* material;
  const char* ohmPerMetre;  // 0.6 mm, 1 m
  const char* grams;
  const char* ohmsAt10m;
  const char* gramsAt10m;
};

class WireMaterialTest : public WireToolsTest,
                         public ::testing::WithParamInterface<MaterialCase> {};

TEST_P(WireMaterialTest, SectionResistanceAndWeightFollowTheMaterialAndLength) {
  const MaterialCase& c = GetParam();
  choose(c.material);
  typeAndEnter("TxtWireD", "0.6");
  EXPECT_EQ(text("TxtWireS"), "0.283");
  EXPECT_EQ(text("TxtWireOM"), c.ohmPerMetre);
  EXPECT_EQ(text("TxtWireWeig"), c.grams);
  EXPECT_EQ(text("TxtWireDCR"), c.ohmPerMetre);
  typeAndEnter("TxtWireLeng", "10");
  EXPECT_EQ(text("TxtWireOM"), c.ohmPerMetre);
  EXPECT_EQ(text("TxtWireDCR"), c.ohmsAt10m);
  EXPECT_EQ(text("TxtWireWeig"), c.gramsAt10m);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Materials, WireMaterialTest, ::testing::Values(
    MaterialCase{"铜线",             "0.061925", "2.529270", "0.619250", "25.292700"},
    MaterialCase{"铝线",             "0.100000", "0.763868", "1.000000", "7.638678"},
    MaterialCase{"铜包铝线 10A 10H", "0.096992", "0.938232", "0.969922", "9.382320"},
    MaterialCase{"铜包铝线 15A 15H", "0.094728", "1.025838", "0.947275", "10.258380"}));
// clang-format on

TEST_F(WireToolsTest, ChoosingAMaterialRecalculatesTheWireShown) {
  typeAndEnter("TxtWireD", "0.6");
  choose("铝线");
  EXPECT_EQ(text("TxtWireDCR"), "0.100000");
  // a text outside the list changes neither the list nor the material
  set("CmbWire", "银线");
  EXPECT_EQ(text("CmbWire"), "铝线");
  EXPECT_EQ(form().material().name, "铝线");
}

TEST_F(WireToolsTest, DiameterWithAUnitReadsItsLeadingNumber) {
  typeAndEnter("TxtWireD", "0.81mm");
  EXPECT_TRUE(shows({{"TxtWireS", "0.515"}, {"TxtWireOM", "0.033978"}, {"TxtAwg", "20.0# "}}));
}

TEST_F(WireToolsTest, AwgTwentyGivesPointEightOneMillimetreAndItsWire) {
  typeAndEnter("TxtAwg", "20");
  EXPECT_TRUE(shows({{"TxtWireD", "0.81mm"}, {"TxtWireS", "0.515"}, {"TxtAwg", "20.0# "}}));
}

TEST_F(WireToolsTest, AwgZeroClearsTheDiameter) {
  typeAndEnter("TxtWireD", "0.6");
  typeAndEnter("TxtAwg", "0");
  EXPECT_TRUE(shows({{"TxtWireD", ""}, {"TxtWireS", "0.000"}, {"TxtWireDCR", ""}, {"TxtAwg", ""}}));
}

struct AwgCase {
  const char* gauge;
  const char* diameter;
  const char* gaugeBack;  // of the rounded diameter
};

class AwgRoundTripTest : public WireToolsTest, public ::testing::WithParamInterface<AwgCase> {};

TEST_P(AwgRoundTripTest, GaugeToDiameterAndBackStaysWithinTheRounding) {
  const AwgCase& c = GetParam();
  typeAndEnter("TxtAwg", c.gauge);
  EXPECT_EQ(text("TxtWireD"), c.diameter);
  EXPECT_EQ(text("TxtAwg"), c.gaugeBack);
  EXPECT_NEAR(field("TxtAwg").num(), std::stod(c.gauge), 0.15);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Gauges, AwgRoundTripTest, ::testing::Values(
    AwgCase{"10", "2.56mm", "10.1# "},
    AwgCase{"24", "0.51mm", "24.1# "},
    AwgCase{"30", "0.26mm", "29.9# "},
    AwgCase{"40", "0.08mm", "40.1# "}));
// clang-format on

// ---- current and current density

TEST_F(WireToolsTest, DensityTypedGivesTheCurrentAndFollowsTheWire) {
  typeAndEnter("TxtWireD", "0.5");
  typeAndEnter("TxtJ", "4");
  EXPECT_EQ(text("TxtI"), "0.785");
  typeAndEnter("TxtWireD", "1");
  EXPECT_EQ(text("TxtI"), "3.140");
  EXPECT_EQ(text("TxtJ"), "4");
}

TEST_F(WireToolsTest, CurrentTypedGivesTheDensityAndFollowsTheWire) {
  typeAndEnter("TxtWireD", "1");
  typeAndEnter("TxtI", "2");
  EXPECT_EQ(text("TxtJ"), "2.55");
  typeAndEnter("TxtWireD", "0.5");
  EXPECT_EQ(text("TxtJ"), "10.19");
  EXPECT_EQ(text("TxtI"), "2");
}

TEST_F(WireToolsTest, CurrentAndDensityStayEmptyWithoutAWire) {
  typeAndEnter("TxtJ", "4");
  EXPECT_EQ(text("TxtI"), "");
  typeAndEnter("TxtI", "2");
  EXPECT_EQ(text("TxtJ"), "");
}

// ---- skin effect

struct SkinCase {
  const char* khz;
  const char* depth;
  const char* largest;
};

class SkinDepthTest : public WireToolsTest, public ::testing::WithParamInterface<SkinCase> {};

TEST_P(SkinDepthTest, CopperSkinDepthAndLargestUsefulDiameter) {
  typeAndEnter("TxtF", GetParam().khz);
  EXPECT_EQ(text("TxtHfT"), GetParam().depth);
  EXPECT_EQ(text("TxtHftMax"), GetParam().largest);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Frequencies, SkinDepthTest, ::testing::Values(
    SkinCase{"1",   "2.090", "4.180"},
    SkinCase{"10",  "0.661", "1.322"},
    SkinCase{"50",  "0.296", "0.592"},
    SkinCase{"100", "0.209", "0.418"}));
// clang-format on

TEST_F(WireToolsTest, FrequencyNotPositiveKeepsTheDepth) {
  typeAndEnter("TxtF", "50");
  for (const char* bad : {"0", "-3", "abc", ""}) {
    typeAndEnter("TxtF", bad);
    EXPECT_EQ(text("TxtHfT"), "0.296") << bad;
    EXPECT_EQ(text("TxtHftMax"), "0.592") << bad;
  }
}

TEST_F(WireToolsTest, AcResistanceOfAThickWireAtFiftyKilohertz) {
  typeAndEnter("TxtF", "50");
  typeAndEnter("TxtWireD", "2");
  EXPECT_EQ(text("TxtWireDCR"), "0.005573");
  EXPECT_EQ(text("TxtRac"), "1.98");
  // the ratio's three decimals (1.983) times the DC resistance
  EXPECT_EQ(text("TxtR"), "0.011051");
}

TEST_F(WireToolsTest, AcValuesDoNotDependOnTheOrderOfEntry) {
  typeAndEnter("TxtWireD", "2");
  EXPECT_EQ(text("TxtRac"), "");  // no skin depth yet
  EXPECT_EQ(text("TxtR"), "");
  typeAndEnter("TxtF", "50");
  EXPECT_EQ(text("TxtRac"), "1.98");
  EXPECT_EQ(text("TxtR"), "0.011051");
}

TEST_F(WireToolsTest, AcResistanceFollowsANewDiameterAndLength) {
  typeAndEnter("TxtF", "100");
  typeAndEnter("TxtWireD", "2");
  typeAndEnter("TxtWireD", "1");
  EXPECT_TRUE(shows({{"TxtWireDCR", "0.022293"}, {"TxtRac", "1.51"}, {"TxtR", "0.033707"}}));

  typeAndEnter("TxtF", "50");
  typeAndEnter("TxtWireD", "2");
  typeAndEnter("TxtWireLeng", "5");  // the ratio stays 1.98, the resistance does not
  EXPECT_EQ(text("TxtRac"), "1.98");
  EXPECT_EQ(text("TxtR"), "0.055258");
}

TEST_F(WireToolsTest, WireWithinTwiceTheSkinDepthHasNoSkinLoss) {
  typeAndEnter("TxtF", "10");
  typeAndEnter("TxtWireD", "1");
  EXPECT_EQ(text("TxtRac"), "1.00");
  EXPECT_EQ(text("TxtR"), text("TxtWireDCR"));
}

// ---- litz

TEST_F(WireToolsTest, LitzOfTenthMillimetreStrandsMatchingOneMillimetre) {
  typeAndEnter("TxtWireD", "1.0");
  typeAndEnter("TxtLitzD", "0.1");
  EXPECT_TRUE(shows({{"TxtLitzP", "100"},
                     {"TxtLitzS", "0.785"},
                     {"TxtLitzDCR", "0.022293"},
                     {"TxtLitzWeig", "7.025750"}}));
}

TEST_F(WireToolsTest, StrandCountTypedGivesTheStrandDiameter) {
  typeAndEnter("TxtWireD", "0.8");
  set("TxtLitzLeng", "2");
  typeAndEnter("TxtLitzP", "20");
  EXPECT_TRUE(shows({{"TxtLitzD", "0.18"},
                     {"TxtLitzP", "20"},
                     {"TxtLitzS", "0.509"},
                     {"TxtLitzDCR", "0.068806"},
                     {"TxtLitzWeig", "9.105372"}}));
}

TEST_F(WireToolsTest, StrandCountGivingTheSameStrandStillRecalculates) {
  typeAndEnter("TxtWireD", "0.8");
  typeAndEnter("TxtLitzP", "20");
  // 0.8 / √19 also rounds to 0.18 mm: the count goes back to what 0.18 needs
  typeAndEnter("TxtLitzP", "19");
  EXPECT_TRUE(shows({{"TxtLitzD", "0.18"}, {"TxtLitzP", "20"}, {"TxtLitzS", "0.509"}}));
}

TEST_F(WireToolsTest, LitzUsesTheChosenMaterial) {
  choose("铝线");
  typeAndEnter("TxtWireD", "1.0");
  typeAndEnter("TxtLitzD", "0.1");
  EXPECT_EQ(text("TxtLitzDCR"), "0.036000");
  EXPECT_EQ(text("TxtLitzWeig"), "2.121855");
}

TEST_F(WireToolsTest, LitzWithoutAStrandDiameterLeavesNoResistance) {
  typeAndEnter("TxtWireD", "1.0");
  typeAndEnter("TxtLitzD", "0");
  EXPECT_TRUE(shows({{"TxtLitzP", ""}, {"TxtLitzS", "0.000"}, {"TxtLitzDCR", ""}}));
}

// ---- foil

TEST_F(WireToolsTest, FoilSectionAndThicknessGiveWidthWeightAndResistance) {
  set("TxtFoilS", "2");
  typeAndEnter("TxtFoilTh", "0.1");
  EXPECT_TRUE(
      shows({{"TxtFoilWd", "20.0"}, {"TxtFoilWeig", "17.900"}, {"TxtFoilDCR", "0.008750"}}));
}

TEST_F(WireToolsTest, FoilLengthWithEmptySectionDerivesNothingFromWidth) {
  set("TxtFoilTh", "0.1");
  set("TxtFoilWd", "20");
  enter("TxtFoilLeng");
  EXPECT_TRUE(shows(
      {{"TxtFoilWd", "0.0"}, {"TxtFoilS", "0.000"}, {"TxtFoilWeig", "0.000"}, {"TxtFoilDCR", ""}}));
}

TEST_F(WireToolsTest, FoilLengthReDerivesTheSectionFromWidthAndThickness) {
  set("TxtFoilS", "6");
  set("TxtFoilTh", "0.2");
  typeAndEnter("TxtFoilLeng", "12");
  EXPECT_TRUE(shows({{"TxtFoilWd", "30.0"},
                     {"TxtFoilS", "6.000"},
                     {"TxtFoilWeig", "644.400"},
                     {"TxtFoilDCR", "0.035000"}}));
}

TEST_F(WireToolsTest, FoilWidthGivesAThinFoilItsThreeDecimals) {
  set("TxtFoilS", "1");
  typeAndEnter("TxtFoilWd", "20");
  EXPECT_TRUE(
      shows({{"TxtFoilTh", "0.050"}, {"TxtFoilWeig", "8.950"}, {"TxtFoilDCR", "0.017500"}}));
}

// ---- clock and commands

TEST_F(WireToolsTest, EveryTickShowsTheTimeAndCounts) {
  host.time = {9, 5, 7};
  form().tick(field("Tim1"));
  EXPECT_EQ(field("Lbt").caption(), "现在是：09:05:07");
  EXPECT_EQ(text("Txt1"), "1");
  host.time = {9, 5, 8};
  form().tick(field("Tim1"));
  EXPECT_EQ(field("Lbt").caption(), "现在是：09:05:08");
  EXPECT_EQ(text("Txt1"), "2");
}

TEST_F(WireToolsTest, CloseSaysGoodbyeAndEndsTheProgram) {
  click("OP");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "祝您工作更轻松！谢谢您的使用！再见！");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(host.quits, 1);
}

TEST_F(WireToolsTest, AboutShowsTheAboutBox) {
  click("Ab");
  ASSERT_NE(workspace.existing("frmAbout"), nullptr);
  EXPECT_TRUE(workspace.existing("frmAbout")->visible());
}

TEST_F(WireToolsTest, PrintSendsTheFormImageAndEndsTheJob) {
  click("P");
  EXPECT_TRUE(host.printerAsked);
  EXPECT_NE(std::find(host.printed.begin(), host.printed.end(), "formimage FrmWireTools"),
            host.printed.end());
  ASSERT_FALSE(host.printed.empty());
  EXPECT_EQ(host.printed.back(), "enddoc");
}

TEST_F(WireToolsTest, PrintWithTheDialogCancelledPrintsNothing) {
  host.printerAvailable = false;
  click("P");
  EXPECT_TRUE(host.printCancelledSilently());
}

TEST_F(WireToolsTest, LettersAndHugeNumbersEverywhereNeverFail) {
  const char* entries[] = {"TxtWireD",    "TxtWireLeng", "TxtAwg",    "TxtJ",
                           "TxtI",        "TxtF",        "TxtLitzD",  "TxtLitzP",
                           "TxtLitzLeng", "TxtFoilTh",   "TxtFoilWd", "TxtFoilLeng"};
  for (const char* value : {"abc", "-1", "1e308", "1e-300", "0"}) {
    for (const char* name : entries) set(name, value);
    set("TxtFoilS", value);
    for (const char* name : entries) enter(name);
    // no field shows a value that is not a number
    for (const Control* control : form().allControls()) {
      const std::string& text = control->text();
      EXPECT_EQ(text.find("nan"), std::string::npos) << control->address() << " after " << value;
      EXPECT_EQ(text.find("inf"), std::string::npos) << control->address() << " after " << value;
    }
  }
  EXPECT_EQ(host.quits, 0);
}

}  // namespace
}  // namespace corvane::testing
