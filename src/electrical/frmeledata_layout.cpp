// Design-time controls of the electrical specification form: their names,
// kinds, texts, tips and positions in twips.
#include "electrical/frmeledata.h"
#include "model/control_init.h"

namespace corvane {

namespace {

constexpr const char* kInputFrame = "Frame1";
constexpr int kHeadingTop = 1200;
constexpr int kRowTop = 1440;
constexpr int kTextHeight = 270;
constexpr int kListHeight = 300;

struct ColumnHeading {
  const char* name;
  const char* caption;
  int left;
  int width;
};

// label name, caption, left and width (twips) of the output-table headings
constexpr ColumnHeading kHeadings[] = {
    {"Label1", "组别", 240, 600},         {"Label2", "输出电压", 840, 840},
    {"Label3", "输出电流", 1680, 960},    {"Label4", "整流电路", 2640, 1080},
    {"Label5", "二极管类型", 3720, 1080}, {"Label6", "绕组AC电压", 4800, 1080},
    {"Label7", "绕组AC电流", 5880, 1080}, {"Label8", "绕组功率", 6960, 840},
    {"Label9", "滤波电容", 8040, 1320},   {"Label10", "空载电压", 9480, 960},
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

  auto row0 = [](int left, int width, int height = kTextHeight) {
    return Geometry{left, kRowTop, width, height};
  };
  addArray("TXTWN", ControlKind::TextBox, textField("W1", row0(120, 735)));
  addArray("txtudc", ControlKind::TextBox, textField("", row0(840, 735)));
  addArray("txtidc", ControlKind::TextBox, textField("", row0(1560, 975)));

  ControlInit circuit = textField("无", row0(2520, 1215, kListHeight), "请选择适当的整流电路形式");
  addArray("CMBZL", ControlKind::ComboBox, circuit);
  ControlInit diode = textField("无", row0(3720, 1095, kListHeight), "请选择适当的整流二极管");
  addArray("cmbdio", ControlKind::ComboBox, diode);

  addArray("txtsuac", ControlKind::TextBox, textField("", row0(4800, 1095)));
  addArray("txtsiac", ControlKind::TextBox, textField("", row0(5880, 1095)));
  addArray("txtspo", ControlKind::TextBox, textField("", row0(6960, 855)));
  addArray("TXTCP", ControlKind::TextBox, textField("", row0(7800, 1575)));
  addArray("TXTUNLOAD", ControlKind::TextBox, textField("", row0(9360, 975)));
  addArray("ChKSHC", ControlKind::CheckBox, captioned("S", row0(10440, 495)));
}

void Frmeledata::addInputBlock() {
  addControl(kInputFrame, ControlKind::Frame, captioned("输入参数", {840, 6120, 7215, 1335}));
  // positions inside the frame are relative to its top-left corner
  addControl("Chkp", ControlKind::CheckBox,
             captioned("单组输入", {120, 240, 1215, 255}, kInputFrame));
  addControl("Label11", ControlKind::Label, captioned("电压", {1380, 570, 420, 255}, kInputFrame));
  addControl("TXTUIN1", ControlKind::TextBox,
             textField("220", {1800, 540, 735, kTextHeight}, "请输入交流输入电压", kInputFrame));
  addControl("TXTUIN2", ControlKind::TextBox,
             textField("0", {1800, 900, 735, kTextHeight}, "交流输入电压", kInputFrame));
  addControl("Label12", ControlKind::Label,
             captioned("输入电流", {2640, 270, 900, 255}, kInputFrame));
  addControl("TXTIIN", ControlKind::TextBox,
             textField("", {2640, 540, 855, kTextHeight}, {}, kInputFrame));
  addControl("Label13", ControlKind::Label,
             captioned("环境温度℃  允许温升℃", {3600, 270, 1920, 255}, kInputFrame));
  addControl(
      "TXTTEMP20", ControlKind::TextBox,
      textField("25", {3600, 540, 735, kTextHeight}, "请设定变压器使用时的环境温度", kInputFrame));
  addControl(
      "TXTTEMPD", ControlKind::TextBox,
      textField("45", {4560, 540, 735, kTextHeight}, "请设定此变压器的允许工作温升", kInputFrame));
  addControl("Label14", ControlKind::Label,
             captioned("允许电压调整率%", {5580, 270, 1560, 255}, kInputFrame));
  addControl(
      "TXTLUD", ControlKind::TextBox,
      textField("15", {5580, 540, 735, kTextHeight}, "请设定变压器的电压调整率", kInputFrame));
  addControl("Combo1", ControlKind::ComboBox,
             textField("Class B", {2640, 900, 1215, kListHeight}, {}, kInputFrame));
  addControl("Text13", ControlKind::TextBox,
             textField("", {3960, 915, 735, kTextHeight}, {}, kInputFrame));
}

void Frmeledata::addCommandsAndMenu() {
  addControl("Label15", ControlKind::Label, captioned("输出总功率", {8400, 6630, 1215, 255}));
  addControl("txtpo", ControlKind::TextBox, textField("100", {9720, 6600, 1215, kTextHeight}));
  ControlInit counter = textField("", {8400, 7440, 495, kTextHeight});
  counter.visible = false;  // bookkeeping of the rows, not an entry field
  addControl("txtzb", ControlKind::TextBox, counter);

  addControl("CMDWNDEL", ControlKind::CommandButton,
             captioned("删除输出组别", {8400, 6120, 2535, 375}));
  addControl("cmdcore", ControlKind::CommandButton, captioned("铁芯选型", {8400, 6960, 1215, 375}));
  ControlInit structure = captioned("结构仿真", {9720, 6960, 1215, 375});
  structure.enabled = false;  // the bobbin form's "变压器参数" enables it
  addControl("CMDJIEDOU", ControlKind::CommandButton, structure);

  addControl("PICSHC", ControlKind::PictureBox, captioned("", {11160, 1080, 3975, 8415}));

  addControl("FILe", ControlKind::MenuItem, menuItem("文件"));
  addControl("OPEN", ControlKind::MenuItem, menuItem("打开", "FILe"));
  addControl("SAVE", ControlKind::MenuItem, menuItem("保存", "FILe"));
  addControl("OVER", ControlKind::MenuItem, menuItem("关闭", "FILe"));
  addControl("PRINT", ControlKind::MenuItem, menuItem("打印参数表", "FILe"));
}

}  // namespace corvane
