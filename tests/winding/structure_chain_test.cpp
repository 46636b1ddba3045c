// The whole chain with the real forms: the typical design typed on the
// electrical form, a core on each steel curve or from a rated-power table, a
// bobbin, then the structure form with its design pass and both runs.
#include <gtest/gtest.h>

#include "app/form_catalog.h"

#include "../electrical/test_host.h"
#include "bobbin/frmbobbin.h"
#include "core/frmcore.h"
#include "electrical/frmeledata.h"
#include "model/picture.h"
#include "model/value.h"
#include "model/workspace.h"
#include "simulation/no_load_current.h"
#include "support/typical_design.h"
#include "winding/frmjiegou.h"
#include "winding/jiegou_fields.h"

namespace corvane::testing {
namespace {

using namespace jiegou;

class StructureChainTest : public ::testing::Test {
 protected:
  StructureChainTest() { registerAllForms(workspace); }
  Form& electrical() { return workspace.form(Frmeledata::kName); }
  Form& core() { return workspace.form(Frmcore::kName); }
  Form& bobbin() { return workspace.form(Frmbobbin::kName); }
  Frmjiegou* structure() { return dynamic_cast<Frmjiegou*>(workspace.existing(Frmjiegou::kName)); }

  void set(Form& form, const char* name, const char* text, int row = -1) {
    form.userSetText(form.control(name, row), text);
  }
  void enter(Form& form, const char* name, int row = -1) {
    form.userEnter(form.control(name, row));
  }
  void click(Form& form, const char* name) { form.userClick(form.control(name)); }
  void choose(Form& form, const char* name, const char* item, int row = -1) {
    Control& list = form.control(name, row);
    form.userChoose(list, list.findItem(item));
  }

  // 220 V in, 12 V / 2 A out of a bridge with a reservoir capacitor and silicon diodes.
  void typicalSpecification() {
    electrical().show();
    typeTypicalRequirements(designer);
  }
  // An EI48 × 30 lamination of the given steel, without a rated-power table.
  void laminationCore(const char* grade) { chooseTypicalCore(designer, grade); }
  void oneSlotBobbinAndStructure() { takeOneSlotBobbinToStructure(designer); }
  std::string cell(const char* name, int row = -1) {
    return structure()->control(name, row).text();
  }

