#include "reports/manufacturing_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "model/shared_values.h"
#include "support/design_fixture.h"

namespace corvane::testing {
namespace {

class ManufacturingSheetTest : public DesignTest {
 protected:
  void print() { structure().userClick(structure().control("Pr")); }
  std::string loadCurrent(int row) { return loadCurrentCell(workspace, row); }
  void setRow(int row, const WindingRowTexts& texts) {
    workspace.runEvent([&] { structure().setRow(row, texts); });
  }
  void resize(int highest) {
    workspace.runEvent([&] { structure().resize(highest); });
  }
};

// clang-format off
const std::vector<std::string> kTypicalSheet{
    "scale 0 0 210 290",
    "font 黑体 9",
    "font 黑体 14",
    "print 90 15 \"变压器制作参数表\"",
    "print 0 20.4327777777778",
    "font 黑体 12",
    "print 15 35 \"1.绕线顺序表\"",
    "line 15 39.6566666666667 190 39.6566666666667 0,0,0",
    "print 15 40 \"绕组\"",
    "print 25 40 \"引线型号\"",
    "print 43.5 40 \"引线颜色\"",
    "print 94 40 \"铜线类型\"",
    "print 112.5 40 \"铜线规格(mm)\"",
    "print 141 40 \"铜线股数\"",
    "print 160 40 \"匝数\"",
    "print 172 40 \"每层匝数\"",
    "print 62 40 \"引线端子\"",
    "line 15 44.6566666666667 190 44.6566666666667 0,0,0",
    "print 15 45 \"N1\"",
    "print 25 45 \"UL1015\"",
    "print 43.5 45 \"红/红\"",
    "print 94 45 \"2UEW\"",
    "print 112.5 45 \"0.25\"",
    "print 141 45 \"1\"",
    "print 160 45 \"1180\"",
    "print 172 45 \"95\"",
    "print 62 45 \"UL1015 红/红\"",
    "print 15 50 \"N2\"",
    "print 25 50 \"UL1015\"",
    "print 43.5 50 \"红/红\"",
    "print 94 50 \"2UEW\"",
    "print 112.5 50 \"0.8\"",
    "print 141 50 \"1\"",
    "print 160 50 \"75\"",
    "print 172 50 \"23\"",
    "print 62 50 \"UL1015 红/红\"",
    "line 15 54.6566666666667 190 54.6566666666667 0,0,0",
    "print 15 110 \"2.铁芯规格\"",
    "print 15 117 \"EI-48*30\" gap 3 \"H12-0.5A\" gap 3 \"0.5\" gap 3 \"345.6g\" gap 6 \"空载电流Io：\" gap 3 \"45.6mA\"",
    "line 15 121.656666666667 190 121.656666666667 0,0,0",
    "print 15 122 \"3.骨架\"",
    "print 15 130 \"EI-48*30\" gap 3 \"抽屉型\" gap 3 \"CT-48-30\" gap 3 \"标准骨架\"",
    "print 15 137 \"4.电气参数\"",
    "line 15 141.656666666667 190 141.656666666667 0,0,0",
    "print 15 145 \"绕组\"",
    "print 24 145 \"空载电压(V)\"",
    "print 49 145 \"负载电压(V)\"",
    "print 74 145 \"负载电流(A)\"",
    "print 99 145 \"直流电阻(Ω)\"",
    "print 124 145 \"绕组损耗(W)\"",
    "print 149 145 \"电压调整率(%)\"",
    "print 179 145 \"铜重(g)\"",
    "line 15 149.656666666667 190 149.656666666667 0,0,0",
    "print 15 150 \"N1\"",
    "print 49 150 \"220\"",
    "print 74 150 \"0.183\"",
    "print 99 150 \"41.301\"",
    "print 124 150 \"1.625\"",
    "print 179 150 \"51.332\"",
    "print 15 155 \"N2\"",
    "print 24 155 \"14.88\"",
    "print 49 155 \"12.45\"",
    "print 74 155 \"2.00\"",
    "print 99 155 \"0.316\"",
    "print 124 155 \"4.046\"",
    "print 149 155 \"13.3%\"",
    "print 179 155 \"15.105\"",
    "line 15 159.656666666667 190 159.656666666667 0,0,0",
    "print 110 205 \"6.结构示意图\"",
    "print 15 205 \"5.外形示意图\"",
    "picture Img 15 210 82 52",
    "picture Picture1 110 210 85 52",
    "line 15 263 190 263 0,0,0",
    "print 20 265 \"负载温升 38.2℃（封闭 54.0℃）\"",
    "print 150 265 \"2024/3/9\"",
    "enddoc",
};
// clang-format on

// The primary prints the electrical form's primary current and no
// regulation; the 12 V winding's 4.046 W in 371.5 mΩ is 3.3 A of AC, 2.00 A
// on the DC side of the bridge (Ki 1.65); 41300.5 mΩ prints as 41.301 Ω.
TEST_F(ManufacturingSheetTest, TypicalDesignPrintsEveryPositionLineByLine) {
  print();
  ASSERT_TRUE(host.printerAsked);
  EXPECT_EQ(host.printed, kTypicalSheet);
  EXPECT_TRUE(host.messages.empty());
}

// Each run's rise is printed as that run's, whichever was pressed last; a
// run not made leaves its line out rather than showing the other's rise.
TEST_F(ManufacturingSheetTest, RisesArePrintedEachUnderItsOwnRun) {
  structure().rises = {"38.2℃", "54.0℃", "21.7℃"};
  print();
  EXPECT_TRUE(host.hasPrinted("print 20 265 \"负载温升 38.2℃（封闭 54.0℃）\""));
  EXPECT_TRUE(host.hasPrinted("print 20 270 \"空载温升 21.7℃\""));
  structure().rises = {"", "", "21.7℃"};
  print();
  EXPECT_EQ(host.countPrinted("print 20 265"), 0u);
  EXPECT_TRUE(host.hasPrinted("print 20 270 \"空载温升 21.7℃\""));
  structure().rises = {};
  print();
  EXPECT_EQ(host.countPrinted("print 20 2"), 0u);
}

// The primaries print the mains they are wound for, the lead terminal
// column the leads, and a no-load current that could not be worked out
// prints no made-up "0mA".
TEST_F(ManufacturingSheetTest, PrimaryVoltagesLeadsAndAnEmptyNoLoadCurrent) {
  electrical().userClick(electrical().control("Chkp"));
  electrical().userSetText(electrical().control("TXTUIN2"), "110");
  setRow(1, {{"CmBleadtype", "UL1007"}, {"CMBCLR", "黑/黑"}});
  structure().control("TxtI0").setText("");
  print();
  EXPECT_TRUE(printed("print 49 150 \"220\""));
  EXPECT_TRUE(printed("print 49 155 \"110\""));
  EXPECT_TRUE(printed("print 62 50 \"UL1007 黑/黑\""));
  EXPECT_FALSE(printed("print 62 50 \"12.45\""));  // never the load voltage
  auto core = std::find_if(host.printed.begin(), host.printed.end(),
                           [](const std::string& l) { return l.rfind("print 15 117 ", 0) == 0; });
  ASSERT_NE(core, host.printed.end());
  EXPECT_TRUE(core->ends_with("\"空载电流Io：\" gap 3 \"\"")) << *core;
}

// Every rule, text and picture keeps 15 mm from the sheet's edges, and no
// rule runs through a line of text, with fourteen rows over two pages.
TEST_F(ManufacturingSheetTest, EveryMarkKeepsTheMarginsAndNoRuleCrossesText) {
  resize(13);
  print();
  const double lineHeight = 12 * 25.4 / 72;
  std::vector<double> textTops, rules;
  for (const std::string& line : host.printed) {
    std::istringstream in(line);
    std::string verb;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    in >> verb;
    if (verb == "picture") {
      std::string name;
      in >> name;
    }
    in >> x1 >> y1 >> x2 >> y2;
    if (verb == "newpage") {
      textTops.clear();
      rules.clear();
    } else if (verb == "line") {
      EXPECT_GE(std::min(x1, x2), 15) << line;
      EXPECT_LE(std::max(x1, x2), 195) << line;
      EXPECT_LE(std::max(y1, y2), 275) << line;
      rules.push_back(y1);
    } else if (verb == "picture") {
      EXPECT_GE(x1, 15) << line;
      EXPECT_LE(x1 + x2, 195) << line;
      EXPECT_LE(y1 + y2, 275) << line;
    } else if (verb == "print" && line.find('"') != std::string::npos) {
      EXPECT_GE(x1, 15) << line;
      EXPECT_GE(y1, 15) << line;
      EXPECT_LE(y1 + lineHeight, 275 + 1e-9) << line;
      textTops.push_back(y1);
    }
    for (double rule : rules)
      for (double top : textTops)
        EXPECT_FALSE(rule > top + 1e-9 && rule < top + lineHeight - 1e-9)
            << "rule at " << rule << " through the text at " << top;
  }
}

TEST_F(ManufacturingSheetTest, EachSecondaryConvertsWithItsOwnGroupsCurrentFactor) {
  typeGroup(1, "10", "1", "半波电阻", "无");  // converted last: the shared factor is 1.57
  ASSERT_DOUBLE_EQ(workspace.shared().gRectCurrFactor.num(workspace), 1.57);
  // 3.3 A of AC in 0.5 Ω and 1.57 A in 1 Ω
  setRow(1, {{"TXTPCU", "5.445"}, {"TXTDCRHOT", "500"}});
  setRow(2, {{"TXTPCU", "2.4649"}, {"TXTDCRHOT", "1000"}});
  EXPECT_EQ(loadCurrent(1), "2.00");  // bridge with capacitor, Ki 1.65 (1.57 gave 2.10)
  EXPECT_EQ(loadCurrent(2), "1.00");  // half wave, Ki 1.57
}

TEST_F(ManufacturingSheetTest, SecondPrimaryPrintsTheCurrentItsCopperLossImplies) {
  electrical().userClick(electrical().control("Chkp"));  // two primaries: rows 0, 1 and 2
  ASSERT_EQ(structure().control("Txtzb").text(), "2");
  setRow(1, {{"TXTPCU", "0.8"}, {"TXTDCRHOT", "20000"}});  // 0.2 A in 20 Ω
  setRow(2, {{"TXTPCU", "5.445"}, {"TXTDCRHOT", "500"}});
  EXPECT_EQ(loadCurrent(0), electrical().control("TXTIIN").text());
  EXPECT_EQ(loadCurrent(1), "0.20");
  EXPECT_EQ(loadCurrent(2), "2.00");
}

TEST_F(ManufacturingSheetTest, CellsThatCannotBeDerivedPrintNothing) {
  setRow(1, {{"TXTDCRHOT", "0"}, {"TxtUnV", "0"}, {"TXTDCR20", ""}});
  EXPECT_EQ(loadCurrent(1), "");
  setRow(1, {{"TXTDCRHOT", "371.5"}, {"TXTPCU", "-1"}});
  EXPECT_EQ(loadCurrent(1), "");
  resize(2);  // a row with no output group behind it: no factor to convert with
  setRow(2, {{"TXTPCU", "1"}, {"TXTDCRHOT", "1000"}});
  EXPECT_EQ(loadCurrent(2), "");
  print();
  // row 1: no load current, no resistance, no regulation of a 0 V winding
  EXPECT_EQ(printedFrom("print 15 155 \"N2\"", 4),
            (std::vector<std::string>{"print 15 155 \"N2\"", "print 24 155 \"0\"",
                                      "print 49 155 \"12.45\"", "print 124 155 \"-1\""}));
  EXPECT_EQ(host.printed.back(), "enddoc");
}

TEST_F(ManufacturingSheetTest, ElevenRowsFitOnePage) {
  resize(10);
  print();
  EXPECT_EQ(countPrinted("newpage"), 0u);
  EXPECT_TRUE(printed("print 15 95 \"N11\""));   // winding table
  EXPECT_TRUE(printed("print 15 200 \"N11\""));  // electrical table, its last place
}

TEST_F(ManufacturingSheetTest, TwelfthRowGoesOnASecondPageUnderTheElectricalHeader) {
  resize(11);
  print();
  ASSERT_EQ(countPrinted("newpage"), 1u);
  EXPECT_TRUE(printed("print 15 100 \"N12\""));  // the winding table holds thirteen
  std::vector<std::string> second = printedFrom("newpage", 100);
  std::vector<std::string> expectedStart{
      "newpage",
      "font 黑体 12",
      "font 黑体 14",
      "print 90 15 \"变压器制作参数表\"",
      "print 0 20.4327777777778",
      "font 黑体 12",
      "print 15 137 \"4.电气参数（续）\"",
      "line 15 141.656666666667 190 141.656666666667 0,0,0",
      "print 15 145 \"绕组\"",
  };
  ASSERT_GE(second.size(), expectedStart.size());
  EXPECT_EQ(std::vector<std::string>(second.begin(), second.begin() + expectedStart.size()),
            expectedStart);
  EXPECT_NE(std::find(second.begin(), second.end(), "print 15 150 \"N12\""), second.end());
  EXPECT_EQ(std::count(second.begin(), second.end(), "print 15 35 \"1.绕线顺序表（续）\""), 0);
  EXPECT_EQ(second.back(), "enddoc");
}

TEST_F(ManufacturingSheetTest, FourteenRowsContinueBothTables) {
  resize(13);
  print();
  ASSERT_EQ(countPrinted("newpage"), 1u);
  EXPECT_TRUE(printed("print 15 105 \"N13\""));  // the last place of the winding table
  std::vector<std::string> second = printedFrom("newpage", 200);
  for (const char* line :
       {"print 15 35 \"1.绕线顺序表（续）\"", "print 15 40 \"绕组\"", "print 15 45 \"N14\"",
        "print 15 137 \"4.电气参数（续）\"", "print 15 150 \"N12\"", "print 15 160 \"N14\""})
    EXPECT_NE(std::find(second.begin(), second.end(), line), second.end()) << line;
  EXPECT_EQ(std::count(second.begin(), second.end(), "print 15 45 \"N1\""), 0);
}

TEST_F(ManufacturingSheetTest, CancelledPrinterDialogPrintsNothingAndSaysNothing) {
  host.printerAvailable = false;
  print();
  EXPECT_TRUE(host.printCancelledSilently());
}

TEST_F(ManufacturingSheetTest, PrinterThatFailsGivesOneMessageNamingItAndTheReason) {
  std::string path =
      (std::filesystem::temp_directory_path() / "corvane-no-such-folder" / "sheet.rec").string();
  host.printerFactory = [path] { return std::make_unique<RecordingPrinter>(path); };
  print();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "无法打印到“" + path + "”：文件或文件夹不存在。");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace corvane::testing
