// The project file's text: whatever a record holds comes back from its bytes
// exactly, and text that is not a sound file of this version is refused with
// the reason.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "model/project_file.h"

namespace corvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

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
  ControlRecord plain{"TXTUIN1", -1, {}, std::nullopt};
  ControlRecord full{"CMBZL", 4, {}, std::nullopt};
  full.state = {.text = "全桥电容",
                .caption = "整流",
                .toolTip = "tip\\",
                .items = {"无", "全桥电容"},
                .listIndex = 1,
                .value = 2,
                .visible = false,
                .enabled = false,
                .locked = true,
                .hasBackColor = true,
                .backColor = {0, 255, 0},
                .foreColor = {255, 0, 0},
                .geometry = {-120, 1440, 1215, 300},
                .interval = 1000};
  ControlRecord sketch{"PICSHC", -1, {}, PictureRecord{}};
  sketch.picture->backColor = {0, 0, 0};
  sketch.picture->foreColor = {255, 255, 0};
  using K = DrawOp::Kind;
  sketch.picture->ops = {
      {K::Scale, 0, 0, 100.5, -50, 0, 0, {}, {}},
      {K::Line, 1e-300, 2, 3, 4, 0, 0, {1, 2, 3}, {}},
      {K::Circle, 5, 6, 7, 0, 0, 0, {4, 5, 6}, {}},
      {K::Arc, 5, 6, 7, 0, 0.5, 3.141592653589793, {7, 8, 9}, {}},
      {K::FilledBox, -kInf, 0, kInf, 1, 0, 0, {10, 11, 12}, {}},
      {K::Text, 8, 9, 0, 0, 0, 0, {13, 14, 15}, "N1 \"初级\""},
      {K::ForeColor, 0, 0, 0, 0, 0, 0, {16, 17, 18}, {}},
      {K::BackColor, 0, 0, 0, 0, 0, 0, {19, 20, 21}, {}},
  };
  form.controls = {plain, full, sketch};
  record.forms.push_back(form);
  record.forms.push_back({"Frmcore", "铁芯", false, {}, {}});
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

TEST(ProjectFile, APlainControlTakesOneShortLine) {
  ProjectRecord record;
  record.forms.push_back({"Frmcore", "", false, {}, {{"TxtB", -1, {}, std::nullopt}}});
  const std::string bytes = encodeProjectFile(record).value();
  EXPECT_NE(bytes.find("\n{\"name\":\"TxtB\",\"geometry\":[0,0,0,0]}\n"), std::string::npos)
      << bytes;
  EXPECT_EQ(bytes.rfind("{\n\"format\": \"corvane-design\",\n\"version\": 1,\n", 0), 0u);
}

TEST(ProjectFile, TextThatIsNotUtf8CannotBeSaved) {
  ProjectRecord record;
  record.forms.push_back({"Frmcore", "\xB9\xE8\xB9\xDC", false, {}, {}});  // GBK, not UTF-8
  EXPECT_FALSE(encodeProjectFile(record));
}

struct Refused {
  std::string text;
  std::string reason;
};

std::ostream& operator<<(std::ostream& out, const Refused& refused) {
  return out << refused.reason;
}

class RefusedFile : public ::testing::TestWithParam<Refused> {};

std::string file(const std::string& forms, const std::string& rest = R"("shared": {})") {
  return R"({"format": "corvane-design", "version": 1, "forms": [)" + forms + "], " + rest + "}";
}

std::string control(const std::string& properties) {
  return file(R"({"name": "F", "caption": "", "visible": true, "controls": [{"name": "C", )" +
              properties + "}]}");
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
  {file(R"({"name": "F", "caption": "", "visible": true,
           "controls": [{"name": "C"}, {"name": "C"}]})"),
   "窗体“F”的控件“C”出现了两次"},
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
