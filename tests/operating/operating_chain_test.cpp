// The operating analysis at the end of the chain of real forms: the typical
// design (220 V, 12 V / 2 A through a silicon bridge with a reservoir
// capacitor, EI48 × 30 of 50H800, one-slot bobbin) checked field by field
// with the formulas written out, a core driven into saturation at high
// mains, the figures following the design, the report, and the form's place
// outside the saved design.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../electrical/test_host.h"
#include "app/form_catalog.h"
#include "model/design_session.h"
#include "model/project_state.h"
#include "model/translator.h"
#include "model/value.h"
#include "model/workspace.h"
#include "operating/frmoperating.h"
#include "operating/operating_fields.h"
#include "operating/operating_report.h"
#include "reports/recording_printer.h"
#include "support/test_files.h"
#include "support/typical_design.h"
#include "winding/jiegou_fields.h"

namespace corvane::testing {
namespace {

using namespace operatingform;

class OperatingChainTest : public ::testing::Test {
 protected:
  OperatingChainTest() { registerAllForms(workspace); }
  Form& form(const char* name) { return workspace.form(name); }
  FrmOperating* operating() {
    return dynamic_cast<FrmOperating*>(workspace.existing(FrmOperating::kName));
  }

  // The typical design up to the winding structure, as a designer types it.
  void typicalStructure() {
    form("Frmeledata").show();
    typeTypicalDesign(designer);
  }
  void openAnalysis() { designer.click("Frmjiegou", jiegou::CmdOperating); }

  std::string field(const char* name, int index = -1) {
    return operating()->control(name, index).text();
  }
  std::string structure(const char* name, int row = -1) {
    return form("Frmjiegou").control(name, row).text();
  }

