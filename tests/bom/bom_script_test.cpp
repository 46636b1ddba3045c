#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/script/script_runner.h"
#include "support/design_stand_ins.h"
#include "support/test_files.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out;
};

Outcome run(const std::string& script) {
  ScriptEnvironment environment;
  environment.extraForms = [](Workspace& ws) { testing::registerDesignStandIns(ws); };
  std::istringstream in(script);
  std::ostringstream out;
  Outcome result;
  result.status = runScript(in, out, environment);
  result.out = out.str();
  return result;
}

std::vector<std::string> readLines(const fs::path& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

class BomScript : public ::testing::Test {
 protected:
  std::string path(const char* name) const { return folder.file(name); }
  testing::TestFolder folder{"corvane-bom-script"};
};

const char* kTypicalDesign =
    "today 2024-05-20\n"
    "set Frmeledata.txtudc(0) 12\n"
    "set Frmeledata.txtidc(0) 2\n"
    "choose Frmeledata.CMBZL(0) 全桥电容\n"
    "choose Frmeledata.cmbdio(0) 硅管\n"
    "show Frmjiegou\n"
    "click Frmjiegou.\"材料清单\"\n";

// The cost form, its captions and its commands answer the script grammar.
TEST_F(BomScript, CostFormIsDrivenByItsCaptions) {
  Outcome r =
      run(std::string(kTypicalDesign) +
          "expect-prop FrmBomList caption Peak Corvane专家系统 - BOM材料清单\n"
          "click FrmBomList.\"应用\"\n"
          "expect FrmBomList.TxtTime 288.0\n"
          "expect FrmBomList.TxtGsF 0.58\n"
          "click FrmBomList.\"成本\"\n"
          "expect FrmBomList.TxtSelsCost 25.33\n"
          "click FrmBomList.\"磁屏蔽\"\n"
          "expect FrmBomList.TxtJGCost 1.49\n"
          "set FrmBomList.TxtLeadLeng(1) 300\n"
          "expect FrmBomList.TxtLead 0.50\n"
          "print FrmBomList.\"铁芯规格     铁芯片材   铁芯重量 (kg)  单价(元/kg)   成本（元）\"\n"
          "click FrmBomList.\"半成品检测\"\n"
          "expect FrmBomList.TxtTestTimeB 8\n");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("= \"铁芯规格     铁芯片材"), std::string::npos) << r.out;
}

TEST_F(BomScript, ReportsAndTheCsvFileGoWhereTheScriptSays) {
  Outcome r = run(std::string(kTypicalDesign) + "printer record " + path("sheet.rec") +
                  "\nclick Frmjiegou.\"打印\"\n"
                  "printer record " +
                  path("list.rec") +
                  "\nclick FrmBomList.\"制作清单\"\n"
                  "file " +
                  path("bom.csv") +
                  "\nclick FrmBomList.\"导出CSV\"\n"
                  "expect-message 材料清单已保存到“" +
                  path("bom.csv") +
                  "”。\n"
                  "printer record " +
                  path("missing/list.rec") + "\nclick FrmBomList.\"制作清单\"\n");
  // the last recording cannot be written: the user is told, and the run stops there
  EXPECT_EQ(r.status, 2) << r.out;
  EXPECT_NE(r.out.find("cannot write " + path("missing/list.rec")), std::string::npos) << r.out;
  std::vector<std::string> sheet = readLines(path("sheet.rec"));
  ASSERT_FALSE(sheet.empty());
  EXPECT_EQ(sheet[3], "print 90 15 \"变压器制作参数表\"");
  EXPECT_NE(std::find(sheet.begin(), sheet.end(), "print 150 265 \"2024/5/20\""), sheet.end());
  std::vector<std::string> list = readLines(path("list.rec"));
  ASSERT_FALSE(list.empty());
  EXPECT_EQ(list[3], "print 90 15 \"材料清单及成本核算\"");
  EXPECT_EQ(list.back(), "enddoc");
  EXPECT_TRUE(fs::exists(path("bom.csv")));
}

}  // namespace
}  // namespace corvane
