// The project file's text: whatever a record holds comes back from its bytes
// exactly, and text that is not a sound file of this version is refused with
// the reason.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "model/control_design.h"
#include "model/project_file.h"

namespace corvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

ControlDesign everyProperty() {
  return {.text = "全桥电容",
          .caption = "整流",
          .items = {"无", "全桥电容"},
          .listIndex = 1,
          .value = 2,
          .visible = false,
          .enabled = false,
          .locked = true,
          .hasBackColor = true,
          .backColor = {0, 255, 0},
          .foreColor = {255, 0, 0}};
}

ProjectRecord everyKindOfValue() {
  ProjectRecord record;
  FormRecord form;
  form.name = "Frmeledata";
  form.caption = "基本参数 \"设计\"\n第二行";
  form.visible = true;
  form.members = {{"CurrentRow", 3},
                  {"efficiency", 0.1 + 0.2},  // not a short decimal
                  {"ready", true},
                  {"material", std::string("铜")},
                  {"records", TextTable{{"SUP", "EI-48*30", ""}, {}}},
                  {"huge", kInf}};
  form.rows = {{"CMBZL", {0, 4, 2}}, {"txtudc", {}}};
  ControlRecord plain{"TXTUIN1", -1, {}};
  ControlRecord full{"CMBZL", 4, DesignChanges::whole(everyProperty())};
  ControlDesign emptied;  // a text the user cleared, a box shown again
  emptied.text = "";
  ControlRecord cleared{"TXTUIN2", -1, {}};
  cleared.changes.take(DesignProperty::Text, emptied);
  cleared.changes.take(DesignProperty::Visible, emptied);
  ControlDesign drawn;
  drawn.picture.backColor = {0, 0, 0};
  drawn.picture.foreColor = {255, 255, 0};
  using K = DrawOp::Kind;
  drawn.picture.ops = {
      {K::Scale, 0, 0, 100.5, -50, 0, 0, {}, {}},
      {K::Line, 1e-300, 2, 3, 4, 0, 0, {1, 2, 3}, {}},
      {K::Circle, 5, 6, 7, 0, 0, 0, {4, 5, 6}, {}},
      {K::Arc, 5, 6, 7, 0, 0.5, 3.141592653589793, {7, 8, 9}, {}},
      {K::FilledBox, -kInf, 0, kInf, 1, 0, 0, {10, 11, 12}, {}},
      {K::Text, 8, 9, 0, 0, 0, 0, {13, 14, 15}, "N1 \"初级\""},
      {K::ForeColor, 0, 0, 0, 0, 0, 0, {16, 17, 18}, {}},
      {K::BackColor, 0, 0, 0, 0, 0, 0, {19, 20, 21}, {}},
  };
  ControlRecord sketch{"PICSHC", -1, {}};
  sketch.changes.take(DesignProperty::Picture, drawn);
  form.controls = {plain, full, cleared, sketch};
  record.forms.push_back(form);
  record.forms.push_back({"Frmcore", std::nullopt, false, {}, {}, {}});
  record.activeForm = "Frmcore";
  record.shared = {
      {"gFluxRef", SharedValue::Kind::Reference, 0, "", {"Frmcore", "TxtBm", -1}},
      {"gGroupVoltageRef", SharedValue::Kind::Reference, 0, "", {"Frmjiegou", "TxtUnV", 3}},
      {"gRectVoltFactor", SharedValue::Kind::Number, 1.2, "", {}},
      {"gDiodeDrop", SharedValue::Kind::Text, 0, "0.7", {}},
      {"gWireLayerFactor", SharedValue::Kind::Empty, 0, "", {}}};
  record.wireInsulation = 0.05;
  record.recoveryCopy = true;
  record.recoveredFrom = "/home/设计/d.cvd";
  return record;
}

