// One winding row laid out and evaluated as plain values: the worked primary
// of a 20 mm slot, the round-up of the layers, the insulation build of every
// wire type, and where the arithmetic stops.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "model/shared_values.h"
#include "model/value.h"
#include "model/workspace.h"
#include "support/case_table.h"
#include "support/fake_host.h"
#include "support/recording_sink.h"
#include "winding/jiegou_fields.h"
#include "winding/row_evaluation.h"
#include "winding/winding_columns.h"
#include "winding/wire_insulation.h"

namespace corvane::winding {
namespace {

// The last text of each cell, and the order of the writes.
class Recorder : public testing::RecordingSink {
 public:
  std::map<std::string, std::string>& cells = last;
};

// The primary of the worked example: a 20 mm slot on an 80 mm base, 25 °C
// ambient and 45 K rise, 100 turns of 0.5 mm 2UEW at 0.45 A from 220 V.
RowInputs workedPrimary() {
  RowInputs in{.role = RowRole::FirstPrimary,
               .turns = "100",
               .wire = "0.5",
               .wireType = "2UEW",
               .strands = "1",
               .slotWidth = 20,
               .basePerimeter = 80,
               .ambient = 25,
               .allowedRise = 45,
               .current = 0.45,
               .inputVoltage = 220};
  return in;
}

TEST(RowEvaluation, WorkedPrimaryAgreesToTheLastDigit) {
  SharedValues shared;
  Recorder out;
  EXPECT_EQ(evaluateRow(shared, workedPrimary(), out), 1.7);
  const std::map<std::string, std::string> expected{
      {jiegou::TXTLN, "38"},          {jiegou::TXTL, "3"},
      {jiegou::TXTHT, "1.7"},         {jiegou::txtlt, "85.3"},
      {jiegou::TXTCUWEIGH, "14.982"}, {jiegou::TXTDCR20, "778.0"},
      {jiegou::TXTDCRHOT, "931.0"},   {jiegou::TXTUD, "0.42"},
      {jiegou::TXTULOADE, "219.58"},  {jiegou::TXTPCU, "0.189"},
  };
  EXPECT_EQ(out.cells, expected);
  // the layers are written as computed, then rounded up: the cell sees both
  const std::vector<std::string> order{jiegou::TXTLN,     jiegou::TXTL,      jiegou::TXTL,
                                       jiegou::TXTHT,     jiegou::txtlt,     jiegou::TXTCUWEIGH,
                                       jiegou::TXTDCR20,  jiegou::TXTDCRHOT, jiegou::TXTUD,
                                       jiegou::TXTULOADE, jiegou::TXTPCU};
  EXPECT_EQ(out.order(), order);
  testing::FakeHost host;
  Workspace workspace(host);
  EXPECT_EQ(shared.gWireLayerFactor.num(workspace), 1.05);
}

TEST(RowEvaluation, WindingOverAnotherStartsOnItsBuild) {
  SharedValues shared;
  Recorder out;
  RowInputs in = workedPrimary();
  in.buildBelow = 1.7;
  evaluateRow(shared, in, out);
  // 80 + 3.14 × (3.4 + 1.7)
  EXPECT_EQ(out.cells[jiegou::txtlt], formatFixed(80 + 3.14 * (3.4 + 1.7), 1));
  EXPECT_EQ(out.cells[jiegou::txtlt], "96.0");
}

TEST(RowEvaluation, LayersRoundUpOnlyWhenATenthIsLeft) {
  testing::expectEachText(
      roundedUpLayers,
      {{"2.6", "3"}, {"2.9", "3"}, {"4.1", "5"}, {"4.0", "4.0"}, {"0.1", "1"}, {"", ""}});
}

TEST(RowEvaluation, ThinWireBedsLooserThanThickWire) {
  struct Case {
    const char* wire;
    const char* turns;     // ten full layers
    const char* perLayer;  // 20 mm / d / space factor
    const char* build;     // 10 layers × (d + 0.025) × build factor
  };
  // 0.15 mm belongs to the thin side: 1.15 across, 1.2 through
  const Case cases[] = {{"0.1", "1730", "173", "1.5"},
                        {"0.15", "1150", "115", "2.1"},
                        {"0.16", "1190", "119", "2.0"}};
  for (const Case& c : cases) {
    SharedValues shared;
    Recorder out;
    RowInputs in = workedPrimary();
    in.wire = c.wire;
    in.turns = c.turns;
    evaluateRow(shared, in, out);
    EXPECT_EQ(out.cells[jiegou::TXTLN], c.perLayer) << c.wire;
    EXPECT_EQ(out.cells[jiegou::TXTL], "10.0") << c.wire;
    EXPECT_EQ(out.cells[jiegou::TXTHT], c.build) << c.wire;
  }
}

TEST(RowEvaluation, EveryWireTypeBuildsLikeOneTheFormulasKnow) {
  for (std::string_view type : kWireTypes) {
    std::string_view layout = layoutWireType(type);
    EXPECT_TRUE(layout == "2UEW" || layout == "1UEW" || layout == "TRIPLE" || layout == "CU.FOIL")
        << type;
  }
  testing::expectEachText(layoutWireType, {{"1PEW", "1UEW"},
                                           {"2eiw", "2UEW"},
                                           {"Triple", "TRIPLE"},
                                           {"LITZ", "2UEW"},
                                           {"绞线", "2UEW"}});
}

// A row's layout depends on its own wire type only, never on the row
// evaluated before it.
TEST(RowEvaluation, NoRowReusesTheAllowanceOfAnother) {
  auto layOut = [](const char* before, const char* type) {
    SharedValues shared;
    Recorder first, second;
    RowInputs in = workedPrimary();
    in.wireType = before;
    evaluateRow(shared, in, first);
    in.wireType = type;
    evaluateRow(shared, in, second);
    return second.cells;
  };
  for (std::string_view type : kWireTypes) {
    const std::string t(type);
    EXPECT_EQ(layOut("Triple", t.c_str()), layOut("2UEW", t.c_str())) << type;
  }
  // a single-coat polyester enamel builds like single-coat polyurethane
  EXPECT_EQ(layOut("2UEW", "1PEW"), layOut("2UEW", "1UEW"));
}

// The cells a run wrote before its arithmetic stopped; the run must stop.
std::map<std::string, std::string> cellsBeforeTheStop(const RowInputs& in) {
  SharedValues shared;
  Recorder out;
  EXPECT_THROW(evaluateRow(shared, in, out), RecalcAbort);
  return out.cells;
}

TEST(RowEvaluation, EmptyWireStopsAtTheConductorAreaAfterTheLayout) {
  RowInputs in = workedPrimary();
  in.wire = "";
  std::map<std::string, std::string> cells = cellsBeforeTheStop(in);
  // the layout cells were written, nothing from the conductor on
  EXPECT_EQ(cells.count(jiegou::txtlt), 1u);
  EXPECT_EQ(cells.count(jiegou::TXTCUWEIGH), 0u);
  EXPECT_EQ(cells[jiegou::TXTLN], "");
}

TEST(RowEvaluation, ZeroStrandsStopsAtTheTurnsPerLayer) {
  RowInputs in = workedPrimary();
  in.strands = "0";
  EXPECT_TRUE(cellsBeforeTheStop(in).empty());
}

TEST(RowEvaluation, SecondaryRefersToRowZeroAndConvertsWithItsOwnRectifier) {
  SharedValues shared;
  Recorder out;
  RowInputs in = workedPrimary();
  in.role = RowRole::Secondary;
  in.turns = "8";
  in.wire = "0.85";
  in.current = 3.3;
  in.referenceLoadVoltage = 219.58;
  in.referenceTurns = 120;
  in.specifiedVoltage = 12.2;
  in.rectifier = {0.85, 1.0, 2};  // bridge with silicon diodes
  evaluateRow(shared, in, out);
  const double load = Val(out.cells[jiegou::TXTULOADE]);
  EXPECT_EQ(out.cells[jiegou::TXTULOADE],
            formatFixed(8 * 219.58 / 120 - Val(out.cells[jiegou::TXTUD]), 2));
  EXPECT_EQ(out.cells[jiegou::CMBLINK], formatFixed((load - 2 * 1.0) / 0.85, 2));
  EXPECT_EQ(out.cells[jiegou::txtlud], formatFixed((load - 12.2) / 12.2 * 100, 2));
}

TEST(RowEvaluation, DcLoadVoltageIsTheExactInverseOfTheGroupsConversion) {
  SharedValues shared;
  Recorder out;
  RowInputs in = workedPrimary();
  in.role = RowRole::Secondary;
  // a load voltage of 14.40 V behind a silicon bridge
  in.referenceLoadVoltage = 14.40 + Val("0.00");
  in.referenceTurns = 100;
  in.current = 0;  // no drop, so the load voltage is the reference's
  in.rectifier = {0.85, 1.0, 2};
  evaluateRow(shared, in, out);
  EXPECT_EQ(out.cells[jiegou::TXTULOADE], "14.40");
  EXPECT_EQ(out.cells[jiegou::CMBLINK], "14.59");
}

TEST(RowEvaluation, NoLoadVoltageFromTurnsOrCopied) {
  SharedValues shared;
  Recorder induced, copied;
  RowInputs in = workedPrimary();
  in.role = RowRole::Secondary;
  in.turns = "12";
  in.referenceTurns = 100;
  NoLoadVoltage fromTurns;
  fromTurns.kind = NoLoadVoltage::Kind::FromTurns;
  fromTurns.fluxDensity = 1.5;
  fromTurns.frequency = 50;
  fromTurns.section = 10;
  in.noLoadVoltage = fromTurns;
  evaluateRow(shared, in, induced);
  EXPECT_EQ(induced.cells[jiegou::TxtUnV], "4.00");  // 3.996 V
  in.noLoadVoltage = NoLoadVoltage{NoLoadVoltage::Kind::Copy, "26.316"};
  evaluateRow(shared, in, copied);
  EXPECT_EQ(copied.cells[jiegou::TxtUnV], "26.316");
}

TEST(RowEvaluation, TurnsFromTheVoltageRoundHalfToEven) {
  SharedValues shared;
  Recorder out;
  RowInputs in = workedPrimary();
  in.turnsFromVoltage = TurnsFromVoltage{12, 50, 1.5, 10};
  evaluateRow(shared, in, out);
  EXPECT_EQ(out.cells[jiegou::TXTTURN], "36");  // 120000 / 3330 = 36.04
  in.turnsFromVoltage = TurnsFromVoltage{12, 0, 1.5, 10};
  Recorder blank;
  evaluateRow(shared, in, blank);
  EXPECT_EQ(blank.cells[jiegou::TXTTURN], "");
}

}  // namespace
}  // namespace corvane::winding
