// Design-time controls of the wire tools: four frames of labelled fields in
// one or two columns, the clock line and the three buttons. Positions in twips.
#include <array>
#include <string>

#include "model/control_init.h"
#include "wiretools/frmwiretools.h"
#include "wiretools/wiretoolsform_fields.h"

namespace corvane {

using namespace wiretoolsform;

namespace {

constexpr int kFieldHeight = 285;
constexpr int kListHeight = 315;
constexpr int kFirstRowTop = 360;  // below the frame's caption
constexpr int kRowPitch = 420;
constexpr int kInset = 120;      // frame edge to the first column
constexpr int kLabelGap = 60;    // label to its field
constexpr int kColumnGap = 240;  // one column's field to the next column's label
constexpr int kLabelDrop = 30;   // a label sits a little lower than its field's top

struct FrameLayout {
  const char* name;
  const char* caption;
  int left, top;
  int labelWidth, fieldWidth;  // of every column
  int columns, rows;
};

// frame, caption, left and top on the form, label and field width, grid
// (twips); the skin-effect frame beside the wire frame, litz and foil below
constexpr std::array<FrameLayout, 4> kFrames{{
    {Frame1, "漆包线", 120, 120, 1440, 2040, 2, 5},
    {Frame4, "趋表效应", 7800, 120, 1620, 1320, 1, 5},
    {Frame2, "Litz线", 120, 2760, 1320, 1080, 2, 3},
    {Frame3, "Foil", 5640, 2760, 1320, 1080, 2, 3},
}};

struct FieldLayout {
  const char* frame;
  const char* label;  // the caption's control
  const char* name;
  const char* caption;
  const char* text;  // design-time text
  int column, row;
  bool list;        // a drop-down list instead of a text box
  const char* tip;  // meaning and unit
};

// frame, caption control, field, caption, design-time text, column, row, drop-down, tip
constexpr std::array<FieldLayout, 27> kFields{{
    {Frame1, Label1, TxtWireD, "线径mm ф", "", 0, 0, false, "漆包线裸铜线径（mm）"},
    {Frame1, Label2, CmbWire, "线材", "", 0, 1, true, "导体材料"},
    {Frame1, Label3, TxtWireLeng, "长度L(M)", "1", 0, 2, false, "导线长度（m）"},
    {Frame1, Label4, TxtAwg, "AWG", "", 0, 3, false, "美国线规号（AWG）"},
    {Frame1, Label5, TxtJ, "电流密度A/mm2", "", 0, 4, false, "电流密度（A/mm²）"},
    {Frame1, Label6, TxtWireS, "截面积S(mm2)", "", 1, 0, false, "导体截面积（mm²）"},
    {Frame1, Label7, TxtWireOM, "导体电阻Ω.M", "", 1, 1, false, "每米导体电阻（Ω/m）"},
    {Frame1, Label8, TxtWireWeig, "重量We(g)", "", 1, 2, false, "导线重量（g）"},
    {Frame1, Label9, TxtWireDCR, "电阻R(Ω)", "", 1, 3, false, "导线直流电阻（Ω）"},
    {Frame1, Label10, TxtI, "允许电流A", "", 1, 4, false, "该电流密度下的允许电流（A）"},

    {Frame4, Label11, TxtF, "频率KHz", "", 0, 0, false, "频率（kHz）"},
    {Frame4, Label12, TxtHfT, "趋表深度mm", "", 0, 1, false, "该频率下的趋表深度（mm）"},
    {Frame4, Label13, TxtHftMax, "最大线径及厚度", "", 0, 2, false,
     "趋表效应不显著的最大线径及箔厚（mm）"},
    {Frame4, Label14, TxtRac, "Rac", "", 0, 3, false, "交流电阻与直流电阻之比 Rac/Rdc"},
    {Frame4, Label15, TxtR, "交流电阻R(Ω)", "", 0, 4, false, "交流电阻（Ω）"},

    {Frame2, Label16, TxtLitzD, "单股线径mm", "", 0, 0, false, "Litz线单股线径（mm）"},
    {Frame2, Label17, TxtLitzP, "股数 P", "", 0, 1, false, "Litz线股数"},
    {Frame2, Label18, TxtLitzLeng, "长度L(M)", "1", 0, 2, false, "Litz线长度（m）"},
    {Frame2, Label19, TxtLitzS, "截面积S(mm2)", "", 1, 0, false, "Litz线导体总截面积（mm²）"},
    {Frame2, Label20, TxtLitzDCR, "电阻R(Ω)", "", 1, 1, false, "Litz线直流电阻（Ω）"},
    {Frame2, Label21, TxtLitzWeig, "重量We(g)", "", 1, 2, false, "Litz线重量（g）"},

    {Frame3, Label22, TxtFoilTh, "厚度(mm)", "", 0, 0, false, "铜箔厚度（mm）"},
    {Frame3, Label23, TxtFoilWd, "宽度(mm)", "", 0, 1, false, "铜箔宽度（mm）"},
    {Frame3, Label24, TxtFoilLeng, "长度L(M)", "1", 0, 2, false, "铜箔长度（m）"},
    {Frame3, Label25, TxtFoilS, "截面积S(mm2)", "", 1, 0, false, "铜箔截面积（mm²）"},
    {Frame3, Label26, TxtFoilDCR, "电阻R(Ω)", "", 1, 1, false, "铜箔直流电阻（Ω）"},
    {Frame3, Label27, TxtFoilWeig, "重量We(g)", "", 1, 2, false, "铜箔重量（g）"},
}};

struct ButtonLayout {
  const char* name;
  const char* caption;
  int left;
};

constexpr int kButtonTop = 4680;
// button, caption, left (twips)
constexpr std::array<ButtonLayout, 3> kButtons{{
    {P, "打印", 7800},
    {OP, "关闭", 8880},
    {Ab, "关于", 9960},
}};

int columnLeft(const FrameLayout& frame, int column) {
  return kInset + column * (frame.labelWidth + kLabelGap + frame.fieldWidth + kColumnGap);
}

Geometry frameGeometry(const FrameLayout& frame) {
  const int width = columnLeft(frame, frame.columns) - kColumnGap + kInset;
  const int height = kFirstRowTop + (frame.rows - 1) * kRowPitch + kFieldHeight + 2 * kInset;
  return {frame.left, frame.top, width, height};
}

const FrameLayout& frameNamed(const char* name) {
  for (const FrameLayout& frame : kFrames)
    if (std::string(frame.name) == name) return frame;
  return kFrames.front();
}

}  // namespace

void FrmWireTools::addControls() {
  setSize(11160, 5520);
  for (const FrameLayout& frame : kFrames)
    addControl(frame.name, ControlKind::Frame, captioned(frame.caption, frameGeometry(frame)));

  for (const FieldLayout& field : kFields) {
    const FrameLayout& frame = frameNamed(field.frame);
    const int left = columnLeft(frame, field.column);
    const int top = kFirstRowTop + field.row * kRowPitch;
    addControl(field.label, ControlKind::Label,
               captioned(field.caption, {left, top + kLabelDrop, frame.labelWidth, kFieldHeight},
                         field.frame));
    const Geometry place{left + frame.labelWidth + kLabelGap, top, frame.fieldWidth,
                         field.list ? kListHeight : kFieldHeight};
    addControl(field.name, field.list ? ControlKind::ComboBox : ControlKind::TextBox,
               textField(field.text, place, field.tip, field.frame));
  }
  addClockAndButtons();
}

void FrmWireTools::addClockAndButtons() {
  ControlInit clock = captioned(kClockPrefix, {120, 4620, 6600, 600});
  clock.fontSize = 24;
  addControl(Lbt, ControlKind::Label, clock);
  ControlInit counter = textField("", {7080, 4680, 120, kFieldHeight});
  counter.visible = false;  // counts the clock's ticks, not an entry field
  addControl(Txt1, ControlKind::TextBox, counter);

  ControlInit timer;
  timer.interval = 1000;
  timer.enabled = false;  // the load step starts it
  addControl(Tim1, ControlKind::Timer, timer);

  for (const ButtonLayout& button : kButtons)
    addControl(button.name, ControlKind::CommandButton,
               captioned(button.caption, {button.left, kButtonTop, 960, 420}));
}

}  // namespace corvane