TEST(ProjectFile, EveryKindOfValueComesBackExactly) {
  const ProjectRecord record = everyKindOfValue();
  const std::string bytes = encodeProjectFile(record).value();
  EXPECT_EQ(parseProjectFile(bytes).value(), record);
  EXPECT_EQ(encodeProjectFile(parseProjectFile(bytes).value()).value(), bytes);
}

TEST(ProjectFile, NotANumberIsKeptToo) {
  ProjectRecord record;
  record.wireInsulation = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(
      std::isnan(parseProjectFile(encodeProjectFile(record).value()).value().wireInsulation));
}

// A control holds only what differs from its design time: a text typed is
// one short line, with no place, size, tool tip or font.
TEST(ProjectFile, AChangedTextTakesOneShortLine) {
  ProjectRecord record;
  ControlDesign typed;
  typed.text = "30";
  ControlRecord stack{"TxtB", -1, {}};
  stack.changes.take(DesignProperty::Text, typed);
  record.forms.push_back({"Frmcore", std::nullopt, false, {}, {}, {stack}});
  const std::string bytes = encodeProjectFile(record).value();
  EXPECT_NE(bytes.find("\n{\"name\":\"TxtB\",\"text\":\"30\"}\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("{\"name\":\"Frmcore\",\"visible\":false,\"members\":{},\n"),
            std::string::npos)
      << bytes;
  EXPECT_EQ(bytes.rfind("{\n\"format\": \"corvane-design\",\n\"version\": 2,\n", 0), 0u);
}

TEST(ProjectFile, TextThatIsNotUtf8CannotBeSaved) {
  ProjectRecord record;
  record.forms.push_back(
      {"Frmcore", std::string("\xB9\xE8\xB9\xDC"), false, {}, {}, {}});  // GBK, not UTF-8
  EXPECT_FALSE(encodeProjectFile(record));
}

// A control of version 1 is read as every property it showed (a property
// left out is the plain control's), without its layout; an array has the
// rows the file lists.
TEST(ProjectFile, AVersionOneControlIsItsWholeDesignWithoutItsLayout) {
  const std::string text = R"({"format": "corvane-design", "version": 1, "forms": [
    {"name": "Frmeledata", "caption": "基本参数", "visible": true, "members": {}, "controls": [
      {"name": "TXTUIN1", "text": "110", "toolTip": "电压", "geometry": [1, 2, 3, 4],
       "interval": 5},
      {"name": "txtudc", "index": 0, "geometry": [0, 0, 0, 0]},
      {"name": "txtudc", "index": 2, "text": "12"},
      {"name": "PICSHC", "picture": {"ops": []}}]}],
    "shared": {}})";
  const ProjectRecord record = parseProjectFile(text).value();
  const FormRecord& form = record.forms.at(0);
  EXPECT_EQ(form.caption, "基本参数");
  EXPECT_EQ(form.rows, (std::vector<ArrayRows>{{"txtudc", {0, 2}}}));
  ASSERT_EQ(form.controls.size(), 4u);
  ControlDesign typed;
  typed.text = "110";
  DesignChanges expected = DesignChanges::whole(typed);
  ControlDesign noPicture;
  EXPECT_FALSE(form.controls[0].changes.has(DesignProperty::Picture));
  expected.take(DesignProperty::Picture, noPicture);
  DesignChanges read = form.controls[0].changes;
  read.take(DesignProperty::Picture, noPicture);
  EXPECT_EQ(read, expected);
  EXPECT_EQ(form.controls[1].changes.values(), ControlDesign{});
  EXPECT_TRUE(form.controls[3].changes.has(DesignProperty::Picture));
  // what was read is written as the current version, and reads the same
  const std::string written = encodeProjectFile(record).value();
  EXPECT_EQ(written.find("geometry"), std::string::npos);
  EXPECT_EQ(parseProjectFile(written).value(), record);
}

struct Refused {
  std::string text;
  std::string reason;
};

std::ostream& operator<<(std::ostream& out, const Refused& refused) {
  return out << refused.reason;
}

class RefusedFile : public ::testing::TestWithParam<Refused> {};