  TestHost host;
  Workspace workspace{host};
  FormDesigner designer{workspace};
};

TEST_F(OperatingChainTest, TheTypicalDesignShowsEveryFigureAsWorkedOutByHand) {
  typicalStructure();
  // what the analysis reads: U1 220 V; Bm 1.60 T and Pc 3.13 W of the core,
  // le 96.0 mm, FM 28.88 and FC 72.24 cm²; N1 1358 turns and R1 75175.4 mΩ,
  // the copper losses 3.507 + 5.776 W, I0 0.0860 A, the winding's no-load
  // voltage 14.878 V; the allowed rise 95 K
  ASSERT_EQ(form("Frmcore").control("TxtBm").text(), "1.60");
  ASSERT_EQ(form("Frmcore").control("txtpc").text(), "3.13W");
  ASSERT_EQ(form("Frmcore").control("txtle").text(), "96.0");
  ASSERT_EQ(form("Frmcore").control("TxtFM").text(), "28.88");
  ASSERT_EQ(form("Frmcore").control("TxtFc").text(), "72.24");
  ASSERT_EQ(structure(jiegou::TXTTURN, 0), "1358");
  ASSERT_EQ(structure(jiegou::TXTDCR20, 0), "75175.4");
  ASSERT_EQ(structure(jiegou::TXTPCU, 0), "3.507");
  ASSERT_EQ(structure(jiegou::TXTPCU, 1), "5.776");
  ASSERT_EQ(structure(jiegou::TxtI0), "0.0860");
  ASSERT_EQ(structure(jiegou::TxtUnV, 1), "14.878");
  ASSERT_EQ(form("Frmeledata").control("TXTTEMPD").text(), "95");
  openAnalysis();
  ASSERT_NE(operating(), nullptr);
  EXPECT_TRUE(operating()->visible());
  EXPECT_EQ(field(MainsTolerance), "10");

  // U1 × 0.9, 1, 1.1
  EXPECT_EQ(field(MainsVoltage, 0), "198.0");
  EXPECT_EQ(field(MainsVoltage, 1), "220.0");
  EXPECT_EQ(field(MainsVoltage, 2), "242.0");
  // Bm × m; green below the steel's 1.68 T, yellow from it
  EXPECT_EQ(field(FluxDensity, 0), "1.440");
  EXPECT_EQ(field(FluxDensity, 1), "1.600");
  EXPECT_EQ(field(FluxDensity, 2), "1.760");
  EXPECT_EQ(operating()->control(FluxDensity, 0).backColor(), (Rgb{0, 255, 0}));
  EXPECT_EQ(operating()->control(FluxDensity, 2).backColor(), (Rgb{255, 255, 0}));
  // Pc × m²: 3.13 × 0.81 = 2.5353, 3.13 × 1.21 = 3.7873
  EXPECT_EQ(field(IronLoss, 0), "2.54");
  EXPECT_EQ(field(IronLoss, 1), "3.13");
  EXPECT_EQ(field(IronLoss, 2), "3.79");
  // low: 1.44 T is the 50H800 band up to 1.44 T, H = 6.5 A/cm:
  // √((0.1 × 96 × 6.5 / 1358)² + (2.5353 / 198)²) = √(0.045950² + 0.012805²)
  EXPECT_EQ(field(NoLoadCurrent, 0), "0.0477");
  EXPECT_EQ(field(NoLoadCurrent, 1), "0.0860");
  // high: 1.76 T is above the curve's 1.7 T, the primary alone limits it:
  // 242 / 75.1754 Ω
  EXPECT_EQ(field(NoLoadCurrent, 2), "3.2191");
  // 1.543 × ((Pc m² + 9.283) × 1000 / 101.12)^0.833 with 11.8183, 12.413,
  // 13.0703 W
  EXPECT_EQ(field(LoadRise, 0), "81.4");
  EXPECT_EQ(field(LoadRise, 1), "84.8");
  EXPECT_EQ(field(LoadRise, 1) + "℃", structure(jiegou::TXTTEMP));
  EXPECT_EQ(field(LoadRise, 2), "88.6");
  // × 1.414
  EXPECT_EQ(field(EnclosedRise, 0), "115.1");
  EXPECT_EQ(field(EnclosedRise, 1), "119.9");
  EXPECT_EQ(field(EnclosedRise, 2), "125.3");
  // 0.8 × 95 = 76 ≤ T < 105
  for (int k = 0; k < 3; ++k) EXPECT_EQ(field(Verdict, k), "过热") << k;

  // the bridge's reservoir: √2 × 14.878 × m − 2 × 1.0 V
  EXPECT_EQ(field(GroupName, 0), "W1");
  EXPECT_EQ(field(GroupCircuit, 0), "全桥电容");
  EXPECT_EQ(field(NoLoadOutLow, 0), "16.94");
  EXPECT_EQ(field(NoLoadOutNominal, 0), "19.04");
  EXPECT_EQ(field(NoLoadOutHigh, 0), "21.14");
  EXPECT_EQ(field(CapacitorRating, 0), "25");
  EXPECT_FALSE(operating()->control(NoLoadOutHigh, 1).visible());

  // Po = 12 × 2 = 24 W, Pfe 3.13, Pcu 9.283, Pd = 2 × 1.0 × 2 = 4 W
  const char* power[] = {"6.00", "12.00", "18.00", "24.00"};
  // 3.13 + x² × 9.283 + x × 4
  const char* losses[] = {"4.71", "7.45", "11.35", "16.41"};
  // 100 x Po / (x Po + losses)
  const char* efficiency[] = {"56.0", "61.7", "61.3", "59.4"};
  for (int j = 0; j < 4; ++j) {
    EXPECT_EQ(field(OutputPower, j), power[j]) << j;
    EXPECT_EQ(field(Losses, j), losses[j]) << j;
    EXPECT_EQ(field(Efficiency, j), efficiency[j]) << j;
  }
  // (56.020 + 61.694 + 61.309 + 59.389) / 4
  EXPECT_EQ(field(AverageEfficiency), "59.6");
  // 3.13 + 0.0860² × 75.1754
  EXPECT_EQ(field(NoLoadInputPower), "3.686");
  // one DC group of 12 V: basic voltage; 0.071 ln 24 − 0.0014 × 24 + 0.67
  EXPECT_EQ(field(AdapterClass), "基本电压");
  EXPECT_EQ(field(RequiredEfficiency), "86.2");
  EXPECT_EQ(field(RequiredNoLoadPower), "0.100");
  EXPECT_EQ(field(AdapterVerdict), "不满足六级能效：平均效率、空载功耗");
  EXPECT_NE(operating()->control(AdapterNote).caption().find("插墙式电源适配器"),
            std::string::npos);
}

TEST_F(OperatingChainTest, ACoreDrivenIntoSaturationAtHighMainsShowsTheResistorLimitedCurrent) {
  typicalStructure();
  // 1.65 T: within the 50H800 curve at nominal mains, 1.815 T at 110 %
  designer.set("Frmjiegou", jiegou::TxtBm, "1.65");
  designer.enter("Frmjiegou", jiegou::TxtBm);
  ASSERT_EQ(form("Frmcore").control("TxtBm").text(), "1.65");
  openAnalysis();
  EXPECT_EQ(field(FluxDensity, 1), "1.650");
  EXPECT_EQ(field(FluxDensity, 2), "1.815");
  EXPECT_EQ(operating()->control(FluxDensity, 2).backColor(), (Rgb{255, 0, 0}));
  EXPECT_NE(operating()->control(FluxDensity, 1).backColor(), (Rgb{255, 0, 0}));
  const double u1 = 220 * 1.1, r1 = Val(structure(jiegou::TXTDCR20, 0)) * 0.001;
  EXPECT_EQ(field(NoLoadCurrent, 2), formatFixed(u1 / r1, 4));
  EXPECT_LT(Val(field(NoLoadCurrent, 1)), 1);  // still on the curve at nominal mains
}

TEST_F(OperatingChainTest, TheFiguresFollowTheDesignAndTheTolerance) {
  typicalStructure();
  openAnalysis();
  designer.set(FrmOperating::kName, MainsTolerance, "15");
  EXPECT_EQ(field(MainsVoltage, 0), "187.0");
  EXPECT_EQ(operating()->control(MainsHeader, 2).caption(), "高压 +15%");
  designer.set(FrmOperating::kName, MainsTolerance, "abc");
  EXPECT_EQ(field(MainsVoltage, 0), "");
  EXPECT_NE(operating()->control(MainsVoltage, 0).toolTip().find("电网波动没有数值"),
            std::string::npos);
  EXPECT_EQ(field(AverageEfficiency), "59.6");  // no mains column in it
  designer.set(FrmOperating::kName, MainsTolerance, "10");

  // a new input voltage on the electrical form shows when the form is opened again
  designer.set("Frmeledata", "TXTUIN1", "230");
  EXPECT_EQ(field(MainsVoltage, 1), "220.0");
  openAnalysis();
  EXPECT_EQ(field(MainsVoltage, 1), "230.0");
  designer.set("Frmeledata", "TXTUIN1", "240");
  designer.click(FrmOperating::kName, CmdCalculate);
  EXPECT_EQ(field(MainsVoltage, 1), "240.0");
}

TEST_F(OperatingChainTest, WithoutAWindingTableTheWindingFiguresStayEmpty) {
  form("Frmeledata").show();
  designer.set("Frmeledata", "TXTUIN1", "220");
  workspace.form(FrmOperating::kName).show();
  EXPECT_EQ(field(MainsVoltage, 1), "220.0");
  for (const char* name : {NoLoadCurrent, LoadRise, Verdict, NoLoadOutHigh, Losses})
    EXPECT_EQ(field(name, 1), "") << name;
  EXPECT_NE(operating()->control(LoadRise, 1).toolTip().find("结构仿真窗体未打开"),
            std::string::npos);
  EXPECT_EQ(field(NoLoadInputPower), "");
  EXPECT_EQ(field(AdapterVerdict), "");
}

TEST_F(OperatingChainTest, TheReportPrintsTheFiguresOnOnePage) {
  typicalStructure();
  openAnalysis();
  designer.click(FrmOperating::kName, CmdPrint);
  ASSERT_TRUE(host.printerAsked);
  EXPECT_TRUE(host.hasPrinted("print 85 15 \"工况分析报告\""));
  EXPECT_TRUE(host.hasPrinted("print 150 67 \"3.2191\""));  // I0 at high mains
  EXPECT_TRUE(host.hasPrinted("print 130 109 \"21.14\""));  // W1 at high mains
  EXPECT_EQ(host.countPrinted("newpage"), 0u);
  EXPECT_EQ(host.printed.back(), "enddoc");
  size_t notes = 0;
  for (const std::string& line : host.printed)
    notes += line.find("插墙式电源适配器") != std::string::npos;
  EXPECT_EQ(notes, 1u);
}

// In English the low-line column and a low-voltage adapter, both "低压" in
// Chinese, print as what each is: the adapter's class is the form's word.
TEST_F(OperatingChainTest, TheReportPrintsTheAdaptersClassAsTheFormsWordNotAsTheColumn) {
  class TwoMeanings : public Translator {
   public:
    std::string translate(std::string_view context, const std::string& source) const override {
      if (source != "低压") return source;
      return context == wordsContext(FrmOperating::kName) ? "Low-voltage" : "Low line";
    }
  };
  typicalStructure();
  openAnalysis();
  operating()->control(AdapterClass).setText("低压");
  TwoMeanings english;
  RecordingPrinter page;
  page.translateWith(&english);
  printOperatingReport(*operating(), page);
  auto printed = [&page](const std::string& text) {
    for (const std::string& line : page.lines())
      if (line.find("\"" + text) != std::string::npos) return true;
    return false;
  };
  EXPECT_TRUE(printed("Low line"));       // the column of the low mains, with its tolerance
  EXPECT_TRUE(printed("Low-voltage\""));  // the class
  EXPECT_FALSE(printed("低压\""));
}

// The figures are worked out, never saved: a new design or an opened one
// finds no form showing the old design's figures.
TEST_F(OperatingChainTest, TheFormIsNeitherSavedNorKeptAcrossDesigns) {
  TestFolder folder("operating");
  typicalStructure();
  openAnalysis();
  designer.set(FrmOperating::kName, MainsTolerance, "20");
  for (const FormRecord& saved : captureProject(workspace).forms)
    EXPECT_NE(saved.name, FrmOperating::kName);
  const std::string path = (folder.path() / "d.cvd").string();
  ASSERT_TRUE(workspace.session().saveTo(path));
  EXPECT_FALSE(workspace.session().hasUnsavedChanges());

  ASSERT_TRUE(workspace.session().openFile(path));
  EXPECT_EQ(operating(), nullptr);
  openAnalysis();
  EXPECT_EQ(field(MainsTolerance), "10");
  EXPECT_EQ(field(MainsVoltage, 1), "220.0");

  ASSERT_TRUE(workspace.session().startNewDesign());
  EXPECT_EQ(operating(), nullptr);
}

}  // namespace
}  // namespace corvane::testing
