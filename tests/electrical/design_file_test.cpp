#include "electrical/design_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "electrical_fixture.h"
#include "model/picture.h"
#include "support/file_size_limit.h"
#include "support/test_files.h"

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

const std::string kBridgeGbk = "\xC8\xAB\xC7\xC5\xB5\xE7\xC8\xDD";  // 全桥电容
const std::string kSiliconGbk = "\xB9\xE8\xB9\xDC";                 // 硅管

void writeBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string crlfLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

// The one-group typical design as Save writes it.
std::string typicalFile() {
  return crlfLines({"0",         "W1",   "12",  "2",    kBridgeGbk,
                    kSiliconGbk, "12.2", "3.3", "40.3", "5307uF-13269uF",
                    "14.878",    " 0 ",  " 0 ", "220",  "0",
                    "0.183",     "25",   "95",  "18",   "40.3W"});
}

class DesignFileTest : public ElectricalTest {
 protected:
  std::string path(const char* name) const { return folder.file(name); }

  void save(const std::string& target) {
    host.files.push_back(target);
    click("SAVE");
  }
  // A design file holding `bytes`, written as `name` and opened.
  void openBytes(const char* name, const std::string& bytes) {
    writeBytes(path(name), bytes);
    open(path(name));
  }
  // The typical group saved as `target`; gives what the file holds.
  std::string savedOneGroup(const std::string& target) {
    typeGroup(0, "12", "2", "全桥电容", "硅管");
    save(target);
    return fileContents(target);
  }
  void open(const std::string& source) {
    host.files.push_back(source);
    click("OPEN");
  }

  void typeThreeGroups() {
    click("Chkp");
    set("TXTUIN2", "110");
    typeGroupAndContinue(0, "12", "2", "全桥电容", "硅管", true);
    typeGroupAndContinue(1, "5", "0.5", "全波电容", "锗管", true);
    typeGroup(2, "24", "1", "无", "无");
    form().userClick(cell("ChKSHC", 1));
    set("TXTWN", 2, "辅助");
    set("TXTTEMP20", "30");
    set("TXTLUD", "12");
  }

  // Everything the form shows, for "unchanged" checks.
  std::vector<std::string> snapshot() {
    std::vector<std::string> lines;
    for (Control* c : form().allControls())
      lines.push_back(c->address() + "=" + c->text() + "|" + c->caption() + "|" +
                      std::to_string(c->value()) + "|" + std::to_string(c->visible()) + "|" +
                      std::to_string(c->enabled()));
    lines.push_back("row=" + std::to_string(form().currentRow()));
    return lines;
  }

  TestFolder folder{"corvane-design"};
  const fs::path& dir = folder.path();
};

TEST_F(DesignFileTest, SaveWritesGbkCrLfLinesInFileOrder) {
  typeGroup(0, "12", "2", "全桥电容", "硅管");
  save(path("one.CVN"));
  EXPECT_EQ(host.filtersSeen.back(), "CVN(*.CVN)|*.CVN|(*.*)|*.*");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "保存操作成功！");
  EXPECT_EQ(fileContents(path("one.CVN")), typicalFile());
  EXPECT_FALSE(fs::exists(path("one.CVN") + ".corvane-tmp"));
}

TEST_F(DesignFileTest, ThreeGroupDesignReopensByteForByteAfterARestart) {
  typeThreeGroups();
  const std::string first = path("three.CVN");
  save(first);

  TestHost otherHost;
  Workspace restarted(otherHost);
  registerForms(restarted);
  auto& reopened = restarted.form<Frmeledata>(Frmeledata::kName);
  ASSERT_TRUE(openDesignFile(reopened, first));
  EXPECT_TRUE(otherHost.messages.empty());
  EXPECT_EQ(reopened.control("txtzb").text(), "2");
  for (int row = 0; row <= 2; ++row)
    for (const char* name : Frmeledata::kRowArrays)
      EXPECT_EQ(reopened.cell(name, row).text(), form().cell(name, row).text())
          << name << "(" << row << ")";
  EXPECT_EQ(reopened.cell("ChKSHC", 1).value(), 1);
  EXPECT_EQ(reopened.control("Chkp").caption(), "双组输入");

  const std::string second = path("again.CVN");
  ASSERT_TRUE(saveDesignFile(reopened, second));
  EXPECT_EQ(fileContents(second), fileContents(first));
}

TEST_F(DesignFileTest, OpeningThreeGroupsIntoFiveLeavesThreeRows) {
  typeThreeGroups();
  save(path("three.CVN"));
  std::string three = fileContents(path("three.CVN"));
  typeGroupAndContinue(2, "24", "1", "无", "无", true);
  typeGroupAndContinue(3, "9", "1", "无", "无", true);
  ASSERT_EQ(text("txtzb"), "4");
  open(path("three.CVN"));
  EXPECT_EQ(text("txtzb"), "2");
  for (const char* name : Frmeledata::kRowArrays) {
    EXPECT_EQ(form().array(name).count(), 3u) << name;
  }
  EXPECT_EQ(text("TXTWN", 2), "辅助");
  save(path("check.CVN"));
  EXPECT_EQ(fileContents(path("check.CVN")), three);
}

