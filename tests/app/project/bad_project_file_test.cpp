// A project file that is not a design, is cut short, comes from a newer
// program or does not fit the program's forms gives one message naming the
// file and the problem, and the design on screen stays as it was.
#include <gtest/gtest.h>

#include "electrical/design_file.h"
#include "project_fixture.h"

namespace corvane::testing {
namespace {

struct BadFile {
  const char* what;
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

// clang-format off
const BadFile kBadFiles[] = {
  {"plain text", wholly("hello"), "它不是 Corvane 设计文件（第 1 个字节处不是有效的 JSON 文本）"},
  {"an electrical design file", wholly("0\r\nW1\r\n12\r\n"), "不是有效的 JSON 文本"},
  {"other JSON", wholly(R"({"format": "spreadsheet", "version": 1})"), "它不是 Corvane 设计文件"},
  {"empty", wholly(""), "文件是空的"},
  {"cut short", [](const std::string& good) { return good.substr(0, good.size() / 2); },
   "文件不完整"},
  {"a newer version", replacing(R"("version": 1)", R"("version": 2)"),
   "它由较新的程序写成（格式版本 2），本程序只能读取版本 1"},
  {"an unknown form", replacing(R"("name":"Frmcore")", R"("name":"FrmMotor")"),
   "窗体“FrmMotor”在本程序中不存在"},
  {"a window of the program", replacing(R"("name":"Frmcore")", R"("name":"MDIForm1")"),
   "窗体“MDIForm1”不属于设计"},
  {"an unknown control", replacing(R"({"name":"TXTUIN1")", R"({"name":"TXTUIN9")"),
   "窗体“Frmeledata”中没有控件“TXTUIN9”"},
  {"a number for a text", replacing(R"("text":"220")", R"("text":220)"),
   "控件“TXTUIN1”的 text 应为文本。"},
  {"an array row without its index",
   replacing(R"({"name":"txtudc","index":0,)", R"({"name":"txtudc",)"), "是控件数组"},
  {"a text for a whole number", replacing(R"("CurrentRow":0)", R"("CurrentRow":"0")"),
   "成员“CurrentRow”的值类型或范围不对"},
  {"a group past the ninth", replacing(R"("CurrentRow":0)", R"("CurrentRow":9)"),
   "成员“CurrentRow”的值类型或范围不对"},
  {"an unknown member", replacing(R"("CurrentRow":0)", R"("CurrentRows":0)"),
   "没有成员“CurrentRows”"},
  {"a list index past the items", replacing(R"("listIndex":0)", R"("listIndex":60)"),
   "控件“CMBZL(0)”的 listIndex 应在 -1 与 6 之间"},
  {"a short geometry", replacing(R"("geometry":[240,1200,600,240])", R"("geometry":[240,1200,600])"),
   "的 geometry 应为 [左, 上, 宽, 高]"},
  {"a picture on a text box",
   replacing(R"({"name":"TXTUIN1",)", R"({"name":"TXTUIN1","picture":{"ops":[]},)"),
   "控件“TXTUIN1”不是图片框"},
  {"an unknown property", replacing(R"({"name":"TXTUIN1",)", R"({"name":"TXTUIN1","colour":1,)"),
   "中有未知的项“colour”"},
  {"an unknown drawing", replacing(R"(["line",)", R"(["squiggle",)"), "不是已知的绘图操作"},
  {"a reference into an unknown form",
   replacing(R"("gFluxRef":{"form":"Frmcore")", R"("gFluxRef":{"form":"FrmX")"),
   "共享值“gFluxRef”引用的窗体“FrmX”在本程序中不存在"},
  {"a negative row", replacing(R"("gFluxRef":{"form":"Frmcore","field":"TxtBm"})",
                                  R"("gFluxRef":{"form":"Frmcore","field":"TxtBm","row":-1})"),
   "共享值“gFluxRef”的 row 应在 0 与 100000 之间"},
};
// clang-format on

class BadProjectFile : public ProjectTest, public ::testing::WithParamInterface<BadFile> {
 protected:
  static std::string goodFile() {
    ProgramRun run;
    run.click("MDIForm1", "NEW");
    run.set("Frmeledata", "txtudc", "12", 0);
    run.enter("Frmeledata", "txtudc", 0);
    run.enter("Frmeledata", "txtsiac", 0);  // draws the schematic
    run.click("Frmeledata", "cmdcore");
    run.form("Frmeledata").show();  // the active form is not the one renamed below
    return encodeProjectFile(run.state()).value();
  }
};

TEST_P(BadProjectFile, GivesOneMessageAndKeepsTheDesign) {
  static const std::string good = goodFile();
  const std::string path = file("bad.cvd");
  write(path, GetParam().spoil(good));

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

INSTANTIATE_TEST_SUITE_P(Classes, BadProjectFile, ::testing::ValuesIn(kBadFiles));

TEST_F(ProjectTest, AMissingFileIsNamedWithTheReason) {
  ProgramRun run;
  EXPECT_FALSE(run.session().openFile(file("missing.cvd")));
  EXPECT_EQ(run.host.messageTexts(),
            std::vector<std::string>{"无法打开设计文件“" + file("missing.cvd") +
                                     "”：文件或文件夹不存在。"});
}

}  // namespace
}  // namespace corvane::testing
