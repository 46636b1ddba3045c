// Design-time controls of the core form: names, kinds, texts and positions in
// twips (inside a frame, from the frame's top-left corner).
#include <array>

#include "core/coreform_fields.h"
#include "core/frmcore.h"
#include "model/captioned_field.h"
#include "model/control_init.h"
#include "model/standard_keys.h"

namespace corvane {

namespace {

constexpr int kCaptionHeight = layout::kLabelHeight;

struct MaterialColumn {
  const char* caption;
  const char* text;  // design-time text of the material field below it
  int left;
  int captionWidth;
  const char* tip;
};
// caption, design-time value, left and caption width (twips inside Frm1), tip
constexpr std::array<MaterialColumn, 5> kMaterialColumns{{
    {"厚度mm", "0.5", 120, 1095, "硅钢片厚度（mm）"},
    {"比重g/cm3", "7.65", 1200, 1095, "硅钢片比重（g/cm³）"},
    {"铁损P1.5/50", "3.6", 2280, 1095, "铁损 P1.5/50：1.5 T、50 Hz 时每千克的铁损（W/kg）"},
    {"磁通密度(T)", "1.6", 3480, 1095, "材质推荐的磁通密度（T）"},
    {"描述", "H12-0.5A", 4680, 360, "材质描述：牌号与厚度"},
}};

struct GradeList {
  const char* name;
  const char* header;  // the text shown before a grade is picked: the maker
  int left;
  const char* tip;
};
// list, header text, left (twips inside Frm1), tip
constexpr std::array<GradeList, 3> kGradeLists{{
    {coreform::Cmbnew, "新日铁", 120, "新日铁的硅钢片牌号"},
    {coreform::cmbjis, "JISC2552-1975", 1080, "JIS C2552-1975 的硅钢片牌号"},
    {coreform::cmbcq, "川崎", 2040, "川崎的硅钢片牌号"},
}};

// A caption above its field.
struct EntryColumn {
  CaptionedField names;
  int left;
  int captionWidth;
};
// label, caption, field, design-time text, tip; left and caption width (twips inside Frame1)
// clang-format off
constexpr std::array<EntryColumn, 5> kPowerColumns{{
    {{coreform::Label3, "功率Po(W)", coreform::txtpo, "100", "功率 Po：按允许电压调整率提高后的输出总功率（W）"}, 120, 975},
    {{coreform::Label4, "频率F(Hz)", coreform::TxtF, "50", "电源频率 F（Hz）"}, 1140, 975},
    {{coreform::Label5, "工作磁密Bm(T)", coreform::TxtBm, "3", "工作磁通密度 Bm（T）"}, 2160, 1155},
    {{coreform::Label6, "电流密度J(A/mm)", coreform::TxtJ, "5", "初级导线的电流密度 J（A/mm²）"}, 3360, 1395},
    {{coreform::Label7, "PRI       Sec", coreform::txtjsec, "5", "次级导线的电流密度（A/mm²）"}, 4800, 1035},
}};
// clang-format on

struct SizeColumn {
  const char* field;
  int left;
  int width;
  const char* tip;
};
// field, left and width (twips inside Frame4), under the one caption line; tip
constexpr std::array<SizeColumn, 10> kSizeColumns{{
    {coreform::TXTL, 120, 615, "叠片长度 L（mm），标准EI片的目录号"},
    {coreform::TXTw, 780, 555, "叠片高度 H（mm）"},
    {coreform::TXTa, 1380, 555, "舌宽 a（mm）"},
    {coreform::TxtB, 1980, 555, "叠厚 b（mm）"},
    {coreform::txtc, 2580, 675, "窗口宽 c（mm）"},
    {coreform::txth, 3300, 675, "窗口高 h（mm）"},
    {coreform::txtle, 4080, 1215, "平均磁路长度 Le（mm）"},
    {coreform::txtwe, 5400, 1095, "铁芯重量 We（g）"},
    {coreform::txtpc, 6600, 855, "铁损 Pc：工作磁通密度下的铁芯损耗（W）"},
    {coreform::TxtLv, 7560, 735, "线圈平均匝长（mm）"},
}};

struct ResultField {
  const char* name;
  Geometry geometry;
  const char* tip;
};
// computed fields outside the frames: name, position, tool tip
constexpr std::array<ResultField, 11> kResultFields{{
    {coreform::TxtTurnPri, {6360, 5160, 1095, layout::kTextHeight}, "初级匝数 N1（匝）"},
    {coreform::TxtJs, {7560, 5160, 1095, layout::kTextHeight}, "窗口允许的初级电流密度（A/mm²）"},
    {coreform::Text3,
     {8880, 6000, 855, layout::kTextHeight},
     "所用额定功率表：540、360、800，空为未用"},
    {coreform::txtcname, {360, 6840, 1815, layout::kTextHeight}, "铁芯名称：EI-长度L*叠厚b"},
    {coreform::TXTVA, {2280, 6840, 1335, layout::kTextHeight}, "铁芯最高输出功率（W）"},
    {coreform::Text2, {3720, 6840, 1095, layout::kTextHeight}, "额定功率表的温升（K）"},
    {coreform::Text5, {4920, 6840, 1335, layout::kTextHeight}, "绕组所需窗口面积（cm²）"},
    {coreform::TxtVa0, {6360, 6840, 855, layout::kTextHeight}, "额定功率表的空载视在功率（VA）"},
    {coreform::TxtFc, {7320, 6840, 855, layout::kTextHeight}, "铁芯散热面积 FC（cm²）"},
    {coreform::TxtFM, {8280, 6840, 675, layout::kTextHeight}, "线圈散热面积 FM（cm²）"},
    {coreform::TxtAM, {9000, 6840, 855, layout::kTextHeight}, "表面散热系数 α（W/(cm²·K)）"},
}};

struct GradeButton {
  const char* name;
  const char* caption;
  int top;
};
// button, caption, top (left 8880, 855 × 255)
constexpr std::array<GradeButton, 3> kGradeButtons{{
    {coreform::Command4, "DW540-50", 5160},
    {coreform::Command5, "DW360-50", 5400},
    {coreform::Command6, "50H800", 5640},
}};

// label, caption, field, design-time text, tip; top (inside Fmr)
constexpr std::array<ColumnRow, 4> kToolRows{{
    {{coreform::Label10, "允许温升", coreform::TXTTEMP, "55", "允许温升（K）"}, 240},
    {{coreform::Label12, "允许铜损", coreform::TxtPm, "", "允许铜损（W）"}, 480},
    {{coreform::Label13, "允许磁密", coreform::Text1, "", "允许磁通密度（T）"}, 720},
    {{coreform::Label11, "电压调整率", coreform::TxtDU, "", "电压调整率（%）"}, 1440},
}};
// captions at left 120, level with their fields at 960
constexpr CaptionedColumn kToolColumn{120, 855, 960, 855, 0};

ControlInit gradeListInit(const GradeList& list) {
  ControlInit init =
      textField(list.header, {list.left, 360, 915, layout::kListHeight}, list.tip, coreform::Frm1);
  init.listOnly = false;  // shows the maker's name until a grade is picked
  return init;
}

ControlInit option(const char* caption, Geometry geometry, const char* frame) {
  ControlInit init = captioned(caption, geometry, frame);
  init.group = frame;
  return init;
}

}  // namespace

void Frmcore::addControls() {
  setSize(13800, 7800);
  addMaterialFrame();
  addPowerFrame();
  addSectionFrame();
  addProportionFrame();
  addSizeFrame();
  addResultFields();
  addParameterTool();
  addMenu();
}

void Frmcore::addMaterialFrame() {
  addControl(coreform::Frm1, ControlKind::Frame,
             captioned("选择矽钢片材质", {360, 960, 5895, 1695}));
  for (const GradeList& list : kGradeLists)
    addControl(list.name, ControlKind::ComboBox, gradeListInit(list));
  addControl(coreform::TXTINDEX, ControlKind::TextBox,
             textField("", {3000, 360, 615, layout::kTextHeight}, "所选材质在列表中的序号",
                       coreform::Frm1));
  addControl(coreform::OPTW, ControlKind::OptionButton,
             option("白片", {5040, 360, 735, 255}, coreform::Frm1));
  addControl(coreform::OPTB, ControlKind::OptionButton,
             option("黑片", {5040, 720, 735, 255}, coreform::Frm1));
  for (size_t i = 0; i < kMaterialColumns.size(); ++i) {
    const MaterialColumn& column = kMaterialColumns[i];
    ControlInit label = captioned(
        column.caption, {column.left, 840, column.captionWidth, kCaptionHeight}, coreform::Frm1);
    ControlInit value = textField(column.text, {column.left, 1200, 1095, layout::kTextHeight},
                                  column.tip, coreform::Frm1);
    if (i == 0) {
      addArray(coreform::Label2, ControlKind::Label, label);
      addArray(coreform::txtcoremt, ControlKind::TextBox, value);
    } else {
      array(coreform::Label2).load(static_cast<int>(i), label);
      array(coreform::txtcoremt).load(static_cast<int>(i), value);
    }
  }
}

void Frmcore::addPowerFrame() {
  addControl(coreform::Frame1, ControlKind::Frame,
             captioned("功率铁芯规格设计", {360, 2760, 5895, 1095}));
  for (const EntryColumn& column : kPowerColumns)
    addCaptionedField(column.names, aboveField(column.left, 240, column.captionWidth, 600, 855),
                      coreform::Frame1);
}

void Frmcore::addSectionFrame() {
  addControl(coreform::Frame2, ControlKind::Frame, captioned("铁芯参数1", {360, 3960, 3135, 1455}));
  // label, caption, field, design-time text, tip; top
  constexpr std::array<ColumnRow, 3> kRows{{
      {{coreform::Label14, "铁芯规格ScSw", coreform::TXTSCSW, "",
        "铁芯规格：截面积与窗口面积之积 Sc×Sw（cm⁴）"},
       300},
      {{coreform::Label15, "铁芯截面积Sc", coreform::TXTSC, "", "铁芯截面积 Sc（cm²）"}, 660},
      {{coreform::Label16, "铁芯窗口面积Sw", coreform::txtsw, "", "铁芯窗口面积 Sw（cm²）"}, 1020},
  }};
  // captions at left 120, fields at 1560 inside Frame2
  addCaptionedColumn(kRows, {120, 1395, 1560, 1455, 15}, coreform::Frame2);
}

void Frmcore::addProportionFrame() {
  addControl(coreform::Frame3, ControlKind::Frame,
             captioned("自定义铁芯尺寸比", {3600, 3960, 2655, 1455}));
  addControl(coreform::Label8, ControlKind::Label,
             captioned("迭厚/舌宽", {120, 240, 1095, kCaptionHeight}, coreform::Frame3));
  addControl(
      coreform::TXTBA, ControlKind::TextBox,
      textField("1", {120, 510, 975, layout::kTextHeight}, "叠厚与舌宽之比 b/a", coreform::Frame3));
  addControl(coreform::Label9, ControlKind::Label,
             captioned("窗高/窗宽", {1320, 240, 1095, kCaptionHeight}, coreform::Frame3));
  addControl(coreform::TXTHC, ControlKind::TextBox,
             textField("3", {1320, 510, 975, layout::kTextHeight}, "窗高与窗宽之比 h/c",
                       coreform::Frame3));
  addControl(coreform::OptBZ, ControlKind::OptionButton,
             option("标准EI片", {120, 825, 1095, 255}, coreform::Frame3));
  addControl(coreform::OPTFB, ControlKind::OptionButton,
             option("非标EI片", {1320, 825, 1215, 255}, coreform::Frame3));
  addControl(coreform::txtautocore, ControlKind::TextBox,
             textField("", {120, 1110, 975, layout::kTextHeight},
                       "要求的叠片长度 L（mm），取标准EI片", coreform::Frame3));
  addControl(
      coreform::Text4, ControlKind::TextBox,
      textField("", {1320, 1110, 975, layout::kTextHeight}, "每伏匝数（匝/V）", coreform::Frame3));
}

void Frmcore::addSizeFrame() {
  addControl(coreform::Frame4, ControlKind::Frame, captioned("铁芯尺寸", {360, 5520, 8415, 975}));
  addControl(
      coreform::Label17, ControlKind::Label,
      captioned("长L    高H   舌宽a  迭厚b 窗口宽c  窗口高h  平均磁路长度Le  铁芯重量We   铁损Pc",
                {120, 270, 8175, kCaptionHeight}, coreform::Frame4));
  for (const SizeColumn& column : kSizeColumns)
    addControl(column.field, ControlKind::TextBox,
               textField("", {column.left, 585, column.width, layout::kTextHeight}, column.tip,
                         coreform::Frame4));
}

void Frmcore::addResultFields() {
  for (const ResultField& field : kResultFields)
    addControl(field.name, ControlKind::TextBox, textField("", field.geometry, field.tip));
  addControl(coreform::Label18, ControlKind::Label,
             captioned("最高输出功率", {2280, 6600, 1335, kCaptionHeight}));
  addControl(coreform::Label19, ControlKind::Label,
             captioned("FC          FM", {7320, 6600, 1575, kCaptionHeight}));
  for (const GradeButton& button : kGradeButtons)
    addControl(button.name, ControlKind::CommandButton,
               captioned(button.caption, {8880, button.top, 855, 255}));
  addControl(coreform::CMDBB, ControlKind::CommandButton,
             captioned("Bobbin", {11640, 6840, 1935, 495}));
}

void Frmcore::addParameterTool() {
  ControlInit frame = captioned("电磁参量确定工具", {11640, 4440, 1935, 2295});
  frame.visible = false;  // the menu "高级" shows it
  addControl(coreform::Fmr, ControlKind::Frame, frame);
  addCaptionedColumn(kToolRows, kToolColumn, coreform::Fmr);
  addControl(
      coreform::TxtCu, ControlKind::TextBox,
      textField("", {120, 1080, 795, layout::kTextHeight}, "线圈铜重估算（kg）", coreform::Fmr));
  addControl(coreform::TxtZ, ControlKind::TextBox,
             textField("", {960, 1080, 855, layout::kTextHeight}, "工作温度下的铜损系数 Z",
                       coreform::Fmr));
  addControl(coreform::Label20, ControlKind::Label,
             captioned("J", {780, 1800, 180, kCaptionHeight}, coreform::Fmr));
  addControl(
      coreform::TxtJb, ControlKind::TextBox,
      textField("", {960, 1800, 855, layout::kTextHeight}, "电流密度 J（A/mm²）", coreform::Fmr));
  addControl(coreform::Command3, ControlKind::CommandButton,
             captioned("应用", {120, 1680, 615, 255}, coreform::Fmr));
  addControl(coreform::Command2, ControlKind::CommandButton,
             captioned("关闭", {120, 1920, 615, 255}, coreform::Fmr));
}

void Frmcore::addMenu() {
  addControl(coreform::FILe, ControlKind::MenuItem, menuItem("文件"));
  addControl(coreform::OPEN, ControlKind::MenuItem, menuItem("打开", coreform::FILe));
  addControl(coreform::SAVE, ControlKind::MenuItem, menuItem("保存", coreform::FILe));
  addControl(coreform::PRINT, ControlKind::MenuItem,
             menuItem("打印", coreform::FILe, keys::kPrint));
  addControl(coreform::OVER, ControlKind::MenuItem, menuItem("关闭", coreform::FILe));
  addControl(coreform::GJ, ControlKind::MenuItem, menuItem("高级"));
}

}  // namespace corvane
