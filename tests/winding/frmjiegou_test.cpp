// The winding-structure form on stand-in forms: its rows, lists and column
// locks, the recalculation of the four editable columns, the closing totals,
// the change hooks, the runs and the cross-section.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/value.h"
#include "structure_fixture.h"
#include "winding/jiegou_fields.h"
#include "winding/winding_columns.h"

namespace corvane::testing {
namespace {

using namespace jiegou;

// ---------------------------------------------------------------- rows

TEST_F(StructureTest, OneGroupAndOnePrimaryGiveTwoRows) {
  EXPECT_EQ(text(Txtzb), "1");
  EXPECT_EQ(column(TXTWN), (std::vector<std::string>{"N1", "N2"}));
  EXPECT_FALSE(form().array(TXTWN).has(2));
}

TEST_F(StructureTest, TwoPrimariesAndThreeGroupsGiveFiveRows) {
  electrical().control("Chkp").setValue(1);
  setElectrical("txtzb", "2");
  EXPECT_EQ(text(Txtzb), "4");
  EXPECT_EQ(column(TXTWN), (std::vector<std::string>{"N1", "N2", "N3", "N4", "N5"}));
}

TEST_F(StructureTest, NewRowsAreCopiesOfRowZeroFiveMillimetresApart) {
  setElectrical("txtzb", "2");
  for (const winding::WindingColumn& c : winding::kWindingColumns) {
    const Geometry top = cell(c.name, 0).geometry();
    const Geometry fourth = cell(c.name, 3).geometry();
    EXPECT_EQ(fourth.top - top.top, 3 * winding::kRowPitch) << c.name;  // 15 mm
    EXPECT_EQ(fourth.left, top.left) << c.name;
    EXPECT_EQ(fourth.width, top.width) << c.name;
    EXPECT_EQ(cell(c.name, 3).enabled(), c.enabled) << c.name;
    // a new row says what its cells hold as the first rows do, and as the
    // row a reopened design lays out from the form's design does
    EXPECT_FALSE(cell(c.name, 3).toolTip().empty()) << c.name;
    EXPECT_EQ(cell(c.name, 3).toolTip(), cell(c.name, 0).toolTip()) << c.name;
  }
  EXPECT_EQ(text(TXTQ, 3), "1");
  EXPECT_EQ(text(CMBTYPE, 3), "2UEW");
  EXPECT_EQ(text(CmBleadtype, 3), "UL1015");
  EXPECT_EQ(text(CMBCLR, 3), "红/红");
  EXPECT_EQ(cell(CMBTYPE, 3).items().size(), winding::kWireTypes.size());
  EXPECT_FALSE(cell(TXTTURN, 3).enabled());
  EXPECT_FALSE(cell(TXTWIRE, 3).enabled());
  EXPECT_FALSE(cell(TXTQ, 3).enabled());
}

TEST_F(StructureTest, HeaderClicksLockAndUnlockAWholeColumn) {
  setElectrical("txtzb", "1");
  auto enabled = [this](const char* name) {
    std::vector<bool> states;
    for (int i = 0; i <= form().highestRow(); ++i) states.push_back(cell(name, i).enabled());
    return states;
  };
  const std::vector<bool> all(3, true), none(3, false);
  form().userClick(form().control("HeadTXTQ"));
  EXPECT_EQ(enabled(TXTQ), all);
  form().userDblClick(form().control("HeadTXTTURN"));
  EXPECT_EQ(enabled(TXTTURN), all);
  form().userClick(form().control("HeadTXTTURN"));
  EXPECT_EQ(enabled(TXTTURN), none);
  form().userClick(form().control("HeadTXTWIRE"));
  form().userDblClick(form().control("HeadTXTWIRE"));
  EXPECT_EQ(enabled(TXTWIRE), all);
}

TEST_F(StructureTest, TapeLengthIsTheTurnLengthsTimesTheLayers) {
  cell(txtlt, 0).setText("100.0");
  cell(txtlt, 1).setText("120.5");
  Control& layers = form().control(CmbTapeL);
  form().userChoose(layers, layers.findItem("3"));  // choosing the shown item still counts
  EXPECT_EQ(text(TxtTapeLeng), "661.5");
  form().userChoose(layers, layers.findItem("1"));
  EXPECT_EQ(text(TxtTapeLeng), "220.5");
}

TEST_F(StructureTest, LoadFluxDensityFallsByHalfTheRegulation) {
  cell(TxtDU, 1).setText("8");
  form().userSetText(form().control(TxtBm), "1.6");
  EXPECT_EQ(text(TxtB), "1.54");  // 1.6 × 0.96 = 1.536
}

// ---------------------------------------------------------------- recalculation

// The worked primary of a 20 mm slot on an 80 mm base, recomputed from the
// table by Enter in the wire column.
class WorkedTable : public StructureTest {
 protected:
  WorkedTable() {
    group(0, "12", "1", "13.5");
    cell(TXTTURN, 0).setText("100");
    cell(TXTWIRE, 0).setText("0.5");
    cell(TXTTURN, 1).setText("8");
    cell(TXTWIRE, 1).setText("0.6");
  }
};

TEST_F(WorkedTable, WireEnterLaysOutEveryRow) {
  enter(TXTWIRE, 1);
  EXPECT_TRUE(rowShows(0, {{TXTLN, "38"},
                           {TXTL, "3"},
                           {TXTHT, "1.7"},
                           {txtlt, "85.3"},
                           {TXTCUWEIGH, "14.982"},
                           {TXTDCR20, "778.0"},
                           {TXTDCRHOT, "931.0"},
                           {TXTUD, "0.42"},
                           {TXTULOADE, "219.58"},
                           {TXTPCU, "0.189"}}));
  // the secondary winds over the primary in the one slot
  const double build = Val(text(TXTHT, 1));
  EXPECT_EQ(text(txtlt, 1), formatFixed(80 + 3.14 * (2 * 1.7 + build), 1));
  EXPECT_EQ(text(TXTTURN, 0), "100");  // the wire enter keeps every turn count
  EXPECT_EQ(text(txtpcuz), generalFormat(Val(text(TXTPCU, 0)) + Val(text(TXTPCU, 1))));
}

TEST_F(WorkedTable, AKeyOtherThanEnterChangesNothing) {
  cell(TXTLN, 0).setText("kept");
  form().userKey(cell(TXTWIRE, 0), 65);
  form().userKey(cell(TXTQ, 0), 9);
  form().userKey(cell(TXTTURN, 0), 27);
  EXPECT_EQ(text(TXTLN, 0), "kept");
}

TEST_F(WorkedTable, StrandsEnterCopiesEveryNoLoadVoltage) {
  enter(TXTQ, 1);
  EXPECT_EQ(text(TxtUnV, 0), "220");
  EXPECT_EQ(text(TxtUnV, 1), "13.5");
  EXPECT_EQ(text(TXTTURN, 0), "100");
  EXPECT_EQ(text(TXTTURN, 1), "8");
  // regulation from the copied no-load voltage and the load voltage
  EXPECT_EQ(text(TxtDU, 0), formatFixed((220 - 219.58) / 220 * 100, 1));
}

TEST_F(WorkedTable, TurnsEnterInducesTheSecondaryNoLoadVoltage) {
  cell(TXTTURN, 1).setText("12");
  cell(TXTLN, 0).setText("77");  // kept: the primary's turns per layer are not laid out anew
  enter(TXTTURN, 1);
  EXPECT_EQ(text(TXTLN, 0), "77");
  EXPECT_EQ(text(TXTL, 0), "2");       // 100 / 77 = 1.3, rounded up
  EXPECT_EQ(text(TxtUnV, 1), "4.00");  // 4 × 1.11 × 1.5 × 50 × 10 × 12 × 0.0001 = 3.996
  EXPECT_EQ(text(TxtUnV, 0), "");      // the primary's cell is not touched
}

TEST_F(WorkedTable, NoLoadVoltageEnterGivesTheTurns) {
  cell(TxtUnV, 1).setText("12");
  enter(TxtUnV, 1);
  EXPECT_EQ(text(TXTTURN, 1), "36");   // 120000 / 3330 = 36.04
  EXPECT_EQ(text(TXTTURN, 0), "661");  // 220 V: 660.66
  EXPECT_EQ(text(TxtUnV, 1), "12");    // the column itself is not rewritten
}

TEST_F(WorkedTable, EmptyWireInRowTwoStopsTheRunThereWithoutAMessage) {
  setElectrical("txtzb", "1");
  workspace.close(Frmjiegou::kName);
  group(1, "24", "0.5", "27");
  cell(TXTTURN, 0).setText("100");
  cell(TXTWIRE, 0).setText("0.5");
  cell(TXTWIRE, 1).setText("0.6");
  cell(TXTWIRE, 2).setText("");
  const std::string totalBefore = text(txtpcuz);
  const std::string rowTwoWeight = text(TXTCUWEIGH, 2);
  const std::vector<std::string> drawnBefore = form().control(Picture1).picture().listing();
  enter(TXTWIRE, 0);
  EXPECT_EQ(text(TXTHT, 0), "1.7");  // rows 0 and 1 keep their new values
  EXPECT_EQ(text(txtlt, 1), formatFixed(80 + 3.14 * (2 * 1.7 + Val(text(TXTHT, 1))), 1));
  EXPECT_EQ(text(TXTCUWEIGH, 2), rowTwoWeight);  // row 2 stopped before its copper
  EXPECT_EQ(text(txtpcuz), totalBefore);         // no totals
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(form().control(Picture1).picture().listing().size() > 0, true);
}

// The cross-section after a whole-table recalculation is the drawing of the
// rows as they now stand, also when the run stops part-way: the rows it
// reached are drawn, not the table before the edit.
TEST_F(WorkedTable, TheSectionShowsTheRecalculatedRows) {
  enter(TXTWIRE, 1);
  const Picture& picture = form().control(Picture1).picture();
  const std::vector<std::string> drawn = picture.listing();
  workspace.runEvent([this] { form().DrawWindingSection(); });
  EXPECT_EQ(picture.listing(), drawn);

  cell(TXTTURN, 0).setText("300");
  cell(TXTWIRE, 1).setText("");  // the run stops in row 1
  enter(TXTWIRE, 0);
  const std::vector<std::string> stopped = picture.listing();
  EXPECT_NE(stopped, drawn);
  EXPECT_GT(std::count_if(stopped.begin(), stopped.end(),
                          [](const std::string& op) { return op.rfind("circle", 0) == 0; }),
            std::count_if(drawn.begin(), drawn.end(),
                          [](const std::string& op) { return op.rfind("circle", 0) == 0; }));
}

// Every row's new hot resistance asks for a redraw; the views hear of one new
// cross-section, whose turns are laid out when it is read.
TEST_F(WorkedTable, AnEnterGivesTheViewsOneNewSection) {
  Picture& picture = form().control(Picture1).picture();
  int notices = 0;
  picture.changed.connect([&notices] { ++notices; });
  enter(TXTWIRE, 1);
  EXPECT_EQ(notices, 1);
  const std::vector<std::string> drawn = picture.listing();
  EXPECT_GT(std::count_if(drawn.begin(), drawn.end(),
                          [](const std::string& op) { return op.rfind("circle", 0) == 0; }),
            100);
  EXPECT_EQ(notices, 1);
}

TEST_F(WorkedTable, SaturatedCoreAddsThePrimaryAsAResistor) {
  enter(TXTWIRE, 0);
  ASSERT_EQ(text(TXTDCRHOT, 0), "931.0");
  const double copper = Val(text(TXTPCU, 0)) + Val(text(TXTPCU, 1));
  form().control(TxtB).setText("2.0");
  workspace.runEvent([this] { form().SummariseTable(); });
  EXPECT_EQ(text(txtpcuz), formatFixed(220.0 * 220 / 0.931 + copper, 2));
  EXPECT_EQ(formatFixed(220.0 * 220 / 0.931, 2), "51987.11");
  form().control(TxtB).setText("1.99");
  workspace.runEvent([this] { form().SummariseTable(); });
  EXPECT_EQ(text(txtpcuz), generalFormat(copper));
}

// ---------------------------------------------------------------- slots

TEST_F(StructureTest, TwoPrimariesInOneSlotCarryTheSecondaryOnBoth) {
  electrical().control("Chkp").setValue(1);
  setElectrical("TXTUIN2", "110");
  group(0, "12", "1", "13.5");
  const double below = Val(text(TXTHT, 0)) + Val(text(TXTHT, 1));
  EXPECT_EQ(text(txtlt, 1),
            formatFixed(80 + 3.14 * (2 * Val(text(TXTHT, 0)) + Val(text(TXTHT, 1))), 1));
  EXPECT_EQ(text(txtlt, 2), formatFixed(80 + 3.14 * (2 * below + Val(text(TXTHT, 2))), 1));
  EXPECT_EQ(text(TXTTURN, 1), "330");  // 110 V: 330.33
}

TEST_F(StructureTest, TwoSlotBobbinStartsTheSecondariesOnTheBase) {
  twoSlotsTwoPrimariesTwoGroups("9.75");
  // rows 2 and 3 in slot 2: row 2 on the base, row 3 on row 2
  EXPECT_EQ(text(txtlt, 2), formatFixed(80 + 3.14 * Val(text(TXTHT, 2)), 1));
  EXPECT_EQ(text(txtlt, 3),
            formatFixed(80 + 3.14 * (2 * Val(text(TXTHT, 2)) + Val(text(TXTHT, 3))), 1));
  // a secondary's turns per layer use slot 2's width
  const double d = Val(text(TXTWIRE, 2));
  EXPECT_EQ(text(TXTLN, 2), generalFormat(std::trunc(9.75 / (d + 0) / (d <= 0.15 ? 1.15 : 1.05))));
  // and with two primaries the wire enter takes the secondaries' turns from the electrical form
  cell(TXTTURN, 2).setText("1");
  enter(TXTWIRE, 2);
  EXPECT_EQ(text(TXTTURN, 2), "41");  // 13.5 V: 40.54
}

TEST_F(StructureTest, WithoutABobbinTypeOnlyThePrimariesAreLaidOut) {
  bobbin().control("OPTG").setValue(0);
  cell(TXTTURN, 0).setText("100");
  cell(TXTWIRE, 0).setText("0.5");
  cell(txtlt, 1).setText("kept");
  enter(TXTWIRE, 0);
  EXPECT_EQ(text(txtlt, 0), "85.3");
  EXPECT_EQ(text(txtlt, 1), "kept");
}

// ---------------------------------------------------------------- summary

TEST_F(StructureTest, CopperWeightTotalIsRoundedAfterEveryRow) {
  cell(TXTCUWEIGH, 1).setText("2.4");
  cell(TXTCUWEIGH, 0).setText("15.105");
  EXPECT_EQ(text(TxtCuWt), "0.017");
}

TEST_F(StructureTest, TotalLossGivesOpenFrameAndAdapterRise) {
  form().control(TXTPCZ).setText("4W");
  form().userSetText(form().control(txtpcuz), "6");
  EXPECT_EQ(text(txtpLOST), "10W");
  EXPECT_EQ(text(TXTTEMP), "71.5℃");
  EXPECT_EQ(text(Tp2), "101.1℃");
  setCore("TxtFc", "0");
  form().userSetText(form().control(txtpcuz), "7");
  EXPECT_EQ(text(TXTTEMP), "");
}

TEST_F(StructureTest, FluxDensityColourAgainstTheSteel) {
  Control& bm = form().control(TxtBm);
  form().userSetText(bm, "1.5");
  EXPECT_EQ(bm.backColor(), (Rgb{0, 255, 0}));
  form().userSetText(bm, "1.6");
  EXPECT_EQ(bm.backColor(), (Rgb{255, 255, 0}));
  form().array("TXTWN");
  core().control("txtcoremt", 3).setText("1.9");
  form().userSetText(bm, "1.8");
  EXPECT_EQ(bm.backColor(), (Rgb{255, 0, 0}));
}

// Enter in the no-load flux density hands it to the core; the iron loss the
// total adds comes from the core as it now stands.
TEST_F(StructureTest, FluxDensityEnterTakesTheCoresIronLossAlong) {
  Control& bm = form().control(TxtBm);
  bm.setText("1.4");
  setCore("txtpc", "2.61W");
  form().userEnter(bm);
  EXPECT_EQ(core().control("TxtBm").text(), "1.4");
  EXPECT_EQ(text(TXTPCZ), "2.61W");
  EXPECT_EQ(text(TXTTURN, 0), "708");  // 220 V at 1.4 T: 707.85
}

TEST_F(StructureTest, CurrentDensityEnterRedesignsTheWireAndMovesOn) {
  form().control(TxtJ).setText("5");
  form().userEnter(form().control(TxtJ));
  EXPECT_EQ(core().control("TxtJ").text(), "5");
  EXPECT_EQ(text(TXTWIRE, 0), "0.35");  // 1.13 × √(0.45 / 5) = 0.339
  EXPECT_EQ(form().focused(), &form().control(TxtJs));
}

// A secondary current density of 0 designs no wire: the cell stays empty and
// the pass stops at that row, keeping the primary it has designed.
TEST_F(StructureTest, ZeroCurrentDensityLeavesTheWireEmptyAndStopsThePass) {
  group(0, "12", "1", "13.5");
  setCore("txtjsec", "0");
  cell(TXTCUWEIGH, 1).setText("old");
  click(Command1);
  EXPECT_EQ(text(TXTWIRE, 0), "0.50");
  EXPECT_EQ(text(TXTWIRE, 1), "");
  EXPECT_EQ(text(TXTCUWEIGH, 1), "old");
  // the winding it could not design is named; the pass gives no current
  EXPECT_EQ(host.messageTexts(), (std::vector<std::string>{"设计不完整：缺少N2的线径"}));
  EXPECT_EQ(text(TxtI0), "");
}

// ---------------------------------------------------------------- runs

class RunTest : public StructureTest {
 protected:
  // a design the runs can work on: a 12 V / 1 A winding beside the primary
  void SetUp() override { group(0, "12", "1", "13.5"); }