TEST_F(DesignFileTest, StoredComputedValuesWinOverTheReactions) {
  std::string edited =
      crlfLines({"0",  "W1",  "12",  "2",   kBridgeGbk, kSiliconGbk, "13", "3.3", "40.3", "1uF-2uF",
                 "15", " 1 ", " 0 ", "220", "0",        "0.2",       "25", "95",  "18",   "40.3W"});
  openBytes("edited.CVN", edited);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(text("txtsuac", 0), "13");
  EXPECT_EQ(text("TXTCP", 0), "1uF-2uF");
  EXPECT_EQ(text("TXTUNLOAD", 0), "15");
  EXPECT_EQ(text("TXTIIN"), "0.2");
  EXPECT_EQ(cell("ChKSHC", 0).caption(), "P");  // the click reaction ran
  EXPECT_TRUE(form().schematic().hasDrawing());
}

TEST_F(DesignFileTest, ReactionsRunInFileOrder) {
  // two primaries: the input-arrangement click after the group lines
  // converts the current group again from its stored requirement
  std::string edited =
      crlfLines({"0",  "W1",  "12",  "2",   kBridgeGbk, kSiliconGbk, "13", "3.3", "40.3", "1uF-2uF",
                 "15", " 0 ", " 1 ", "220", "110",      "0.2",       "25", "95",  "18",   "40.3W"});
  openBytes("two.CVN", edited);
  EXPECT_EQ(field("Chkp").caption(), "双组输入");
  EXPECT_TRUE(field("TXTUIN2").visible());
  EXPECT_EQ(text("txtsuac", 0), "12.2");
  EXPECT_EQ(text("TXTCP", 0), "5307uF-13269uF");
  EXPECT_EQ(text("TXTIIN"), "0.2");  // stored after the conversion
  EXPECT_EQ(text("TXTLUD"), "18");
}

TEST_F(DesignFileTest, OnePrimaryFileKeepsItsSecondVoltageLineButHidesTheField) {
  std::string single = typicalFile();
  single.replace(single.find("\r\n0\r\n0.183"), 5, "\r\n110\r\n");
  openBytes("single.CVN", single);
  EXPECT_EQ(field("Chkp").caption(), "单组输入");
  EXPECT_FALSE(field("TXTUIN2").visible());
  EXPECT_EQ(text("TXTUIN2"), "110");
  save(path("again.CVN"));
  EXPECT_EQ(fileContents(path("again.CVN")), single);
  // opened over two primaries, the arrangement's untick hides it as well
  click("Chkp");
  open(path("single.CVN"));
  EXPECT_FALSE(field("TXTUIN2").visible());
  EXPECT_EQ(text("TXTUIN2"), "110");
}

TEST_F(DesignFileTest, CancelledOpenKeepsEveryRow) {
  typeThreeGroups();
  std::vector<std::string> before = snapshot();
  click("OPEN");  // no file queued: the dialog is cancelled
  EXPECT_EQ(snapshot(), before);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DesignFileTest, OpenAcceptsLfLineEndsAndUtf8WithByteOrderMark) {
  std::string utf8 =
      "\xEF\xBB\xBF"
      "0\nW1\n12\n2\n全桥电容\n硅管\n12.2\n3.3\n40.3\n5307uF-13269uF\n"
      "14.878\n0\n0\n220\n0\n0.183\n25\n95\n18\n40.3W";  // no final line end
  openBytes("utf8.CVN", utf8);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(text("CMBZL", 0), "全桥电容");
  EXPECT_EQ(text("cmbdio", 0), "硅管");
  EXPECT_EQ(text("txtpo"), "40.3W");
  save(path("gbk.CVN"));
  EXPECT_EQ(fileContents(path("gbk.CVN")), typicalFile());
}

TEST_F(DesignFileTest, BlankGroupCounterReadsAsOneGroup) {
  std::string file = typicalFile();
  file.replace(0, 1, "");  // the first line is empty, as a fresh form's counter is
  openBytes("blank.CVN", file);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(text("txtspo", 0), "40.3");
}

struct MalformedCase {
  const char* name;
  std::string bytes;
  const char* problem;
};

