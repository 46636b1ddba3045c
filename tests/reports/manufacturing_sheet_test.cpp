#include "reports/manufacturing_sheet.h"

#include <gtest/gtest.h>

#include <filesystem>

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
    "print 15 40 \"绕组\"", "print 30 40 \"引线型号\"", "print 50 40 \"引线颜色\"",
    "print 70 40 \"引线端子\"", "print 90 40 \"铜线类型\"", "print 110 40 \"铜线规格\"",
    "print 130 40 \"铜线股数\"", "print 150 40 \"匝数\"", "print 170 40 \"每层匝数\"",
    "line 15 44.6566666666667 190 44.6566666666667 0,0,0",
    "print 15 45 \"N1\"", "print 30 45 \"UL1015\"", "print 50 45 \"红/红\"", "print 90 45 \"2UEW\"",
    "print 110 45 \"0.25\"", "print 130 45 \"1\"", "print 150 45 \"1180\"", "print 170 45 \"95\"",
    "print 15 50 \"N2\"", "print 30 50 \"UL1015\"", "print 50 50 \"红/红\"", "print 70 50 \"12.45\"",
    "print 90 50 \"2UEW\"", "print 110 50 \"0.8\"", "print 130 50 \"1\"", "print 150 50 \"75\"",
    "print 170 50 \"23\"",
    "line 15 54.6566666666667 190 54.6566666666667 0,0,0",
    "print 15 110 \"2.铁芯规格\"",
    "print 15 117 \"EI-48*30\" gap 3 \"H12-0.5A\" gap 3 \"0.5\" gap 3 \"345.6g\" gap 6 \"空载电流Io：\" gap 3 \"45.6mA\"",
    "line 15 121.656666666667 190 121.656666666667 0,0,0",
    "print 15 122 \"3 骨架\"",
    "print 15 130 \"EI-48*30\" gap 3 \"抽屉型\" gap 3 \"CT-48-30\" gap 3 \"标准骨架\"",
    "print 15 137 \"4电气参数\"",
    "line 15 141.656666666667 190 141.656666666667 0,0,0",
    "print 15 145 \"绕组\"", "print 30 145 \"空载电压\"", "print 50 145 \"负载电压\"",
    "print 70 145 \"负载电流\"", "print 90 145 \"直流电阻\"", "print 110 145 \"绕组损耗\"",
    "print 130 145 \"电压调整率\"", "print 175 145 \"铜重(g)\"",
    "print 15 150 \"N1\"", "print 70 150 \"0.183\"", "print 90 150 \"41.301\"",
    "print 110 150 \"1.625\"", "line 15 150 190 150 0,0,0", "print 175 150 \"51.332\"",
    "print 15 155 \"N2\"", "print 30 155 \"14.88\"", "print 50 155 \"12.45\"",
    "print 70 155 \"2.00\"", "print 90 155 \"0.316\"", "print 110 155 \"4.046\"",
    "print 130 155 \"13.3%\"", "line 15 155 190 155 0,0,0", "print 175 155 \"15.105\"",
    "print 110 205 \"6.结构示意图\"",
    "print 15 205 \"5.外形示意图\"",
    "picture Img 15 210 95 60",
    "picture Picture1 110 210 100 60",
    "line 15 275 190 275 0,0,0",
    "print 20 270 \"负载温升 38.2℃（封闭 54.0℃）\"",
    "print 130 280 \"2024/3/9\"",
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
  EXPECT_TRUE(host.hasPrinted("print 20 270 \"负载温升 38.2℃（封闭 54.0℃）\""));
  EXPECT_TRUE(host.hasPrinted("print 20 280 \"空载温升 21.7℃\""));
  structure().rises = {"", "", "21.7℃"};
  print();
  EXPECT_EQ(host.countPrinted("print 20 270"), 0u);
  EXPECT_TRUE(host.hasPrinted("print 20 280 \"空载温升 21.7℃\""));
  structure().rises = {};
  print();
  EXPECT_EQ(host.countPrinted("print 20 2"), 0u);
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
            (std::vector<std::string>{"print 15 155 \"N2\"", "print 30 155 \"0\"",
                                      "print 50 155 \"12.45\"", "print 110 155 \"-1\""}));
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
      "print 15 137 \"4电气参数（续）\"",
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
        "print 15 137 \"4电气参数（续）\"", "print 15 150 \"N12\"", "print 15 160 \"N14\""})
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