  TestHost host;
  Workspace workspace{host};
  FormDesigner designer{workspace};
};

TEST_F(StructureChainTest, TypicalDesignGoesEndToEnd) {
  typicalSpecification();
  laminationCore("50H800");
  oneSlotBobbinAndStructure();
  ASSERT_NE(structure(), nullptr);
  EXPECT_TRUE(structure()->visible());
  EXPECT_FALSE(electrical().visible());
  EXPECT_EQ(cell(Txtzb), "1");
  EXPECT_EQ(cell(TXTNAME), "EI-48*30");
  // every winding is designed: turns, wire, layout, loss
  for (int row = 0; row <= 1; ++row) {
    EXPECT_GT(Val(cell(TXTTURN, row)), 0) << row;
    EXPECT_GT(Val(cell(TXTWIRE, row)), 0) << row;
    EXPECT_GT(Val(cell(TXTHT, row)), 0) << row;
    EXPECT_GT(Val(cell(TXTPCU, row)), 0) << row;
  }
  EXPECT_EQ(cell(TxtUnV, 1), electrical().control("TXTUNLOAD", 0).text());
  EXPECT_EQ(cell(TxtUnV, 0), "");
  // the secondary's DC voltage back through its own bridge: (Uload − 2 × 1.0) / 0.85
  EXPECT_EQ(cell(CMBLINK, 1), formatFixed((Val(cell(TXTULOADE, 1)) - 2) / 0.85, 2));
  EXPECT_TRUE(structure()->control(Picture1).picture().hasDrawing());
  EXPECT_FALSE(cell(TXTTEMP).empty());

  click(*structure(), Command5);
  click(*structure(), Command6);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_TRUE(host.messages[0].text.starts_with("负载运行") ||
              host.messages[0].icon == MessageIcon::Warning);
  EXPECT_TRUE(host.messages[1].text.starts_with("空载运行") ||
              host.messages[1].icon == MessageIcon::Warning);
}

// One design on each of the four magnetising curves: the no-load current at
// the opening is the curve's, from the core and the primary as they stand.
class CurveChainTest : public StructureChainTest,
                       public ::testing::WithParamInterface<const char*> {};

TEST_P(CurveChainTest, NoLoadCurrentFollowsTheSteelsCurve) {
  typicalSpecification();
  laminationCore(GetParam());
  oneSlotBobbinAndStructure();
  ASSERT_NE(structure(), nullptr);
  EXPECT_EQ(core().control("Text3").text(), "");
  simulation::NoLoadInputs in;
  in.fluxDensity = core().control("TxtBm").num();
  in.pathLength = core().control("txtle").num();
  in.ironLoss = core().control("txtpc").num();
  in.primaryVoltage = 220;
  in.primaryTurns = Val(cell(TXTTURN, 0));
  in.primaryResistance = Val(cell(TXTDCR20, 0));
  const std::string expected = simulation::curveNoLoadCurrentText(GetParam(), in);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(cell(TxtI0), expected);
  click(*structure(), Command1);
  EXPECT_EQ(cell(TxtI0), expected);
  click(*structure(), Command5);
  click(*structure(), Command6);
  EXPECT_EQ(host.messages.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Steels, CurveChainTest,
                         ::testing::Values("50H800", "50H600", "50H350", "Z11"));

TEST_F(StructureChainTest, RatedPowerCoreUsesItsNoLoadVoltAmperes) {
  typicalSpecification();
  click(electrical(), "cmdcore");
  click(core(), "OptBZ");  // the 50H800 table proposes EI60 × 40 for 47.6 W
  ASSERT_EQ(core().control("Text3").text(), "800");
  oneSlotBobbinAndStructure();
  EXPECT_EQ(cell(TxtI0), formatFixed(Val(core().control("TxtVa0").text()) / 220, 5));
  click(*structure(), Command5);
  ASSERT_EQ(host.messages.size(), 1u);
}

TEST_F(StructureChainTest, PreviousStepDiscardsAndTheNextOpeningRebuilds) {
  typicalSpecification();
  laminationCore("50H800");
  oneSlotBobbinAndStructure();
  structure()->control(TXTWN, 1).setText("OUT");
  click(*structure(), Command2);
  EXPECT_EQ(structure(), nullptr);
  EXPECT_TRUE(electrical().visible());
  click(electrical(), "CMDJIEDOU");
  ASSERT_NE(structure(), nullptr);
  EXPECT_EQ(cell(TXTWN, 1), "N2");
}

// A group added on the electrical form while the structure form is open: the
// next "结构仿真" builds the table for the new count, so rows and count agree.
TEST_F(StructureChainTest, OpeningAgainForAnotherGroupCountRebuildsTheTable) {
  typicalSpecification();
  laminationCore("50H800");
  oneSlotBobbinAndStructure();
  structure()->control(TXTWN, 1).setText("kept");
  click(electrical(), "CMDJIEDOU");  // same count: the table stays
  EXPECT_EQ(cell(TXTWN, 1), "kept");
  auto& groups = workspace.form<Frmeledata>(Frmeledata::kName);
  workspace.runEvent([&] { groups.appendGroup(); });
  set(groups, "txtudc", "5", 1);
  enter(groups, "txtudc", 1);
  set(groups, "txtidc", "1", 1);
  enter(groups, "txtidc", 1);
  click(groups, "CMDJIEDOU");
  ASSERT_NE(structure(), nullptr);
  EXPECT_EQ(cell(Txtzb), "2");
  EXPECT_EQ(cell(TXTWN, 1), "N2");
  EXPECT_TRUE(structure()->array(TXTWN).has(2));
  EXPECT_GT(Val(cell(TXTTURN, 2)), 0);
}

// The cost form opened again after the core changed prices the new design:
// the core and copper weights, the lamination count and the wire follow the
// forms, while a price the designer typed stays.
TEST_F(StructureChainTest, CostFormOpenedAgainPricesTheDesignAsItNowStands) {
  typicalSpecification();
  laminationCore("50H800");
  oneSlotBobbinAndStructure();
  click(*structure(), Command4);
  Form& cost = workspace.form("FrmBomList");
  set(cost, "TxtCorePrice", "40");
  set(cost, "TxtWirePrice", "60", 1);
  const std::string oldCore = cost.control("txtwe").text();
  const std::string oldCopper = cost.control("TXTCUWEIGH", 1).text();

  click(*structure(), Command2);
  laminationCore("50H800");
  set(core(), "TxtB", "40");
  enter(core(), "TxtB");
  oneSlotBobbinAndStructure();
  click(*structure(), Command4);
  EXPECT_EQ(cost.control("txtwe").text(), core().control("txtwe").text());
  EXPECT_NE(cost.control("txtwe").text(), oldCore);
  EXPECT_EQ(Val(cost.control("TXTCUWEIGH", 1).text()), Val(cell(TXTCUWEIGH, 1)));
  EXPECT_NE(cost.control("TXTCUWEIGH", 1).text(), oldCopper);
  EXPECT_EQ(cost.control("TxtZpQ").text(), "81");  // 40 / 0.5 / 0.98 laminations
  EXPECT_EQ(cost.control("txtcname").text(), "EI-48*40");
  EXPECT_EQ(cost.control("TxtCorePrice").text(), "40");
  EXPECT_EQ(cost.control("TxtWirePrice", 1).text(), "60");
  EXPECT_EQ(cost.control("TxtCoreCost").text(),
            formatFixed(40 * Val(core().control("txtwe").text()) * 0.001, 2));
}

}  // namespace
}  // namespace corvane::testing
