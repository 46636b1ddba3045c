// A project file that is not a design, is cut short, comes from a newer
// program or does not fit the program's forms gives one message naming the
// file and the problem, and the design on screen stays as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "electrical/design_file.h"
#include "project_fixture.h"

namespace corvane::testing {
namespace {

// The good file a bad one is made from: one the program writes now, or one
// of version 1 (data/v1/typical_design.cvd: the typical design taken to the
// core form, with every control and its layout); a fault either can have is
// tried on both.
enum class Good { Current, VersionOne, Either };

struct BadFile {
  std::string what;
  Good good;
  // the text of a good file in, the bad file out
  std::function<std::string(const std::string&)> spoil;
  const char* problem;  // part of the message
};

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  size_t at = text.find(from);
  if (at == std::string::npos) throw std::runtime_error("the good file has no " + from);
  return text.replace(at, from.size(), to);
}

auto replacing(std::string from, std::string to) {
  return [from, to](const std::string& good) { return replaced(good, from, to); };
}
auto wholly(std::string text) {
  return [text](const std::string&) { return text; };
}

std::ostream& operator<<(std::ostream& out, const BadFile& bad) {
  return out << bad.what;
}

constexpr Good kNow = Good::Current;
constexpr Good kV1 = Good::VersionOne;
constexpr Good kBoth = Good::Either;

// clang-format off
const BadFile kBadFiles[] = {
  {"plain text", kNow, wholly("hello"), "它不是 Corvane 设计文件（第 1 个字节处不是有效的 JSON 文本）"},
  {"an electrical design file", kNow, wholly("0\r\nW1\r\n12\r\n"), "不是有效的 JSON 文本"},
  {"other JSON", kNow, wholly(R"({"format": "spreadsheet", "version": 1})"), "它不是 Corvane 设计文件"},
  {"empty", kNow, wholly(""), "文件是空的"},
  {"cut short", kBoth, [](const std::string& good) { return good.substr(0, good.size() / 2); },
   "文件不完整"},
  {"a newer version", kNow, replacing(R"("version": 2)", R"("version": 3)"),
   "它由较新的程序写成（格式版本 3），本程序只能读取版本 1 至 2"},
  // what the program writes now
  {"a number for a text", kNow, replacing(R"("text":"12")", R"("text":12)"),
   "控件“txtudc(0)”的 text 应为文本。"},
  {"an array row without its index", kBoth,
   replacing(R"({"name":"txtudc","index":0,)", R"({"name":"txtudc",)"), "是控件数组"},
  {"a row the array does not have", kNow,
   replacing(R"({"name":"txtudc","index":0,)", R"({"name":"txtudc","index":7,)"),
   "窗体“Frmeledata”的控件“txtudc(7)”不在数组的行之中"},
  {"rows of a single control", kNow,
   replacing(R"("members":{"CurrentRow":0},)", R"("members":{"CurrentRow":0},"rows":{"TXTUIN1":[0]},)"),
   "窗体“Frmeledata”的控件“TXTUIN1”不是控件数组，不能有行 rows"},
  {"a text for a whole number", kBoth, replacing(R"("CurrentRow":0)", R"("CurrentRow":"0")"),
   "成员“CurrentRow”的值类型或范围不对"},
  {"a group past the ninth", kBoth, replacing(R"("CurrentRow":0)", R"("CurrentRow":9)"),
   "成员“CurrentRow”的值类型或范围不对"},
  {"an unknown member", kBoth, replacing(R"("CurrentRow":0)", R"("CurrentRows":0)"),
   "没有成员“CurrentRows”"},
  {"a list index past the items", kNow, replacing(R"("listIndex":0)", R"("listIndex":60)"),
   "控件“CMBZL(0)”的 listIndex 应在 -1 与 6 之间"},
  {"a list index past the design-time list", kNow,
   replacing(R"({"name":"TXTIIN",)", R"({"name":"TXTIIN","listIndex":2,)"),
   "窗体“Frmeledata”的控件“TXTIIN”的 listIndex 应在 -1 与 -1 之间"},
  {"a picture on a text box", kNow,
   replacing(R"({"name":"TXTIIN",)", R"({"name":"TXTIIN","picture":{"ops":[]},)"),
   "控件“TXTIIN”不是图片框"},
  {"an unknown property", kNow, replacing(R"({"name":"TXTIIN",)", R"({"name":"TXTIIN","colour":1,)"),
   "中有未知的项“colour”"},
  {"a layout in the current version", kNow,
   replacing(R"({"name":"TXTIIN",)", R"({"name":"TXTIIN","geometry":[0,0,1,1],)"),
   "中有未知的项“geometry”"},
  {"an unknown drawing", kNow, replacing(R"(["box",)", R"(["squiggle",)"), "不是已知的绘图操作"},
  {"a reference into an unknown form", kBoth,
   replacing(R"("gFluxRef":{"form":"Frmcore")", R"("gFluxRef":{"form":"FrmX")"),
   "共享值“gFluxRef”引用的窗体“FrmX”在本程序中不存在"},
  {"a negative row", kNow, replacing(R"("gFluxRef":{"form":"Frmcore","field":"TxtBm"})",
                                     R"("gFluxRef":{"form":"Frmcore","field":"TxtBm","row":-1})"),
   "共享值“gFluxRef”的 row 应在 0 与 100000 之间"},
  // what the program wrote before
  {"a number for a text, version 1", kV1, replacing(R"("text":"220")", R"("text":220)"),
   "控件“TXTUIN1”的 text 应为文本。"},
  {"a list index past the items, version 1", kV1, replacing(R"("listIndex":6)", R"("listIndex":60)"),
   "控件“CMBZL(0)”的 listIndex 应在 -1 与 6 之间"},
  {"a short geometry, version 1", kV1,
   replacing(R"("geometry":[240,1200,600,240])", R"("geometry":[240,1200,600])"),
   "的 geometry 应为 [左, 上, 宽, 高]"},
  {"a picture on a text box, version 1", kV1,
   replacing(R"({"name":"TXTUIN1",)", R"({"name":"TXTUIN1","picture":{"ops":[]},)"),
   "控件“TXTUIN1”不是图片框"},
  {"an unknown property, version 1", kV1,
   replacing(R"({"name":"TXTUIN1",)", R"({"name":"TXTUIN1","colour":1,)"), "中有未知的项“colour”"},
  {"an unknown drawing, version 1", kV1, replacing(R"(["line",)", R"(["squiggle",)"),
   "不是已知的绘图操作"},
};
// clang-format on

// Every bad file, those of either version once for each.
std::vector<BadFile> everyBadFile() {
  std::vector<BadFile> files;
  for (const BadFile& bad : kBadFiles) {
    if (bad.good != Good::Either) {
      files.push_back(bad);
      continue;
    }
    files.push_back({bad.what, Good::Current, bad.spoil, bad.problem});
    files.push_back({bad.what + ", version 1", Good::VersionOne, bad.spoil, bad.problem});
  }
  return files;
}

// The typical design typed, its schematic drawn, taken to the core form and
// back to the electrical form, saved.
std::string currentFile() {
  ProgramRun run;
  run.click("MDIForm1", "NEW");
  run.set("Frmeledata", "txtudc", "12", 0);
  run.enter("Frmeledata", "txtudc", 0);
  run.enter("Frmeledata", "txtsiac", 0);  // draws the schematic
  run.click("Frmeledata", "cmdcore");
  run.form("Frmeledata").show();  // the active form is not the one renamed below
  return encodeProjectFile(run.state()).value();
}

const std::string& goodFile(Good good) {
  static const std::string now = currentFile();
  static const std::string v1 = fileContents(std::filesystem::path(CORVANE_SOURCE_DIR) /
                                             "tests/app/project/data/v1/typical_design.cvd");
  return good == Good::Current ? now : v1;
}

class BadProjectFile : public ProjectTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadProjectFile, GivesOneMessageAndKeepsTheDesign) {
  const std::string path = file("bad.cvd");
  write(path, GetParam().spoil(goodFile(GetParam().good)));

