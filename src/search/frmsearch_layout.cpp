// Design-time controls of the automatic-design form: the search space in a
// frame, the commands and the progress bar beside it, the plot at the right,
// the table of the best designs below. Positions in twips (inside a frame,
// from the frame's top-left corner).
#include <string>

#include "model/control_init.h"
#include "search/frmsearch.h"
#include "search/search_fields.h"
#include "search/search_table.h"
#include "search/space_texts.h"

namespace corvane {

using namespace searchform;

namespace {

constexpr int kFrameLeft = 120;
constexpr int kFrameTop = 120;
constexpr int kFrameWidth = 7560;
constexpr int kFrameHeight = 3480;
constexpr int kCaptionLeft = 150;
constexpr int kCaptionWidth = 1560;
constexpr int kFieldLeft = 1740;
constexpr int kRangeWidth = 780;
constexpr int kRangePitch = 900;
constexpr int kRowPitch = 360;

constexpr int kCommandLeft = 7800;
constexpr int kCommandWidth = 1500;
constexpr int kCommandHeight = 420;

constexpr int kPlotLeft = 9480;
constexpr int kPlotWidth = 9900;
constexpr int kPlotHeight = 4020;

constexpr int kTableTop = 4320;
constexpr int kTableLeft = 120;
constexpr int kCellPitch = 270;

using Text = std::string search::SpaceTexts::*;

struct RangeRow {
  const char* caption;
  const char* min;
  const char* max;
  const char* step;
  Text texts[3];
  const char* tip;
};

// caption, the three fields, where their design-time texts stand, what they are
constexpr RangeRow kRanges[] = {
    {"叠厚",
     TxtStackMin,
     TxtStackMax,
     TxtStackStep,
     {&search::SpaceTexts::stackMin, &search::SpaceTexts::stackMax, &search::SpaceTexts::stackStep},
     "叠厚b的范围：按舌宽a的倍数（取整到mm）或直接按mm"},
    {"磁通密度Bm(T)",
     TxtFluxMin,
     TxtFluxMax,
     TxtFluxStep,
     {&search::SpaceTexts::fluxMin, &search::SpaceTexts::fluxMax, &search::SpaceTexts::fluxStep},
     "工作磁通密度的范围，T；最大值空着时取各材质的额定磁通密度"},
    {"电流密度J(A/mm²)",
     TxtJMin,
     TxtJMax,
     TxtJStep,
     {&search::SpaceTexts::densityMin, &search::SpaceTexts::densityMax,
      &search::SpaceTexts::densityStep},
     "初级电流密度的范围，A/mm²；次级电流密度按下面的比例"},
};

}  // namespace

void FrmSearch::addControls() {
  setSize(19500, kTableTop + 300 + kTableRows * kCellPitch + 120);
  addSpaceFrame();
  addCommands();
  ControlInit plot = captioned("", {kPlotLeft, kFrameTop, kPlotWidth, kPlotHeight});
  plot.toolTip =
      "每个已计算的候选方案的成本价与负载温升：蓝色可行，红色不可行，"
      "绿线为可行方案的帕累托前沿，红圈为表中选中的方案";
  addControl(PicPlot, ControlKind::PictureBox, plot);
  addTable();
}

void FrmSearch::addSpaceFrame() {
  addControl(FrmSpace, ControlKind::Frame,
             captioned("搜索范围", {kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight}));
  auto caption = [this](const char* name, const char* text, int top) {
    addControl(
        name, ControlKind::Label,
        captioned(text, {kCaptionLeft, top + 15, kCaptionWidth, layout::kLabelHeight}, FrmSpace));
  };
  auto field = [this](const char* name, const std::string& text, Geometry at, const char* tip) {
    addControl(name, ControlKind::TextBox, textField(text, at, tip, FrmSpace));
  };
  const search::SpaceTexts first;
  int top = 330;
  caption("LblLaminations", "铁芯规格", top);
  field(TxtLaminations, first.laminations, {kFieldLeft, top, 5640, layout::kTextHeight},
        "要试的标准EI铁芯：全部，或用逗号分开的规格，如 EI48,EI57,EI66");
  top += kRowPitch;
  caption("LblGrades", "材质", top);
  field(TxtGrades, first.grades, {kFieldLeft, top, 5640, layout::kTextHeight},
        "要试的矽钢片材质，用逗号分开，如 50H800,H12；空着时取铁芯窗体所选的材质");
  top += kRowPitch;
  const char* headers[] = {"最小", "最大", "步长"};
  for (int k = 0; k < 3; ++k)
    addControl(
        std::string("LblRange") + std::to_string(k), ControlKind::Label,
        captioned(headers[k],
                  {kFieldLeft + k * kRangePitch, top + 30, kRangeWidth, layout::kLabelHeight},
                  FrmSpace));
  top += 300;
  for (const RangeRow& range : kRanges) {
    caption((std::string("Lbl") + range.min).c_str(), range.caption, top);
    const char* names[] = {range.min, range.max, range.step};
    for (int k = 0; k < 3; ++k)
      field(names[k], first.*range.texts[k],
            {kFieldLeft + k * kRangePitch, top, kRangeWidth, layout::kTextHeight}, range.tip);
    top += kRowPitch;
  }
  // the stack's unit, beside its range
  const int unitLeft = kFieldLeft + 3 * kRangePitch;
  const int stackTop = top - 3 * kRowPitch;
  ControlInit ratio =
      captioned("×舌宽a", {unitLeft, stackTop, 1020, layout::kLabelHeight}, FrmSpace);
  ratio.group = "stackUnit";
  ratio.value = 1;
  addControl(OptStackRatio, ControlKind::OptionButton, ratio);
  ControlInit mm =
      captioned("mm", {unitLeft + 1080, stackTop, 720, layout::kLabelHeight}, FrmSpace);
  mm.group = "stackUnit";
  addControl(OptStackMm, ControlKind::OptionButton, mm);
  addControl("LblJRatio", ControlKind::Label,
             captioned("次级/初级", {unitLeft, top - kRowPitch + 15, 900, layout::kLabelHeight},
                       FrmSpace));
  field(TxtJRatio, first.densityRatio, {unitLeft + 960, top - kRowPitch, 660, layout::kTextHeight},
        "次级电流密度与初级电流密度之比");

  caption("LblBobbins", "骨架", top);
  struct Bobbin {
    const char* name;
    const char* caption;
    bool search::SpaceTexts::*chosen;
  };
  const Bobbin bobbins[] = {{ChkSingle, "工字", &search::SpaceTexts::singleSlot},
                            {ChkDouble, "王字", &search::SpaceTexts::doubleSlot},
                            {ChkDrawer, "抽屉式", &search::SpaceTexts::drawer}};
  for (int k = 0; k < 3; ++k) {
    ControlInit box = captioned(bobbins[k].caption,
                                {kFieldLeft + k * 1200, top, 1140, layout::kLabelHeight}, FrmSpace);
    box.value = first.*bobbins[k].chosen ? 1 : 0;
    addControl(bobbins[k].name, ControlKind::CheckBox, box);
  }
  top += kRowPitch;
  caption("LblObjective", "目标", top);
  ControlInit objective;
  objective.geometry = {kFieldLeft, top - 15, 1920, layout::kListHeight};
  objective.container = FrmSpace;
  objective.items = {"成本最低", "损耗最低", "重量最低"};
  objective.listIndex = 0;
  objective.text = "成本最低";
  objective.toolTip =
      "可行方案按什么排名：成本价、负载总损耗或铁芯加铜的重量；"
      "相同时损耗低的在前，再相同时成本低的在前";
  addControl(CmbObjective, ControlKind::ComboBox, objective);
  addControl(LblCount, ControlKind::Label,
             captioned("", {kFieldLeft + 2040, top + 15, 3600, layout::kLabelHeight}, FrmSpace));
}

void FrmSearch::addCommands() {
  const char* commands[][2] = {
      {CmdStart, "开始搜索"}, {CmdStop, "停止"}, {CmdAdopt, "采用"}, {CmdExportCsv, "导出CSV"}};
  for (int k = 0; k < 4; ++k) {
    ControlInit button = captioned(
        commands[k][1], {kCommandLeft, kFrameTop + 90 + k * 540, kCommandWidth, kCommandHeight});
    button.enabled = k == 0;
    addControl(commands[k][0], ControlKind::CommandButton, button);
  }
  ControlInit bar = captioned(
      "", {kFrameLeft, kFrameTop + kFrameHeight + 120, kPlotLeft - kFrameLeft - 120, 300});
  bar.text = "0";
  bar.toolTip = "已完成的候选方案数、到此为止的最低成本价和估计的剩余时间";
  addControl(PrgSearch, ControlKind::ProgressBar, bar);
  ControlInit timer;
  timer.interval = kPollInterval;
  timer.enabled = false;  // on while a search runs in the background
  addControl(TmrProgress, ControlKind::Timer, timer);
}

void FrmSearch::addTable() {
  int left = kTableLeft;
  int column = 0;
  for (const search::TableColumn& c : search::tableColumns()) {
    ControlInit header = captioned(c.header, {left, kTableTop, c.width, layout::kLabelHeight});
    header.toolTip = std::string(c.tip) + "；单击按此列排序，再单击反向";
    if (column == 0)
      addArray(TblHead, ControlKind::Label, header);
    else
      array(TblHead).load(column, header);
    for (int row = 0; row < kTableRows; ++row) {
      ControlInit cell = textField(
          "", {left, kTableTop + 300 + row * kCellPitch, c.width, layout::kTextHeight}, c.tip);
      cell.locked = true;
      cell.visible = false;
      if (row == 0)
        addArray(c.field, ControlKind::TextBox, cell);
      else
        array(c.field).load(row, cell);
    }
    left += c.width;
    ++column;
  }
}

}  // namespace corvane
