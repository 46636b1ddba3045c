// Design-time controls of the operating-analysis form: the mains tolerance
// and the commands, then four frames (the mains columns, the output groups,
// part load, the adapter level). Positions in twips (inside a frame, from the
// frame's top-left corner).
#include <string>

#include "model/captioned_field.h"
#include "model/control_init.h"
#include "operating/frmoperating.h"
#include "operating/mains_columns.h"
#include "operating/operating_fields.h"
#include "operating/part_load_efficiency.h"

namespace corvane {

using namespace operatingform;

namespace {

constexpr const char* kMainsFrame = FrameMains;
constexpr const char* kGroupFrame = FrameGroups;
constexpr const char* kLoadFrame = FrameLoad;
constexpr const char* kAdapterFrame = FrameAdapter;

constexpr int kFrameTop = 600;
constexpr int kFrameGap = 120;
constexpr int kHeaderTop = 300;  // column captions inside a frame
constexpr int kFirstRowTop = 570;
constexpr int kCaptionLeft = 120;
constexpr int kCaptionWidth = 1740;
constexpr int kFirstColumnLeft = 1920;

// --- the mains columns
constexpr int kMainsPitch = 315;
constexpr int kMainsRowCount = 7;
constexpr int kMainsFrameHeight = kFirstRowTop + kMainsRowCount * kMainsPitch + 90;
constexpr int kMainsColumnPitch = 1335;
constexpr int kMainsFieldWidth = 1215;

// label, caption, field array, design-time text, tool tip, one row per quantity
constexpr CaptionedField kMainsRows[kMainsRowCount] = {
    {LblMainsVoltage, "电网电压(V)", MainsVoltage, "", "该电网电压下的初级输入电压，V"},
    {LblFluxDensity, "磁通密度Bm(T)", FluxDensity, "",
     "空载磁通密度，T，随电网电压成正比；底色同结构仿真的空载Bo"},
    {LblIronLoss, "铁损(W)", IronLoss, "", "铁损，W，随磁通密度的平方变化"},
    {LblNoLoadCurrent, "空载电流I0(A)", NoLoadCurrent, "",
     "空载电流，A：额定列取结构仿真的I0，其余按矽钢片磁化曲线计算"},
    {LblLoadRise, "开放式温升(℃)", LoadRise, "", "满载时的开放式温升，K（铁损随电网电压变化）"},
    {LblEnclosedRise, "适配器温升(℃)", EnclosedRise, "",
     "装在适配器外壳内的温升，K（开放式×1.414）"},
    {LblVerdict, "满载温升判定", Verdict, "", "满载温升相对允许温升的判定：安全、过热或严重警告"},
};

constexpr const char* kMainsHeaders[] = {"低压", "额定", "高压"};

// --- the output groups
constexpr int kGroupPitch = 300;

struct GroupColumn {
  const char* header;
  const char* field;
  int left;
  int width;
  const char* tip;
};

// header, field array, left, width, tool tip
constexpr GroupColumn kGroupColumns[] = {
    {"组别", GroupName, 120, 660, "输出组别"},
    {"整流电路", GroupCircuit, 840, 1080, "该组的整流电路"},
    {"低压(V)", NoLoadOutLow, 1980, 900, "低压电网下的空载直流输出电压，V"},
    {"额定(V)", NoLoadOutNominal, 2940, 900, "额定电网下的空载直流输出电压，V"},
    {"高压(V)", NoLoadOutHigh, 3900, 900,
     "高压电网下的空载直流输出电压，V：滤波电容和稳压器须承受的电压"},
    {"电容耐压(V)", CapacitorRating, 4860, 960,
     "不低于高压空载电压的最小标准电解电容耐压，V（电容输入电路）"},
};

// --- part load
constexpr int kLoadColumnPitch = 1200;
constexpr int kLoadFieldWidth = 1080;
constexpr const char* kLoadHeaders[] = {"25%", "50%", "75%", "100%"};

// label, caption, field array, design-time text, tool tip
constexpr CaptionedField kLoadRows[] = {
    {LblOutputPower, "输出功率(W)", OutputPower, "", "该负载率下的输出功率，W（铭牌功率×负载率）"},
    {LblLosses, "损耗(W)", Losses, "", "铁损、铜损（随负载率平方）与整流二极管损耗之和，W"},
    {LblEfficiency, "效率(%)", Efficiency, "", "输出功率占输入功率的百分数，%"},
};

// --- the adapter level: a caption and its field, in two columns
constexpr int kAdapterPitch = 330;
constexpr int kSecondCaptionLeft = 3120;
constexpr int kSecondCaptionWidth = 1560;
constexpr int kSecondFieldLeft = 4680;

struct AdapterField {
  CaptionedField names;
  int row;
  bool secondColumn;
  int width;
};

// label, caption, field, design-time text, tool tip; row, in the second column, field width
// clang-format off
constexpr AdapterField kAdapterFields[] = {
    {{LblAverage, "平均效率(%)", AverageEfficiency, "", "25%、50%、75%和100%负载时效率的平均值，%"}, 0, false, 1080},
    {{LblRequiredEfficiency, "要求不低于(%)", RequiredEfficiency, "", "该类别和铭牌功率下六级能效要求的最低平均效率，%"}, 0, true, 1080},
    {{LblNoLoadPower, "空载输入功率(W)", NoLoadInputPower, "", "空载时的输入功率，W：铁损加空载电流在初级冷阻上的损耗"}, 1, false, 1080},
    {{LblRequiredNoLoad, "要求不高于(W)", RequiredNoLoadPower, "", "该类别和铭牌功率下六级能效允许的最大空载功耗，W"}, 1, true, 1080},
    {{LblAdapterClass, "适配器类别", AdapterClass, "", "外部电源类别：基本电压、低压、交流输出或多路输出"}, 2, false, 1800},
    {{LblAdapterVerdict, "能效判定", AdapterVerdict, "", "平均效率和空载功耗是否满足六级能效要求"}, 3, false, 4560},
};
// clang-format on

// The caption of a row of figures, at the frame's caption column.
ControlInit rowCaption(const CaptionedField& row, int top, const char* frame) {
  return captioned(row.caption, {kCaptionLeft, top + 15, kCaptionWidth, layout::kLabelHeight},
                   frame);
}

int loadFrameHeight() {
  return kFirstRowTop + static_cast<int>(std::size(kLoadRows)) * kMainsPitch + 90;
}

}  // namespace

void FrmOperating::addControls() {
  setSize(13200, 7200);
  addControl(LblTolerance, ControlKind::Label,
             captioned("电网波动±%", {240, 165, 1140, layout::kLabelHeight}));
  addControl(
      MainsTolerance, ControlKind::TextBox,
      textField("10", {1440, 150, 615, layout::kTextHeight},
                "电网电压相对额定值的波动，%：低压列为额定×(1−波动)，高压列为额定×(1+波动)"));
  addControl(CmdCalculate, ControlKind::CommandButton, captioned("计算", {2280, 120, 1095, 330}));
  addControl(CmdPrint, ControlKind::CommandButton, captioned("打印", {3480, 120, 1095, 330}));
  addMainsColumns();
  addGroupRows();
  addPartLoad();
  addAdapterLevel();
}

void FrmOperating::addFigure(const char* name, int index, Geometry geometry, const char* tip,
                             const char* frame) {
  ControlInit init = textField("", geometry, tip, frame);
  init.locked = true;
  tips_[name] = tip;
  if (index == 0) {
    addArray(name, ControlKind::TextBox, init);
  } else if (index > 0) {
    array(name).load(index, init);
  } else {
    addControl(name, ControlKind::TextBox, init);
  }
}

void FrmOperating::addMainsColumns() {
  addControl(kMainsFrame, ControlKind::Frame,
             captioned("电网电压工况", {120, kFrameTop, 6000, kMainsFrameHeight}));
  for (int k = 0; k < operating::kMainsColumns; ++k) {
    const int left = kFirstColumnLeft + k * kMainsColumnPitch;
    ControlInit header = captioned(
        kMainsHeaders[k], {left, kHeaderTop, kMainsFieldWidth, layout::kLabelHeight}, kMainsFrame);
    if (k == 0)
      addArray(MainsHeader, ControlKind::Label, header);
    else
      array(MainsHeader).load(k, header);
  }
  for (int r = 0; r < kMainsRowCount; ++r) {
    const CaptionedField& row = kMainsRows[r];
    const int top = kFirstRowTop + r * kMainsPitch;
    addControl(row.label, ControlKind::Label, rowCaption(row, top, kMainsFrame));
    for (int k = 0; k < operating::kMainsColumns; ++k)
      addFigure(
          row.field, k,
          {kFirstColumnLeft + k * kMainsColumnPitch, top, kMainsFieldWidth, layout::kTextHeight},
          row.tip, kMainsFrame);
  }
}

void FrmOperating::addGroupRows() {
  addControl(
      kGroupFrame, ControlKind::Frame,
      captioned("各输出组空载直流电压", {120, kFrameTop + kMainsFrameHeight + kFrameGap, 6000,
                                         kFirstRowTop + kGroupRows * kGroupPitch + 60}));
  for (const GroupColumn& column : kGroupColumns) {
    addControl(
        columnHead(column.field), ControlKind::Label,
        captioned(column.header, {column.left, kHeaderTop, column.width, layout::kLabelHeight},
                  kGroupFrame));
    for (int g = 0; g < kGroupRows; ++g)
      addFigure(column.field, g,
                {column.left, kFirstRowTop + g * kGroupPitch, column.width, layout::kTextHeight},
                column.tip, kGroupFrame);
  }
}

void FrmOperating::addPartLoad() {
  const int rows = static_cast<int>(std::size(kLoadRows));
  addControl(kLoadFrame, ControlKind::Frame,
             captioned("部分负载效率", {6240, kFrameTop, 6840, loadFrameHeight()}));
  for (size_t j = 0; j < operating::kLoadPoints; ++j) {
    const int left = kFirstColumnLeft + static_cast<int>(j) * kLoadColumnPitch;
    ControlInit header = captioned(
        kLoadHeaders[j], {left, kHeaderTop, kLoadFieldWidth, layout::kLabelHeight}, kLoadFrame);
    if (j == 0)
      addArray(LoadHeader, ControlKind::Label, header);
    else
      array(LoadHeader).load(static_cast<int>(j), header);
  }
  for (int r = 0; r < rows; ++r) {
    const CaptionedField& row = kLoadRows[r];
    const int top = kFirstRowTop + r * kMainsPitch;
    addControl(row.label, ControlKind::Label, rowCaption(row, top, kLoadFrame));
    for (size_t j = 0; j < operating::kLoadPoints; ++j)
      addFigure(row.field, static_cast<int>(j),
                {kFirstColumnLeft + static_cast<int>(j) * kLoadColumnPitch, top, kLoadFieldWidth,
                 layout::kTextHeight},
                row.tip, kLoadFrame);
  }
}

void FrmOperating::addAdapterLevel() {
  constexpr int kNoteTop = kHeaderTop + 4 * kAdapterPitch;
  addControl(kAdapterFrame, ControlKind::Frame,
             captioned("六级能效（外部电源）",
                       {6240, kFrameTop + loadFrameHeight() + kFrameGap, 6840, kNoteTop + 600}));
  for (const AdapterField& f : kAdapterFields) {
    const CaptionedPlace at =
        f.secondColumn ? besideField(kSecondCaptionLeft, kSecondCaptionWidth, kSecondFieldLeft,
                                     f.width, kHeaderTop + f.row * kAdapterPitch, 15)
                       : besideField(kCaptionLeft, kCaptionWidth, kFirstColumnLeft, f.width,
                                     kHeaderTop + f.row * kAdapterPitch, 15);
    addControl(f.names.label, ControlKind::Label, captionOf(f.names, at, kAdapterFrame));
    addFigure(f.names.field, -1, at.field, f.names.tip, kAdapterFrame);
  }
  addControl(
      AdapterNote, ControlKind::Label,
      captioned("注：六级能效只适用于装在插墙式电源适配器内出售的变压器；"
                "平均效率含整流二极管损耗。",
                {kCaptionLeft, kNoteTop + 30, 6600, 2 * layout::kLabelHeight}, kAdapterFrame));
}

}  // namespace corvane