  // a total loss of `watts` over cooling surfaces of 100 cm²
  void lossOf(const char* watts) {
    form().control(TXTPCZ).setText("0W");
    for (int i = 0; i <= form().highestRow(); ++i) cell(TXTPCU, i).setText(i == 0 ? watts : "0");
  }
};

TEST_F(RunTest, LoadRunGivesOneMessageOfThreeKinds) {
  lossOf("1");  // 10.5 K
  click(Command5);
  lossOf("5");  // 40.1 K: at least 80 % of 45 K
  click(Command5);
  lossOf("10");  // 71.5 K: 10 K or more above it
  click(Command5);
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages[0].text, "负载运行安全");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(host.messages[1].text, "负载运行过热");
  EXPECT_EQ(host.messages[1].icon, MessageIcon::Information);
  EXPECT_EQ(host.messages[2].text, "严重警告！该设计方案可能引起严重的事故！！");
  EXPECT_EQ(host.messages[2].icon, MessageIcon::Warning);
  EXPECT_EQ(form().control(TXTTEMP).backColor(), colors::kRed);
  EXPECT_EQ(form().control(Picture1).backColor(), colors::kRed);
  lossOf("1");
  click(Command5);
  EXPECT_EQ(form().control(Tp2).backColor(), colors::kWhite);
  EXPECT_TRUE(form().control(Picture1).picture().hasDrawing());
}

TEST_F(RunTest, NoLoadRunSwitchesToTheResistorWhenSaturated) {
  form().control(TxtI0).setText("0.1");
  cell(TXTDCR20, 0).setText("778.0");
  cell(TXTDCRHOT, 0).setText("931.0");
  form().control(TxtB).setText("1.99");
  click(Command6);
  EXPECT_EQ(text(txtpcuz), formatFixed(0.01 * 778.0 * 0.001, 2));
  form().control(TxtB).setText("2.00");
  click(Command6);
  EXPECT_EQ(text(txtpcuz), formatFixed(220.0 * 220 / 0.778, 2));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, "空载运行安全");
  EXPECT_EQ(host.messages[1].text, "严重警告！该设计方案可能引起严重的事故！！");
}

