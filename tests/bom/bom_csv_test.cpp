
#include "bom/bom_csv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/value.h"
#include "support/case_table.h"
#include "support/design_fixture.h"
#include "support/file_size_limit.h"
#include "support/test_files.h"

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

// A reader as a spreadsheet program reads the file: fields split at commas
// outside quotes, "" inside quotes for one quote, records ended by CR LF.
std::vector<std::vector<std::string>> readCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string field;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      row.push_back(field);
      field.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      row.push_back(field);
      field.clear();
      rows.push_back(row);
      row.clear();
      ++i;
    } else {
      field += c;
    }
  }
  return rows;
}

TEST(CsvField, QuotesOnlyFieldsThatNeedIt) {
  testing::expectEachText(csvField, {{"EI-48*30", "EI-48*30"},
                                     {"UL1015 24AWG", "UL1015 24AWG"},
                                     {"M5, 镀锌", "\"M5, 镀锌\""},
                                     {"3/8\" 螺杆", "\"3/8\"\" 螺杆\""},
                                     {"两行\n文字", "\"两行\n文字\""},
                                     {"", ""}});
}

class BomCsvTest : public DesignTest {
 protected:
  TestFolder folder{"corvane-bom"};
  const fs::path& dir = folder.path();
};

TEST_F(BomCsvTest, FileReadsBackAsTheBillWithItsChineseTexts) {
  bomClick("Check8");
  bomSet("TxtBB", "CT-48-30, 阻燃");  // a comma in a description
  bomSet("TxtVarnish", "8562/C \"快干\"");
  bomClick("Command12");
  bomClick("Command13");
  fs::path path = dir / "清单.csv";
  host.files.push_back(path.string());
  bomClick("CmdExport");
  EXPECT_EQ(host.filtersSeen.back(), FrmBomList::kCsvFilter);
  ASSERT_EQ(host.messageTexts(),
            std::vector<std::string>{"材料清单已保存到“" + path.string() + "”。"});

  std::string bytes = fileContents(path);
  ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
  std::vector<std::vector<std::string>> rows = readCsv(bytes.substr(3));
  EXPECT_EQ(rows, bomCsvRows(bom()));
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"分组", "规格描述", "用量", "单位", "单价",
                                               "单价单位", "成本（元）"}));
  auto row = [&](const std::string& group, size_t nth = 0) {
    for (const auto& r : rows)
      if (r[0] == group && nth-- == 0) return r;
    return std::vector<std::string>{};
  };
  EXPECT_EQ(row("铁芯"), (std::vector<std::string>{"铁芯", "EI-48*30 H12-0.5A", "345.6", "g", "25",
                                                   "元/kg", "8.64"}));
  EXPECT_EQ(row("骨架")[1], "CT-48-30, 阻燃");
  EXPECT_EQ(row("引线", 1),
            (std::vector<std::string>{"引线", "UL1015 20AWG", "200", "mm", "0.5", "元/m", "0.20"}));
  EXPECT_EQ(row("漆包线"), (std::vector<std::string>{"漆包线", "2UEW 0.25", "51.332", "g", "30",
                                                     "元/kg", "1.54"}));
  EXPECT_EQ(row("磁屏蔽"),
            (std::vector<std::string>{"磁屏蔽", "48×154×0.5", "28.3", "g", "21", "元/kg", "0.59"}));
  EXPECT_TRUE(row("外屏蔽").empty());  // not ticked
  EXPECT_EQ(row("绝缘漆")[1], "8562/C \"快干\"");
  EXPECT_EQ(row("制作工时（秒/PCS）"),
            (std::vector<std::string>{"制作工时（秒/PCS）", "", "", "", "", "", "288.0"}));
  EXPECT_EQ(rows.back(),
            (std::vector<std::string>{"含税价", "", "", "", "", "", bomText("TxtSelsCost")}));
  for (const auto& r : rows) EXPECT_EQ(r.size(), 7u);
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);  // CR LF line ends
}