  ProgramRun run;
  run.click("MDIForm1", "NEW");
  run.set("Frmeledata", "TXTUIN1", "110");
  const ProjectRecord before = run.state();
  EXPECT_FALSE(run.session().openFile(path));
  ASSERT_EQ(run.host.messages.size(), 1u);
  const std::string& message = run.host.messages[0].text;
  EXPECT_EQ(message.rfind("无法打开设计文件“" + path + "”：", 0), 0u) << message;
  EXPECT_NE(message.find(GetParam().problem), std::string::npos) << message;
  EXPECT_EQ(run.state(), before);
  EXPECT_TRUE(run.session().hasUnsavedChanges());
  EXPECT_EQ(run.session().path(), "");
}

INSTANTIATE_TEST_SUITE_P(Classes, BadProjectFile, ::testing::ValuesIn(everyBadFile()));

// A design saved by another version of the program may name a form, a
// control or an array this one does not have (or has as a window of its
// own): the rest opens, as saved, and one message names what was left out.
TEST_F(ProjectTest, WhatTheProgramDoesNotHaveIsSkippedAndNamed) {
  ProgramRun first;
  fullChain(first);
  ASSERT_TRUE(first.session().saveTo(file("chain.cvd")));
  std::string text = contents(file("chain.cvd"));
  text = replaced(text, "\"controls\": [\n",
                  "\"controls\": [\n{\"name\":\"TXTUIN9\",\"text\":\"380\"},\n"
                  "{\"name\":\"txtX\",\"index\":2,\"text\":\"3\"},\n");
  text = replaced(text, R"("rows":{)", R"("rows":{"txtY":[0,1],)");  // the electrical form's
  text = replaced(text, "\"forms\": [\n",
                  "\"forms\": [\n{\"name\":\"FrmMotor\",\"visible\":true,\"members\":{\"rpm\":1},\n"
                  "\"controls\": [\n{\"name\":\"TxtRpm\",\"text\":\"1500\"}\n]},\n"
                  "{\"name\":\"MDIForm1\",\"visible\":false,\"members\":{},\n\"controls\": []},\n");
  write(file("newer.cvd"), text);

  ProgramRun second;
  ASSERT_TRUE(second.session().openFile(file("newer.cvd"))) << second.host.messageTexts()[0];
  EXPECT_EQ(second.host.messageTexts(),
            std::vector<std::string>{"以下内容已忽略：\n窗体“FrmMotor”\n窗体“MDIForm1”\n"
                                     "窗体“Frmeledata”的控件“txtY”、“TXTUIN9”、“txtX”"});
  EXPECT_EQ(second.host.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(second.state(), first.state());
  EXPECT_EQ(second.session().path(), file("newer.cvd"));
  EXPECT_FALSE(second.session().hasUnsavedChanges());

  // the active form was one of them: no form is active
  write(file("newer.cvd"),
        replaced(text, R"("activeForm": "FrmWireTools")", R"("activeForm": "FrmMotor")"));
  ProgramRun third;
  ASSERT_TRUE(third.session().openFile(file("newer.cvd")));
  EXPECT_EQ(third.workspace.activeForm(), nullptr);
  EXPECT_EQ(third.host.messages.size(), 1u);
}

// So may a design of version 1: a control renamed since is skipped, and the
// control of the new name keeps its design-time state.
TEST_F(ProjectTest, AVersionOneControlTheProgramDoesNotHaveIsSkipped) {
  write(file("old.cvd"),
        replaced(goodFile(Good::VersionOne), R"({"name":"TXTUIN1",)", R"({"name":"TXTUIN9",)"));
  ProgramRun run;
  ASSERT_TRUE(run.session().openFile(file("old.cvd")));
  EXPECT_EQ(run.host.messageTexts(),
            std::vector<std::string>{"以下内容已忽略：\n窗体“Frmeledata”的控件“TXTUIN9”"});
  EXPECT_EQ(run.form("Frmeledata").control("TXTUIN1").text(), "220");
  EXPECT_EQ(run.form("Frmcore").control("txtpo").text(), "47.554");
}

TEST_F(ProjectTest, AMissingFileIsNamedWithTheReason) {
  ProgramRun run;
  EXPECT_FALSE(run.session().openFile(file("missing.cvd")));
  EXPECT_EQ(run.host.messageTexts(),
            std::vector<std::string>{"无法打开设计文件“" + file("missing.cvd") +
                                     "”：文件或文件夹不存在。"});
}

}  // namespace
}  // namespace corvane::testing