TEST_F(RunTest, RatedTableCoreBringsItsNoLoadVoltAmperes) {
  setCore("Text3", "800");
  setCore("TxtVa0", "22.4");
  click(Command1);
  EXPECT_EQ(text(TxtI0), "0.10182");
  // one primary: a second input voltage left in its hidden field is not read
  setElectrical("TXTUIN2", "110");
  click(Command1);
  EXPECT_EQ(text(TxtI0), "0.10182");
  setElectrical("TXTUIN1", "0");
  click(Command1);
  EXPECT_EQ(text(TxtI0), "");  // no input voltage to share it over
  EXPECT_EQ(form().emptyFieldReason(form().control(TxtI0)), "设计不完整：缺少输入电压、N1的匝数");
}

// With no primary voltage the table has no primary turns; a run then names
// what is missing and gives no verdict, and leaves the rise fields alone.
TEST_F(RunTest, ARunOnAnIncompleteDesignNamesWhatIsMissingAndGivesNoVerdict) {
  group(0, "12", "1", "13.5");
  setElectrical("TXTUIN1", "");
  form();
  const std::string rise = text(TXTTEMP);
  std::vector<Rgb> colours;
  for (const char* name : {TXTTEMP, Tp2, Picture1})
    colours.push_back(form().control(name).backColor());
  click(Command5);
  click(Command6);
  const std::string warning = "设计不完整：缺少输入电压、N1的匝数";
  ASSERT_EQ(host.messageTexts(), (std::vector<std::string>{warning, warning}));
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(text(TXTTEMP), rise);
  std::vector<Rgb> after;
  for (const char* name : {TXTTEMP, Tp2, Picture1})
    after.push_back(form().control(name).backColor());
  EXPECT_EQ(after, colours);
  EXPECT_EQ(form().lastRunRises().load, "");
  // "参数仿真" designs the table again and says the same
  host.messages.clear();
  click(Command1);
  EXPECT_EQ(host.messageTexts(), (std::vector<std::string>{warning}));
  EXPECT_EQ(text(TxtI0), "");
  EXPECT_EQ(form().emptyFieldReason(form().control(TxtI0)), warning);  // its tip says so too
}