// A spreadsheet sums the quantity and cost columns: they hold the number a
// field begins with and nothing else; the unit a text carries goes to its own
// column, and a text without a number gives an empty cell, never a made-up 0.
TEST_F(BomCsvTest, QuantityAndCostColumnsHoldNumbersOnly) {
  bomClick("Option2");  // the stand: its parts are counted "4Pcs", "8Pcs"
  bomSet("TxtBBQ", "abc");
  bomSet("TxtBBCost", "");
  bomSet("txtwe", " 0.35kg");
  const std::vector<std::vector<std::string>> rows = bomCsvRows(bom());
  auto row = [&](const std::string& group, const std::string& description) {
    for (const auto& r : rows)
      if (r[0] == group && r[1].find(description) != std::string::npos) return r;
    return std::vector<std::string>{};
  };
  const auto screws = row("支架", "螺杆");
  ASSERT_FALSE(screws.empty());
  EXPECT_EQ(screws[2], "4");
  EXPECT_EQ(screws[3], "Pcs");
  EXPECT_EQ(row("支架", "平介")[2], "8");
  const auto bobbin = row("骨架", "");
  EXPECT_EQ(bobbin[2], "");
  EXPECT_EQ(bobbin[3], "PCS");
  EXPECT_EQ(bobbin[6], "");
  const auto core = row("铁芯", "");
  EXPECT_EQ(core[2], "0.35");
  EXPECT_EQ(core[3], "kg");  // the text's own unit, not the usual gram
  for (size_t i = 1; i < rows.size(); ++i)
    for (size_t column : {2u, 4u, 6u})
      EXPECT_TRUE(rows[i][column].empty() || isWholeNumber(rows[i][column]))
          << rows[i][0] << " column " << column << ": " << rows[i][column];
}

TEST_F(BomCsvTest, FailedSaveNamesTheFileAndKeepsTheOldOne) {
  fs::path path = dir / "bom.csv";
  std::ofstream(path) << "old bill";
  fs::create_directory(dir / "bom.csv.corvane-tmp");  // the temporary file cannot be made
  EXPECT_FALSE(bom().exportCsv(path.string()));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(host.messages[0].text.rfind("无法保存材料清单“" + path.string() + "”：", 0), 0u)
      << host.messages[0].text;
  EXPECT_EQ(fileContents(path), "old bill");

  EXPECT_FALSE(bom().exportCsv(dir.string()));  // a folder
  EXPECT_EQ(host.messages.back().text, "无法保存材料清单“" + dir.string() + "”：这是一个文件夹。");
}

TEST_F(BomCsvTest, AFullDiskOrAFileForAFolderKeepsTheOldBillAndTheFormWorks) {
  fs::path path = dir / "bom.csv";
  std::ofstream(path) << "old bill";
  {
    testing::FileSizeLimit full(32);
    EXPECT_FALSE(bom().exportCsv(path.string()));
  }
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "无法保存材料清单“" + path.string() + "”：文件超出允许的大小。");
  EXPECT_EQ(fileContents(path), "old bill");
  EXPECT_FALSE(fs::exists(dir / "bom.csv.corvane-tmp"));

  const fs::path inFile = path / "bom.csv";
  EXPECT_FALSE(bom().exportCsv(inFile.string()));
  EXPECT_EQ(host.messages.back().text,
            "无法保存材料清单“" + inFile.string() + "”：路径中有一段不是文件夹。");
  // the same export goes through once there is room
  EXPECT_TRUE(bom().exportCsv(path.string()));
  EXPECT_NE(fileContents(path), "old bill");
}

TEST_F(BomCsvTest, CancelledChooserWritesNothing) {
  bomClick("CmdExport");
  EXPECT_EQ(host.filtersSeen.size(), 1u);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(fs::is_empty(dir));
}

}  // namespace
}  // namespace corvane::testing
