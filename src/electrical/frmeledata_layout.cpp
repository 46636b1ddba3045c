// Design-time controls of the electrical specification form: their names,
// kinds, texts, tips and positions in twips.
#include "electrical/eledata_fields.h"
#include "electrical/frmeledata.h"
#include "model/captioned_field.h"
#include "model/control_init.h"
#include "model/standard_keys.h"

namespace corvane {

namespace {

constexpr const char* kInputFrame = eledata::Frame1;
constexpr int kHeadingTop = 1200;
constexpr int kRowTop = 1440;

struct ColumnHeading {
  const char* name;
  const char* caption;
  int left;
  int width;
};

// label name, caption, left and width (twips) of the output-table headings
constexpr ColumnHeading kHeadings[] = {
    {eledata::Label1, "组别", 240, 600},         {eledata::Label2, "输出电压V", 840, 840},
    {eledata::Label3, "输出电流A", 1680, 960},   {eledata::Label4, "整流电路", 2640, 1080},
    {eledata::Label5, "二极管类型", 3720, 1080}, {eledata::Label6, "绕组AC电压", 4800, 1080},
    {eledata::Label7, "绕组AC电流", 5880, 1080}, {eledata::Label8, "绕组功率", 6960, 840},
    {eledata::Label9, "滤波电容uF", 8040, 1320}, {eledata::Label10, "空载电压V", 9480, 960},
};

}  // namespace

void Frmeledata::addControls() {
  setSize(15375, 9900);
  addOutputTable();
  addInputBlock();
  addCommandsAndMenu();
}

void Frmeledata::addOutputTable() {
  for (const ColumnHeading& heading : kHeadings)
    addControl(heading.name, ControlKind::Label,
               captioned(heading.caption, {heading.left, kHeadingTop, heading.width, 240}));

  auto row0 = [](int left, int width, int height = layout::kTextHeight) {
    return Geometry{left, kRowTop, width, height};
  };
  addArray(eledata::TXTWN, ControlKind::TextBox,
           textField("W1", row0(120, 735), "组别：输出绕组的名称"));
  addArray(eledata::txtudc, ControlKind::TextBox,
           textField("", row0(840, 735),
                     "输出电压：整流滤波后的直流电压，没有整流电路时为交流电压（V）"));
  addArray(eledata::txtidc, ControlKind::TextBox,
           textField("", row0(1560, 975), "输出电流：负载电流，没有整流电路时为交流电流（A）"));

  ControlInit circuit =
      textField("无", row0(2520, 1215, layout::kListHeight), "请选择适当的整流电路形式");
  addArray(eledata::CMBZL, ControlKind::ComboBox, circuit);
  ControlInit diode =
      textField("无", row0(3720, 1095, layout::kListHeight), "请选择适当的整流二极管");
  addArray(eledata::cmbdio, ControlKind::ComboBox, diode);

  addArray(eledata::txtsuac, ControlKind::TextBox,
           textField("", row0(4800, 1095), "绕组AC电压：满载时绕组交流电压的有效值（V），可改写"));
  addArray(eledata::txtsiac, ControlKind::TextBox,
           textField("", row0(5880, 1095), "绕组AC电流：绕组电流的有效值（A），可改写"));
  addArray(eledata::txtspo, ControlKind::TextBox,
           textField("", row0(6960, 855), "绕组功率：绕组AC电压×AC电流（VA）"));
  addArray(eledata::TXTCP, ControlKind::TextBox,
           textField("", row0(7800, 1575), "滤波电容：推荐的电解电容容量范围（uF）"));
  addArray(
      eledata::TXTUNLOAD, ControlKind::TextBox,
      textField("", row0(9360, 975), "空载电压：绕组空载时的交流电压，由允许电压调整率算出（V）"));
  addArray(eledata::ChKSHC, ControlKind::CheckBox, captioned("S", row0(10440, 495)));
  // the rows of the groups added later stand one under the other
  for (const char* name : kRowArrays) array(name).setRowPitch(kRowPitch);
}

void Frmeledata::addInputBlock() {
  addControl(kInputFrame, ControlKind::Frame, captioned("输入参数", {840, 6120, 7215, 1335}));
  // positions inside the frame are relative to its top-left corner
  addControl(eledata::Chkp, ControlKind::CheckBox,
             captioned("单组输入", {120, 240, 1215, 255}, kInputFrame));
  addCaptionedField({eledata::Label11, "电压", eledata::TXTUIN1, "220", "请输入交流输入电压（V）"},
                    besideField(1380, 420, 1800, 735, 540, 30), kInputFrame);
  addControl(eledata::TXTUIN2, ControlKind::TextBox,
             textField("0", {1800, 900, 735, layout::kTextHeight}, "交流输入电压（V）：第二组初级",
                       kInputFrame));
  addCaptionedField({eledata::Label12, "输入电流A", eledata::TXTIIN, "",
                     "输入电流：初级满载电流，不含空载电流（A）"},
                    aboveField(2640, 270, 900, 540, 855), kInputFrame);
  // one caption over the ambient and the rise
  addCaptionedField({eledata::Label13, "环境温度℃  允许温升℃", eledata::TXTTEMP20, "25",
                     "请设定变压器使用时的环境温度（℃）"},
                    aboveField(3600, 270, 1920, 540, 735), kInputFrame);
  addControl(eledata::TXTTEMPD, ControlKind::TextBox,
             textField("45", {4560, 540, 735, layout::kTextHeight},
                       "请设定此变压器的允许工作温升（K）", kInputFrame));
  addCaptionedField(
      {eledata::Label14, "允许电压调整率%", eledata::TXTLUD, "15", "请设定变压器的电压调整率（%）"},
      aboveField(5580, 270, 1560, 540, 735), kInputFrame);
  addControl(eledata::Combo1, ControlKind::ComboBox,
             textField("Class B", {2640, 900, 1215, layout::kListHeight}, "绝缘等级", kInputFrame));
  addControl(eledata::Text13, ControlKind::TextBox,
             textField("", {3960, 915, 735, layout::kTextHeight}, "绝缘等级允许的最高温度（℃）",
                       kInputFrame));
}

void Frmeledata::addCommandsAndMenu() {
  addCaptionedField(
      {eledata::Label15, "输出总功率", eledata::txtpo, "100", "输出总功率：各组绕组功率之和（W）"},
      besideField(8400, 1215, 9720, 1215, 6600, 30));
  ControlInit counter = textField("", {8400, 7440, 495, layout::kTextHeight});
  counter.visible = false;  // bookkeeping of the rows, not an entry field
  addControl(eledata::txtzb, ControlKind::TextBox, counter);

  addControl(eledata::CMDWNDEL, ControlKind::CommandButton,
             captioned("删除输出组别", {8400, 6120, 2535, 375}));
  addControl(eledata::cmdcore, ControlKind::CommandButton,
             captioned("铁芯选型", {8400, 6960, 1215, 375}));
  ControlInit structure = captioned("结构仿真", {9720, 6960, 1215, 375});
  structure.enabled = false;  // the bobbin form's "变压器参数" enables it
  addControl(eledata::CMDJIEDOU, ControlKind::CommandButton, structure);
  addControl(eledata::CmdSearch, ControlKind::CommandButton,
             captioned("自动设计", {8400, 7440, 2535, 375}));

  addControl(eledata::PICSHC, ControlKind::PictureBox, captioned("", {11160, 1080, 3975, 8415}));

  addControl(eledata::FILe, ControlKind::MenuItem, menuItem("文件"));
  addControl(eledata::OPEN, ControlKind::MenuItem, menuItem("打开", eledata::FILe));
  addControl(eledata::SAVE, ControlKind::MenuItem, menuItem("保存", eledata::FILe));
  addControl(eledata::OVER, ControlKind::MenuItem, menuItem("关闭", eledata::FILe));
  addControl(eledata::PRINT, ControlKind::MenuItem,
             menuItem("打印参数表", eledata::FILe, keys::kPrint));
}

}  // namespace corvane