TEST_F(RunTest, EveryMissingTurnsAndWireIsNamedInTableOrder) {
  group(0, "12", "1", "13.5");
  form();
  cell(TXTWIRE, 0).setText("0");
  cell(TXTTURN, 1).setText("");
  cell(TXTWIRE, 1).setText("abc");
  cell(TXTWN, 1).setText("");
  const std::string loss = text(txtpcuz);
  click(Command5);
  EXPECT_EQ(
      host.messageTexts(),
      (std::vector<std::string>{"设计不完整：缺少N1的线径、第2个绕组的匝数、第2个绕组的线径"}));
  EXPECT_EQ(text(txtpcuz), loss);  // no copper loss totalled
}

// The sheet prints each run's own rise: the form keeps the last of each,
// with the design, until the table is designed or recalculated again.
TEST_F(RunTest, EachRunKeepsItsOwnRiseUntilTheTableChanges) {
  lossOf("5");
  click(Command5);
  const winding::RunRises afterLoad = form().lastRunRises();
  EXPECT_EQ(afterLoad.load, text(TXTTEMP));
  EXPECT_EQ(afterLoad.loadEnclosed, text(Tp2));
  EXPECT_EQ(afterLoad.noLoad, "");
  click(Command6);
  const winding::RunRises both = form().lastRunRises();
  EXPECT_EQ(both.load, afterLoad.load);  // not the no-load run's rise
  EXPECT_EQ(both.noLoad, text(TXTTEMP));
  EXPECT_NE(both.noLoad, both.load);
  // kept with the design by name
  for (const KeptMember& member : form().keptMembers()) {
    if (member.name == "noLoadRise") {
      EXPECT_TRUE(member.set(MemberValue(std::string("9.9℃"))));
    }
  }
  EXPECT_EQ(form().lastRunRises().noLoad, "9.9℃");
  click(Command1);
  EXPECT_EQ(form().lastRunRises().load, "");
  EXPECT_EQ(form().lastRunRises().noLoad, "");
}