class MalformedDesignFile : public DesignFileTest,
                            public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedDesignFile, LeavesTheFormUnchangedWithOneMessage) {
  typeThreeGroups();
  const std::string file = path(GetParam().name);
  writeBytes(file, GetParam().bytes);
  std::vector<std::string> before = snapshot();
  open(file);
  EXPECT_EQ(snapshot(), before);
  ASSERT_EQ(host.messages.size(), 1u);
  const std::string& message = host.messages[0].text;
  EXPECT_NE(message.find(file), std::string::npos) << message;
  EXPECT_NE(message.find(GetParam().problem), std::string::npos) << message;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, MalformedDesignFile, ::testing::Values(
    MalformedCase{"short", typicalFile().substr(0, 40), "不完整"},
    MalformedCase{"count", replaced(typicalFile(), "0\r\nW1", "abc\r\nW1"), "不是整数"},
    MalformedCase{"fraction", replaced(typicalFile(), "0\r\nW1", "1.5\r\nW1"), "不是整数"},
    MalformedCase{"negative", replaced(typicalFile(), "0\r\nW1", "-1\r\nW1"), "无效"},
    MalformedCase{"ten", replaced(typicalFile(), "0\r\nW1", "9\r\nW1"), "最多只能有 9 组"},
    MalformedCase{"circuit", replaced(typicalFile(), kBridgeGbk, "\xC8\xAB\xC7\xC5"), "整流电路"},
    MalformedCase{"diode", replaced(typicalFile(), kSiliconGbk, "LED"), "二极管类型"},
    MalformedCase{"flag", replaced(typicalFile(), " 0 \r\n 0 \r\n220", " 7 \r\n 0 \r\n220"), "应为 0 或 1"},
    MalformedCase{"nul", replaced(typicalFile(), "12.2", std::string("12\0.2", 5)), "不是文本文件"},
    MalformedCase{"binary", replaced(typicalFile(), "W1", "\xFF\xFF"), "不是文本文件"},
    MalformedCase{"bom", "\xEF\xBB\xBF" + typicalFile(), "不是文本文件"},
    MalformedCase{"empty", "", "空"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(DesignFileTest, MissingFileOrFolderIsNamedInTheMessage) {
  typeThreeGroups();
  std::vector<std::string> before = snapshot();
  open(path("absent.CVN"));
  open(dir.string());
  EXPECT_EQ(snapshot(), before);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_NE(host.messages[0].text.find(path("absent.CVN")), std::string::npos);
  EXPECT_NE(host.messages[0].text.find("不存在"), std::string::npos);
  EXPECT_NE(host.messages[1].text.find("文件夹"), std::string::npos);
}

TEST_F(DesignFileTest, SaveRefusesATextGbkCannotEncodeAndKeepsTheEarlierFile) {
  const std::string target = path("kept.CVN");
  const std::string earlier = savedOneGroup(target);
  set("TXTWN", 0, "W1🙂");
  host.messages.clear();
  save(target);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("TXTWN(0)"), std::string::npos) << host.messages[0].text;
  EXPECT_NE(host.messages[0].text.find(target), std::string::npos);
  EXPECT_EQ(fileContents(target), earlier);
}

TEST_F(DesignFileTest, SaveOnAFullDiskSaysSoOnceKeepsTheEarlierFileAndTheFormWorks) {
  const std::string target = path("full.CVN");
  const std::string earlier = savedOneGroup(target);
  set("txtidc", 0, "3");
  host.messages.clear();
  {
    testing::FileSizeLimit full(8);
    save(target);
  }
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "无法保存设计文件“" + target + "”：文件超出允许的大小。");
  EXPECT_EQ(fileContents(target), earlier);
  EXPECT_FALSE(fs::exists(target + ".corvane-tmp"));
  // with room again the same save writes the new current
  save(target);
  EXPECT_NE(fileContents(target), earlier);
}

TEST_F(DesignFileTest, SaveIntoAFolderThatIsAFileNamesTheFileAndTheReason) {
  typeGroup(0, "12", "2", "全桥电容", "硅管");
  writeBytes(dir / "plain", "x");
  const std::string target = (dir / "plain" / "x.CVN").string();
  save(target);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "无法保存设计文件“" + target + "”：路径中有一段不是文件夹。");
  EXPECT_EQ(fileContents(dir / "plain"), "x");
}

TEST_F(DesignFileTest, SaveToAMissingFolderReportsTheFileAndNoSuccess) {
  typeGroup(0, "12", "2", "全桥电容", "硅管");
  const std::string target = (dir / "no-such-folder" / "x.CVN").string();
  save(target);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find(target), std::string::npos);
  EXPECT_NE(host.messages[0].text.find("不存在"), std::string::npos);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(DesignFileTest, SaveOverAFolderFailsAndLeavesIt) {
  fs::create_directories(dir / "folder.CVN");
  save((dir / "folder.CVN").string());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("文件夹"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(dir / "folder.CVN"));
}

TEST_F(DesignFileTest, CancelledSaveWritesNothing) {
  click("SAVE");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(fs::is_empty(dir));
}

}  // namespace
}  // namespace corvane::testing