std::string file(const std::string& forms, const std::string& rest = R"("shared": {})",
                 int version = 1) {
  return R"({"format": "corvane-design", "version": )" + std::to_string(version) +
         R"(, "forms": [)" + forms + "], " + rest + "}";
}

std::string control(const std::string& properties) {
  return file(R"({"name": "F", "caption": "", "visible": true, "controls": [{"name": "C", )" +
              properties + "}]}");
}

// The same in the current version.
std::string file2(const std::string& forms, const std::string& rest = R"("shared": {})") {
  return file(forms, rest, 2);
}

std::string form2(const std::string& properties) {
  return file2(R"({"name": "F", "visible": true, )" + properties + "}");
}

std::string control2(const std::string& properties) {
  return form2(R"("controls": [{"name": "C", )" + properties + "}]");
}

// clang-format off
const std::vector<Refused> kRefused = {
  {"[1, 2]", "它不是 Corvane 设计文件"},
  {R"({"format": "corvane-design"})", "文件缺少“version”"},
  {R"({"format": "corvane-design", "version": "1"})", "文件的格式版本无效"},
  {R"({"format": "corvane-design", "version": 0})", "文件的格式版本无效"},
  {R"({"format": "corvane-design", "version": 1})", "文件缺少“forms”"},
  {R"({"format": "corvane-design", "version": 1, "forms": [], "shared": {}, "extra": 1})",
   "文件中有未知的项“extra”"},
  {R"({"format": "corvane-design", "version": 1, "forms": {}, "shared": {}})",
   "文件的 forms 应为列表（JSON 数组）"},
  {file(R"({"name": "F", "caption": "", "visible": true, "controls": []},
           {"name": "F", "caption": "", "visible": true, "controls": []})"),
   "窗体“F”出现了两次"},
  {file("", R"("shared": {}, "activeForm": "G")"), "活动窗体“G”不在文件的窗体之中"},
  {file("", R"("shared": {"gSpare": {}})"), "共享值“gSpare”在本程序中不存在"},
  {file("", R"("shared": {"gDiodeDrop": {"number": 1, "text": "1"}})"),
   "共享值“gDiodeDrop”只能是数、文本或引用之一"},
  {file("", R"("shared": {"wireInsulation": 1e400})"), "文件中有超出数的范围的数"},
  {file(R"({"name": "F", "caption": "", "controls": []})"), "窗体“F”缺少“visible”"},
  {file(R"({"name": "F", "caption": "", "visible": 1, "controls": []})"),
   "窗体“F”的 visible 应为 true 或 false"},
  {file(R"({"name": "F", "caption": "", "visible": true, "members": {"m": null},
           "controls": []})"),
   "窗体“F”的成员“m”应为数、文本、true/false 或文本表"},
  {file(R"({"name": "F", "caption": "", "visible": true, "members": {"m": [["a", 1]]},
           "controls": []})"),
   "窗体“F”的成员“m”的一行的列表项应为文本"},
  {control(R"("index": 18446744073709551615)"), "的 index 应在 0 与 100000 之间"},
  {control(R"("listIndex": 0)"), "控件“C”的 listIndex 应在 -1 与 -1 之间"},
  {control(R"("value": 3)"), "控件“C”的 value 应在 0 与 2 之间"},
  {control(R"("foreColor": [0, 0, 256])"), "控件“C”的 foreColor 应在 0 与 255 之间"},
  {control(R"("backColor": "red")"), "控件“C”的 backColor 应为颜色 [红, 绿, 蓝]"},
  {control(R"("items": ["a", 2])"), "控件“C”的 items 的列表项应为文本"},
  {control(R"("picture": {"ops": [["line", 1, 2, 3]]})"),
   "控件“C”的 picture 的第 1 个绘图操作应有 6 项，而有 4"},
  {control(R"("picture": {"ops": [["text", 1, 2, 3, [0, 0, 0]]]})"),
   "的第 1 个绘图操作的文字应为文本"},
  {control(R"("picture": {"ops": [["scale", 0, 0, "far", 1]]})"), "的第 1 个绘图操作应为数"},
  {control(R"("geometry": [0, 0, 1])"), "控件“C”的 geometry 应为 [左, 上, 宽, 高]"},
  {control(R"("toolTip": 1)"), "控件“C”的 toolTip 应为文本"},
  {file(R"({"name": "F", "caption": "", "visible": true,
           "controls": [{"name": "C"}, {"name": "C"}]})"),
   "窗体“F”的控件“C”出现了两次"},
  {file(R"({"name": "F", "visible": true, "controls": []})"), "窗体“F”缺少“caption”"},
  {file(R"({"name": "F", "caption": "", "visible": true, "rows": {}, "controls": []})"),
   "窗体“F”中有未知的项“rows”"},
  // the current version
  {R"({"format": "corvane-design", "version": 3})",
   "它由较新的程序写成（格式版本 3），本程序只能读取版本 1 至 2"},
  {file2(R"({"name": "F", "caption": 7, "visible": true, "controls": []})"),
   "窗体“F”的 caption 应为文本"},
  {file2(R"({"name": "F", "controls": []})"), "窗体“F”缺少“visible”"},
  {form2(R"("members": {})"), "窗体“F”缺少“controls”"},
  {form2(R"("rows": [], "controls": [])"), "窗体“F”的 rows 应为一组键值（JSON 对象）"},
  {form2(R"("rows": {"A": [0, 2, 0]}, "controls": [])"), "数组“A”的行 0 出现了两次"},
  {form2(R"("rows": {"A": [-1]}, "controls": [])"), "数组“A”的行号应在 0 与 100000 之间"},
  {form2(R"("rows": {"A": 3}, "controls": [])"), "数组“A”应为列表（JSON 数组）"},
  {form2(R"("rows": {"": []}, "controls": [])"), "中有空的数组名"},
  {control2(R"("geometry": [0, 0, 1, 1])"), "控件“C”中有未知的项“geometry”"},
  {control2(R"("toolTip": "")"), "控件“C”中有未知的项“toolTip”"},
  {control2(R"("text": null)"), "控件“C”的 text 应为文本"},
  {control2(R"("items": ["a"], "listIndex": 1)"), "控件“C”的 listIndex 应在 -1 与 0 之间"},
  {control2(R"("listIndex": -2)"), "控件“C”的 listIndex 应在 -1 与 2147483647 之间"},
  {control2(R"("value": 3)"), "控件“C”的 value 应在 0 与 2 之间"},
  {control2(R"("enabled": "no")"), "控件“C”的 enabled 应为 true 或 false"},
  {control2(R"("picture": {"ops": [["line", 1, 2, 3]]})"), "应有 6 项，而有 4"},
  {form2(R"("controls": [{"name": "C", "index": 1}, {"name": "C", "index": 1}])"),
   "窗体“F”的控件“C”出现了两次"},
  {form2(R"("controls": [{"name": ""}])"), "的 name 是空的"},
};
// clang-format on

TEST_P(RefusedFile, SaysWhatIsWrong) {
  Outcome<ProjectRecord> read = parseProjectFile(GetParam().text);
  ASSERT_FALSE(read) << "accepted";
  EXPECT_NE(read.reason().find(GetParam().reason), std::string::npos) << read.reason();
}

INSTANTIATE_TEST_SUITE_P(Texts, RefusedFile, ::testing::ValuesIn(kRefused));

TEST(ProjectFile, EveryCutOfAGoodFileIsRefused) {
  const std::string bytes = encodeProjectFile(everyKindOfValue()).value();
  for (size_t length = 1; length < bytes.size() - 1; length += 7)
    EXPECT_FALSE(parseProjectFile(bytes.substr(0, length))) << length;
  EXPECT_TRUE(parseProjectFile(bytes.substr(0, bytes.size() - 1)));  // the last line end
}

}  // namespace
}  // namespace corvane