// An empty no-load current says why in its tip (a steel without a
// magnetising curve); a current shown has no such word.
TEST_F(RunTest, AGradeWithoutACurveLeavesNoStaleCurrentAndSaysWhy) {
  const Control& current = form().control(TxtI0);
  click(Command1);
  EXPECT_FALSE(text(TxtI0).empty());
  EXPECT_EQ(form().emptyFieldReason(current), "");
  EXPECT_EQ(form().emptyFieldReason(form().control(TXTTEMP)), "");  // only the current
  setCore("Cmbnew", "50H700");
  click(Command1);
  EXPECT_EQ(text(TxtI0), "");
  EXPECT_EQ(form().emptyFieldReason(current), "铁芯材质“50H700”没有磁化曲线，无法计算空载电流");
}

// ---------------------------------------------------------------- drawing

TEST_F(StructureTest, OneSlotDrawingOfAnEi48Bobbin) {
  setBobbin("TXTCK1", "21");
  setBobbin("TXTCh", "6");
  click(Command3);
  const std::vector<std::string> listing = form().control(Picture1).picture().listing();
  ASSERT_GE(listing.size(), 4u);
  EXPECT_EQ(listing[0], "scale 0 0 100 60");
  EXPECT_EQ(listing[1], "line 39.5 33 60.5 33 255,0,0");
  EXPECT_EQ(listing[2], "line 39.5 33 39.5 27 255,0,0");
  EXPECT_EQ(listing[3], "line 60.5 33 60.5 27 255,0,0");
}

TEST_F(StructureTest, TwoSlotDrawingPutsBothPrimariesInTheFirstSlot) {
  twoSlotsTwoPrimariesTwoGroups("60");
  click(Command3);
  const Picture& picture = form().control(Picture1).picture();
  const double k = 120.0 / 90;
  ASSERT_FALSE(picture.ops().empty());
  EXPECT_EQ(picture.ops()[0].kind, DrawOp::Kind::Scale);
  EXPECT_DOUBLE_EQ(picture.ops()[0].x2, 100 * k);
  // the circles left of the divider belong to rows 0 and 1, right of it to rows 2 and 3
  size_t left = 0, right = 0;
  for (const DrawOp& op : picture.ops())
    if (op.kind == DrawOp::Kind::Circle) (op.x1 < 50 * k ? left : right) += 1;
  EXPECT_GT(left, 0u);
  EXPECT_GT(right, 0u);
}

TEST_F(StructureTest, PreviousStepDiscardsTheTable) {
  click(Command2);
  EXPECT_EQ(workspace.existing(Frmjiegou::kName), nullptr);
  EXPECT_TRUE(electrical().visible());
}

}  // namespace
}  // namespace corvane::testing
