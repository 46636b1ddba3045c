#include <gtest/gtest.h>

#include <algorithm>

#include "electrical_fixture.h"
#include "model/picture.h"

namespace corvane::testing {
namespace {

constexpr const char* kContinue = "您要继续添加输出参数吗？";

TEST_F(ElectricalTest, EnterChainWalksTheRowAndOffersAnotherGroup) {
  set("txtudc", 0, "12");
  enter("txtudc", 0);
  EXPECT_EQ(form().focused(), &cell("txtidc", 0));
  set("txtidc", 0, "2");
  enter("txtidc", 0);
  EXPECT_EQ(form().focused(), &cell("CMBZL", 0));
  enter("CMBZL", 0);
  EXPECT_EQ(form().focused(), &cell("cmbdio", 0));
  enter("cmbdio", 0);
  EXPECT_EQ(form().focused(), &cell("txtsuac", 0));
  enter("txtsuac", 0);
  EXPECT_EQ(form().focused(), &cell("txtsiac", 0));
  enter("txtsiac", 0);
  EXPECT_EQ(form().focused(), &cell("txtspo", 0));
  EXPECT_TRUE(cell("txtspo", 0).wholeTextSelected());

  host.questions.push_back(true);
  enter("txtspo", 0);
  ASSERT_EQ(host.questionsAsked.size(), 1u);
  EXPECT_EQ(host.questionsAsked[0], kContinue);
  EXPECT_EQ(text("txtzb"), "1");
  EXPECT_EQ(form().focused(), &cell("txtudc", 1));
  EXPECT_EQ(form().currentRow(), 0);
}

TEST_F(ElectricalTest, AppendedGroupIsAFreshRowBelowTheLast) {
  typeGroupAndContinue(0, "12", "2", "全桥电容", "硅管", true);
  EXPECT_EQ(text("TXTWN", 1), "W2");
  EXPECT_EQ(text("txtudc", 1), "");
  EXPECT_EQ(text("txtsuac", 1), "");
  // the totals that follow the question refresh every row's no-load voltage
  EXPECT_EQ(text("TXTUNLOAD", 1), "0.000");
  EXPECT_EQ(text("CMBZL", 1), "全桥电容");
  EXPECT_EQ(cell("CMBZL", 1).items(), cell("CMBZL", 0).items());
  EXPECT_EQ(text("cmbdio", 1), "硅管");
  EXPECT_EQ(cell("ChKSHC", 1).caption(), "S");
  EXPECT_TRUE(cell("txtudc", 1).visible());
  EXPECT_EQ(cell("txtudc", 1).geometry().top, cell("txtudc", 0).geometry().top + 283);
  EXPECT_EQ(cell("TXTCP", 1).geometry().left, cell("TXTCP", 0).geometry().left);
}

TEST_F(ElectricalTest, NoAnswerKeepsOneGroup) {
  typeGroupAndContinue(0, "12", "2", "全桥电容", "硅管", false);
  EXPECT_EQ(text("txtzb"), "");
  EXPECT_FALSE(form().array("txtudc").has(1));
  EXPECT_EQ(form().focused(), &cell("txtspo", 0));
}

TEST_F(ElectricalTest, NineGroupsAtMostAndNoQuestionFromRowEight) {
  for (int row = 0; row < 8; ++row) typeGroupAndContinue(row, "5", "1", "无", "无", true);
  EXPECT_EQ(text("txtzb"), "8");
  typeGroup(8, "5", "1", "无", "无");
  size_t asked = host.questionsAsked.size();
  host.questions.push_back(true);
  enter("txtspo", 8);
  EXPECT_EQ(host.questionsAsked.size(), asked);
  EXPECT_EQ(text("txtzb"), "8");
  EXPECT_FALSE(form().array("txtudc").has(9));
  EXPECT_EQ(text("txtpo"), "45W");
}

TEST_F(ElectricalTest, FullDesignOffersNoGroupWhateverTheCurrentRow) {
  for (int row = 0; row < 8; ++row) typeGroupAndContinue(row, "5", "1", "无", "无", true);
  // back on row 2 the conversion works on row 2, yet the design is full
  enter("txtsiac", 2);
  host.questions.push_back(true);
  enter("txtspo", 2);
  EXPECT_EQ(text("txtzb"), "8");
  EXPECT_FALSE(form().array("txtudc").has(9));
  EXPECT_EQ(form().focused(), &cell("txtudc", 3));
}

TEST_F(ElectricalTest, DeleteRemovesTheLastGroupAfterTheInputBox) {
  typeGroupAndContinue(0, "12", "2", "全桥电容", "硅管", true);
  typeGroupAndContinue(1, "10", "1", "半波电阻", "无", true);
  typeGroup(2, "5", "1", "无", "无");
  ASSERT_EQ(text("txtzb"), "2");
  EXPECT_TRUE(form().schematic().hasDrawing());

  host.inputs.push_back("3");
  click("CMDWNDEL");
  EXPECT_EQ(host.inputDefaults.back(), "3");  // the 1-based number of the group removed
  EXPECT_EQ(text("txtzb"), "1");
  EXPECT_FALSE(form().array("txtudc").has(2));
  // the schematic shows the groups that stay, and no longer the one that went
  const auto afterDelete = form().schematic().listing();
  auto drawn = [&](const std::string& label) {
    return std::any_of(afterDelete.begin(), afterDelete.end(), [&](const std::string& line) {
      return line.find("\"" + label + "\" 0,0,255") != std::string::npos;
    });
  };
  EXPECT_TRUE(drawn("W1"));
  EXPECT_TRUE(drawn("W2"));
  EXPECT_FALSE(drawn("W3"));
  EXPECT_EQ(text("txtpo"), "75.8W");
  EXPECT_EQ(text("TXTIIN"), "0.344");
  EXPECT_TRUE(field("CMDWNDEL").enabled());

  host.inputs.push_back("2");
  click("CMDWNDEL");
  EXPECT_EQ(host.inputDefaults.back(), "2");
  EXPECT_EQ(text("txtzb"), "0");
  EXPECT_EQ(text("txtpo"), "40.3W");
  EXPECT_FALSE(field("CMDWNDEL").enabled());

  // a later append brings the button back and the row afresh
  host.questions.push_back(true);
  enter("txtspo", 0);
  EXPECT_TRUE(field("CMDWNDEL").enabled());
  EXPECT_EQ(text("txtudc", 1), "");
}

TEST_F(ElectricalTest, CancelledDeleteKeepsTheGroup) {
  typeGroupAndContinue(0, "12", "2", "全桥电容", "硅管", true);
  typeGroup(1, "10", "1", "半波电阻", "无");
  click("CMDWNDEL");  // no input queued: cancel
  EXPECT_EQ(text("txtzb"), "1");
  EXPECT_EQ(text("txtpo"), "75.8W");
  EXPECT_EQ(text("txtudc", 1), "10");
}

TEST_F(ElectricalTest, DeleteWithOneGroupOnlyClearsTotalsAndNeverLowersTheRowBelowZero) {
  typeGroup(0, "12", "2", "全桥电容", "硅管");
  click("CMDWNDEL");
  click("CMDWNDEL");
  EXPECT_TRUE(host.inputDefaults.empty());
  EXPECT_EQ(text("txtpo"), "");
  EXPECT_EQ(text("TXTIIN"), "");
  EXPECT_EQ(form().currentRow(), 0);
  // the conversion still reaches row 0
  set("txtidc", 0, "1");
  EXPECT_EQ(text("txtsiac", 0), "1.65");
  EXPECT_EQ(text("txtpo"), "20.1W");
}

TEST_F(ElectricalTest, DeleteKeepsTheCurrentRowOnAnExistingGroup) {
  for (int row = 0; row < 4; ++row) typeGroupAndContinue(row, "5", "1", "无", "无", true);
  typeGroup(4, "5", "1", "无", "无");
  ASSERT_EQ(form().currentRow(), 4);
  host.inputs = {"5", "4", "3"};
  click("CMDWNDEL");
  click("CMDWNDEL");
  click("CMDWNDEL");
  EXPECT_EQ(text("txtzb"), "1");
  EXPECT_EQ(form().currentRow(), 1);
  set("txtudc", 1, "6");
  EXPECT_EQ(text("txtsuac", 1), "6");
}

TEST_F(ElectricalTest, SecondaryCoilIsDrawnAtItsGroupOffsetAndMirroredForParallel) {
  typeGroupAndContinue(0, "12", "2", "全桥电容", "硅管", true);
  typeGroup(1, "10", "1", "半波电阻", "无");
  const auto listing = form().schematic().listing();
  auto has = [&](const std::string& line) {
    return std::find(listing.begin(), listing.end(), line) != listing.end();
  };
  EXPECT_TRUE(has("scale 0 0 70 150"));
  EXPECT_TRUE(has("arc 21 3 2 1.57 4.71 0,0,255"));
  EXPECT_TRUE(has("arc 21 27 2 1.57 4.71 0,0,255"));  // row 1: 16 lower
  EXPECT_TRUE(has("text 33 21 \"W2\" 0,0,255"));

  form().userClick(cell("ChKSHC", 1));
  EXPECT_EQ(cell("ChKSHC", 1).caption(), "P");
  EXPECT_EQ(form().currentRow(), 1);
  const auto& ops = form().schematic().ops();
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(ops.back().text, "W2");
  EXPECT_EQ(ops.back().x1, 13);
  EXPECT_EQ(form().schematic().listing().back(), "text 13 21 \"W2\" 0,0,255");
  bool mirrored = false;
  for (const std::string& line : form().schematic().listing())
    mirrored |= line == "arc 21 27 2 4.71 1.57 0,0,255";
  EXPECT_TRUE(mirrored);
}

// The primary's turns are red half circles: four for one primary, three each for two.
size_t primaryTurns(const Picture& schematic) {
  const auto listing = schematic.listing();
  return std::count_if(listing.begin(), listing.end(), [](const std::string& line) {
    return line.rfind("arc 5 ", 0) == 0 && line.ends_with("255,0,0");
  });
}

TEST_F(ElectricalTest, PrimaryFigureFollowsTheInputArrangement) {
  click("Chkp");
  EXPECT_TRUE(form().schematic().hasDrawing());
  EXPECT_EQ(primaryTurns(form().schematic()), 6u);
  click("Chkp");
  EXPECT_EQ(primaryTurns(form().schematic()), 4u);
}

// The schematic shows every group however its values came in: a single
// output typed without the Enter chain, and six groups of which the last
// was typed before the earlier ones were touched again.
TEST_F(ElectricalTest, SchematicDrawsEveryGroupAndThePrimaries) {
  set("TXTUIN1", "220");
  set("txtudc", 0, "12");
  set("txtidc", 0, "2");
  auto labels = [&] {
    std::vector<std::string> found;
    for (const std::string& line : form().schematic().listing())
      if (line.rfind("text ", 0) == 0 && line.ends_with("0,0,255"))
        found.push_back(line.substr(line.find('"')));
    return found;
  };
  EXPECT_EQ(labels(), (std::vector<std::string>{"\"W1\" 0,0,255"}));
  EXPECT_EQ(primaryTurns(form().schematic()), 4u);

  for (int row = 0; row < 5; ++row) typeGroupAndContinue(row, "5", "1", "无", "无", true);
  set("txtudc", 5, "24");
  set("txtidc", 0, "3");  // an earlier group changed last: the conversion works on row 0
  click("Chkp");
  const auto six = labels();
  ASSERT_EQ(six.size(), 6u);
  EXPECT_EQ(six.back(), "\"W6\" 0,0,255");
  EXPECT_EQ(primaryTurns(form().schematic()), 6u);  // both primaries
}

TEST_F(ElectricalTest, CoreSelectionRaisesThePowerByTheRegulation) {
  set("txtpo", "100W");
  set("TXTLUD", "10");
  form().show();
  click("cmdcore");
  EXPECT_EQ(workspace.field("Frmcore", "txtpo").text(), "110");
  EXPECT_TRUE(workspace.form("Frmcore").visible());
  EXPECT_FALSE(form().visible());
}

TEST_F(ElectricalTest, StructureSimulationWaitsForTheStructureForm) {
  form().show();
  field("CMDJIEDOU").setEnabled(true);
  click("CMDJIEDOU");
  EXPECT_TRUE(form().visible());
  EXPECT_EQ(workspace.existing("Frmjiegou"), nullptr);
}

TEST_F(ElectricalTest, MenuCloseHidesTheForm) {
  form().show();
  click("OVER");
  EXPECT_FALSE(form().visible());
  EXPECT_NE(workspace.existing("Frmeledata"), nullptr);
}

}  // namespace
}  // namespace corvane::testing
