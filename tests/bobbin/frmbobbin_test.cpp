#include "bobbin/frmbobbin.h"

#include <gtest/gtest.h>

#include "bobbin_fixture.h"
#include "model/picture.h"
#include "model/shared_values.h"

namespace corvane::testing {
namespace {

// ---------------------------------------------------------------- bobbin types

TEST_F(BobbinTest, OneSlotBobbinOfEi48) {
  click("OPTG");
  EXPECT_TRUE(shows({{"TXTCK1", "21"}, {"TXTCh", "6"}, {"txtCK2", ""}}));
  EXPECT_FALSE(field("txtCK2").visible());
  EXPECT_TRUE(field("TXTCK1").visible());
  EXPECT_TRUE(shows({{"TXTld1", "19"},
                     {"TXTld2", "33"},
                     {"TXTBSW", "126.0"},
                     {"TXTLD", "104.0"},
                     {"TxtBTY", "工字型"},
                     {"txtbname", "EI-48*30"},
                     {"Text8", "EI-48*30"}}));
  // 1.5 T * 2.22 * 50 Hz * 5 A/mm² * 4 cm² * 126 mm² * 0.5 * 1e-4
  EXPECT_EQ(caption("lblbpw"), "21.0W");
  // one-slot tape and papers of an L 48 core
  EXPECT_TRUE(
      shows({{"TxtTapeW", "18"}, {"TxtKB", " 0.3 * 28 * 22"}, {"TxtKB1", " 0.3 * 28 * 18"}}));
}

TEST_F(BobbinTest, TwoSlotBobbinsShareTheWindowHeight) {
  click("OPTW");
  EXPECT_EQ(text("TXTCK1"), "9.75");
  EXPECT_EQ(text("txtCK2"), "9.75");
  EXPECT_TRUE(field("txtCK2").visible());
  EXPECT_EQ(text("TXTBSW"), "117.0");
  EXPECT_EQ(text("TxtBTY"), "王字型");
  EXPECT_EQ(form().focused(), &field("TXTCK1"));
  EXPECT_EQ(text("TxtTapeW"), "10.5");
  EXPECT_EQ(text("TxtKB"), " 0.3 * 30 * 9");

  click("Option1");
  EXPECT_EQ(field("OPTW").value(), 0);
  EXPECT_EQ(text("TxtBTY"), "抽屉型");
  EXPECT_EQ(text("TXTBSW"), "117.0");

  // back to one slot: the second slot is emptied and hidden
  click("OPTG");
  EXPECT_EQ(text("txtCK2"), "");
  EXPECT_FALSE(field("txtCK2").visible());
  EXPECT_EQ(text("TXTBSW"), "126.0");
}

TEST_F(BobbinTest, DimensionLabelsFollowTheSlotFields) {
  click("OPTW");
  // the second slot was written last
  EXPECT_EQ(caption("Label1", 1), "9.75mm槽宽_9.75mm");
  EXPECT_EQ(caption("Label2", 1), "槽厚 6mm");
  EXPECT_EQ(caption("Label3", 1), "底边长:19mm + 33mm");
  set("TXTCK1", "10");
  EXPECT_EQ(caption("Label1", 1), "10mm 槽宽_ 9.75");
  set("TXTld1", "20");
  EXPECT_EQ(caption("Label3", 1), "底边长:20mm +33mm");
}

TEST_F(BobbinTest, EditsRecomputeTheWindowAndPointTheSharedSlots) {
  click("OPTG");
  set("TXTCK1", "20");
  set("TXTCh", "5.5");
  EXPECT_EQ(text("TXTBSW"), "110.0");
  EXPECT_EQ(caption("lblbpw"), "18.3W");
  set("TXTld2", "31");
  EXPECT_EQ(text("TXTLD"), "100.0");
  SharedValues& values = workspace.shared();
  EXPECT_EQ(values.gBobbinCk1Ref.num(workspace), 20);
  EXPECT_EQ(values.gBobbinChRef.num(workspace), 5.5);
  EXPECT_EQ(values.gBobbinChRef.reference(), (FieldRef{Frmbobbin::kName, "TXTCh"}));
}

TEST_F(BobbinTest, TypeChoiceReadsTheCoreAsItNowStands) {
  click("OPTG");
  coreField("txth").setText("30");
  coreField("txtcname").setText("EI-60*20");
  click("OPTG");  // a click on the selected option proposes again
  EXPECT_EQ(text("TXTCK1"), "27");
  EXPECT_EQ(text("txtbname"), "EI-60*20");
}

TEST_F(BobbinTest, EnterWalksSlotsDepthAndBase) {
  click("OPTG");
  enter("TXTCK1");
  EXPECT_EQ(form().focused(), &field("TXTCh"));  // the second slot is hidden
  enter("TXTCh");
  EXPECT_EQ(form().focused(), &field("TXTld1"));
  enter("TXTld1");
  EXPECT_EQ(form().focused(), &field("TXTld2"));
  enter("TXTld2");
  EXPECT_EQ(form().focused(), &field("TXTld2"));

  click("OPTW");
  enter("TXTCK1");
  EXPECT_EQ(form().focused(), &field("txtCK2"));
  enter("txtCK2");
  EXPECT_EQ(form().focused(), &field("TXTCh"));
}

TEST_F(BobbinTest, SketchShowsTheDividerOfTwoSlotBobbins) {
  click("OPTG");
  size_t oneSlot = field("Picture1").picture().ops().size();
  click("OPTW");
  EXPECT_EQ(field("Picture1").picture().ops().size(), oneSlot + 1);
}

// ---------------------------------------------------------------- tape and paper

TEST_F(BobbinTest, TapeFollowsTheLaminationLengthAndType) {
  coreField("TXTL").setText("40");
  click("OPTW");
  EXPECT_TRUE(shows({{"TxtTapeW", "10"}, {"TxtKB", " 0.3 * 25 *7"}, {"TxtKB1", " 0.3 * 25 * 4"}}));

  // L 120: the tables give nothing and the fields keep their texts
  coreField("TXTL").setText("120");
  click("OPTG");
  EXPECT_EQ(text("TxtTapeW"), "10");
  EXPECT_EQ(text("TxtKB"), " 0.3 * 25 *7");
}

TEST_F(BobbinTest, LargeOneSlotCoreSizesPapersFromTheBase) {
  coreField("TXTL").setText("140");
  coreField("TXTa").setText("45");  // base side 48
  click("OPTG");
  EXPECT_EQ(text("TxtKB"), "0.5*63*35");
  EXPECT_EQ(text("TxtKB1"), "0.5*63*35");
}

// ---------------------------------------------------------------- search and the core form

TEST_F(BobbinTest, SizeAndStackBuildTheSearchAndResizeTheCore) {
  set("Text9", "48");
  set("Text10", "30");
  EXPECT_EQ(text("Text8"), "EI-48*30");
  EXPECT_EQ(coreField("txtautocore").text(), "48");
  EXPECT_EQ(coreField("TxtB").text(), "30");
  ASSERT_FALSE(catalogues.searches.empty());
  EXPECT_EQ(catalogues.searches.back().text, "EI-48*30");
  EXPECT_EQ(catalogues.searches.back().table, "EIB1");  // the design-time record source
}

// ---------------------------------------------------------------- activation

TEST_F(BobbinTest, ShowingTheFormProposesTheDrawerBobbinAndTakesTheOperatingValues) {
  electricalField("TXTUIN1").setText("230");
  electricalField("TXTIIN").setText("0.25");
  form().show();
  EXPECT_EQ(field("Option1").value(), 1);
  EXPECT_TRUE(shows({{"TxtBTY", "抽屉型"},
                     {"TXTCK1", "9.75"},
                     {"TxtMcl", "40"},
                     {"TxtF", "50"},
                     {"TxtI", "0.25"},
                     {"TxtU", "230"}}));
  EXPECT_FALSE(field("Fm").visible());
}

TEST_F(BobbinTest, EveryActivationProposesTheDrawerBobbinForTheCurrentCore) {
  form().show();
  click("OPTG");
  workspace.form(Frmeledata::kName).show();
  coreField("txth").setText("30");
  form().show();
  EXPECT_EQ(field("Option1").value(), 1);
  EXPECT_EQ(text("TXTCK1"), "12.75");  // (30 - 4.5) / 2
}

// ---------------------------------------------------------------- commands

TEST_F(BobbinTest, TransformerParametersHandTheSlotsToTheWindingStage) {
  Control& structure = electricalField("CMDJIEDOU");
  EXPECT_FALSE(structure.enabled());
  form().show();
  click("OPTG");
  click("cmdele");
  EXPECT_TRUE(structure.enabled());
  EXPECT_TRUE(workspace.form(Frmeledata::kName).visible());
  EXPECT_FALSE(form().visible());
  EXPECT_EQ(workspace.activeForm(), &workspace.form(Frmeledata::kName));
  SharedValues& values = workspace.shared();
  EXPECT_EQ(values.gBobbinCk1Ref.reference(), (FieldRef{Frmbobbin::kName, "TXTCK1"}));
  EXPECT_EQ(values.gBobbinCk2Ref.reference(), (FieldRef{Frmbobbin::kName, "txtCK2"}));
  EXPECT_EQ(values.gBobbinCk1Ref.num(workspace), 21);
  EXPECT_EQ(values.gBobbinCk2Ref.num(workspace), 0);
  EXPECT_EQ(values.gBobbinChRef.num(workspace), 6);
}

TEST_F(BobbinTest, MenuPrintsTheFormImageAndClosesTheForm) {
  form().show();
  click("PRINT");
  ASSERT_FALSE(host.printed.empty());
  EXPECT_EQ(host.printed.front(), "formimage Frmbobbin");
  EXPECT_EQ(host.printed.back(), "enddoc");

  host.printerAvailable = false;  // a cancelled printer dialog prints nothing and says nothing
  host.printed.clear();
  click("PRINT");
  EXPECT_TRUE(host.printCancelledSilently());

  click("OVER");
  EXPECT_FALSE(form().visible());
}

// ---------------------------------------------------------------- winding tool

class WindingToolTest : public BobbinTest {
 protected:
  void SetUp() override {
    form().show();
    click("OPTG");  // window 126 mm², fill 40 %
    click("GJ");
  }
};

TEST_F(WindingToolTest, ToolFrameOpensAndCloses) {
  EXPECT_TRUE(field("Fm").visible());
  click("Command4");
  EXPECT_FALSE(field("Fm").visible());
}

TEST_F(WindingToolTest, WireCurrentAndVoltageGiveTurnsAndDensities) {
  set("TxtWire", "0.5");
  set("TxtI", "0.5");
  set("TxtU", "220");
  enter("TxtWire");
  // 126 / 2 * 0.4 / (3.14 * 0.25²) = 128.4 turns
  EXPECT_EQ(text("TxtTurn"), "128");
  EXPECT_EQ(text("TxtJ"), "2.55");
  // 220e4 / (4.44 * 50 * 128 * 4)
  EXPECT_EQ(text("TxtB0"), "19.36");
  EXPECT_EQ(form().focused(), &field("TxtI"));
  // the flux density typed into the tool drives the bobbin power with the tool's J
  EXPECT_EQ(caption("lblbpw"), "138.1W");

  click("Option3");
  EXPECT_EQ(text("TxtF"), "60");
  EXPECT_EQ(text("TxtB0"), "16.13");
  enter("TxtU");
  EXPECT_EQ(form().focused(), &field("Option2"));
}

TEST_F(WindingToolTest, TurnsTypedGiveTheWireThatFills) {
  set("TxtU", "220");
  set("TxtTurn", "500");
  enter("TxtTurn");
  // 2 * sqrt(126 / 2 * 0.4 / 500 / 3.14)
  EXPECT_EQ(text("TxtWire"), "0.25");
  EXPECT_EQ(text("TxtB0"), "4.95");
}

TEST_F(WindingToolTest, ZeroWireOrTurnsStopsWithoutWriting) {
  set("TxtWire", "0");
  enter("TxtWire");
  EXPECT_EQ(text("TxtTurn"), "");
  EXPECT_NE(form().focused(), &field("TxtI"));  // the stopped recalculation moves nothing
  set("TxtTurn", "0");
  set("TxtWire", "0.3");
  enter("TxtTurn");
  EXPECT_EQ(text("TxtWire"), "0.3");
  EXPECT_EQ(text("TxtB0"), "");
}

TEST_F(WindingToolTest, SliderSetsTheFillRatioAndTheBestCurrentDensity) {
  coreField("TxtTurnPri").setText("1000");
  electricalField("TXTIIN").setText("0.2");
  set("Sl", "50");
  EXPECT_EQ(text("TxtMcl"), "50");
  // 0.2 A / (0.5 * 63 mm² / 1000 turns)
  EXPECT_EQ(text("TxtBestJ"), "6.3");
  set("Sl", "150");
  EXPECT_EQ(text("TxtMcl"), "100");
}

TEST_F(WindingToolTest, BestCurrentDensityNeedsPrimaryTurns) {
  set("Sl", "30");  // no primary turns yet: the change leaves the field alone
  EXPECT_EQ(text("TxtBestJ"), "");
  click("Command1");  // the button does not test, and stops at the division
  EXPECT_EQ(text("TxtBestJ"), "");
  coreField("TxtTurnPri").setText("1000");
  electricalField("TXTIIN").setText("0.2");
  click("Command1");
  EXPECT_EQ(text("TxtBestJ"), "10.6");
}

TEST_F(WindingToolTest, TurnsTesterCountsTheUnknownWinding) {
  set("TxtTstTu", "100");
  set("TxtTstU", "12");
  set("TxtUin", "220");
  EXPECT_EQ(text("TxtTun"), "5");
  set("TxtUin", "0");
  EXPECT_EQ(text("TxtTun"), "5");
  // 2.5 turns: halves go to the even neighbour
  set("TxtTstTu", "5");
  set("TxtTstU", "1");
  set("TxtUin", "2");
  EXPECT_EQ(text("TxtTun"), "2");
  enter("TxtUin");
  EXPECT_EQ(form().focused(), &field("TxtTstU"));
  enter("TxtTstU");
  EXPECT_EQ(form().focused(), &field("TxtTstTu"));
}

TEST_F(WindingToolTest, ApplyCopiesTheDensitiesIntoTheCore) {
  set("TxtJ", "3.5");
  set("TxtB0", "1.35");
  click("Command2");
  EXPECT_EQ(coreField("TxtJ").text(), "3.5");
  EXPECT_EQ(coreField("txtjsec").text(), "3.5");
  EXPECT_EQ(coreField("TxtBm").text(), "1.35");
}

}  // namespace
}  // namespace corvane::testing
