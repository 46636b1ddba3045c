// Design-time controls of the winding-structure form: the header, the winding
// table's row 0 with its column headers, the summary panel, the commands, the
// menu and the two pictures. Positions in twips.
#include <string>
#include <vector>

#include "model/control_init.h"
#include "model/standard_keys.h"
#include "winding/frmjiegou.h"
#include "winding/jiegou_fields.h"
#include "winding/winding_columns.h"

namespace corvane {

using namespace jiegou;

namespace {

constexpr int kHeaderTop = 600;
// The table's columns keep their relative widths, widened by a fifth so the
// Chinese headers of the narrow columns fit the desktop's font, and stand a
// little in from the form's edge.
constexpr double kColumnScale = 1.2;
constexpr int kTableLeft = 120;

Geometry columnPlace(int left, int width, int top, int height) {
  return {kTableLeft + static_cast<int>(left * kColumnScale), top,
          static_cast<int>(width * kColumnScale), height};
}
constexpr int kColumnHeaderTop = 1380;
// the summary panel below the table, beside the pictures: two columns
constexpr int kSummaryLeft = 11520;
constexpr int kSummaryColumnWidth = 2880;
constexpr int kSummaryCaptionWidth = 1560;
constexpr int kSummaryFieldWidth = 1155;
constexpr int kSummaryTop = 5160;
constexpr int kSummaryPitch = 330;
constexpr int kSummaryRows = 7;
constexpr int kPictureTop = 5160;
constexpr int kButtonWidth = 1335;
constexpr int kButtonHeight = 375;
constexpr int kButtonGap = 120;
// the simulator export: a fourth column beside the first row, wide enough for its caption
constexpr int kExportButtonWidth = 1695;

// One header field: caption on the left, the field to its right.
struct HeaderField {
  const char* label;
  const char* caption;
  const char* field;
  const char* text;
  int labelLeft;
  int left;
  int width;
};

// label, caption, field, design-time text, caption left, field left, width
constexpr HeaderField kHeaderFields[] = {
    {Label1, "订单ID:", TXTID, "20080701", 120, 840, 1215},
    {Label2, "客户ID:", TXTCUS, "111111", 2280, 3000, 1095},
    {Label3, "型号:", TXTNAME, "", 4320, 4920, 1455},
    {Label4, "产品ID:", TXTPROID, "000000000000", 6600, 7320, 1695},
};

// One summary field under its caption line, in the order of the panel.
struct SummaryField {
  const char* label;
  const char* caption;
  const char* field;
  bool enabled;
};

// label, caption, field, accepts input
constexpr SummaryField kSummaryFields[] = {
    {Label11, "铜损(W)", txtpcuz, true},    {Label12, "铁损(W)", TXTPCZ, true},
    {Label13, "总损耗(W)", txtpLOST, true}, {Label14, "铜总重KG", TxtCuWt, true},
    {Label15, "空载电流I0", TxtI0, true},   {Label16, "开放式温升△℃", TXTTEMP, true},
    {Label17, "适配器温升△℃", Tp2, true},   {Label18, "空载Bo", TxtBm, true},
    {Label19, "工作B", TxtB, true},         {Label20, "初级电流密度", TxtJ, true},
    {Label21, "次级电流密度", TxtJs, true},
};

struct Button {
  const char* name;
  const char* caption;
};

// in the panel's order, four to a row
constexpr Button kButtons[] = {
    {Command1, "参数仿真"}, {Command3, "结构仿真"},     {Command5, "负载运行"},
    {Command6, "空载运行"}, {CmdOperating, "工况分析"}, {Command4, "材料清单"},
    {Command2, "上一步"},
};
constexpr int kButtonsPerRow = 4;

std::vector<std::string> itemsOf(const auto& list) {
  return {list.begin(), list.end()};
}

}  // namespace

void Frmjiegou::addControls() {
  setSize(18600, 8640);
  addHeader();
  addTable();
  addSummary();
  addCommandsAndPictures();
}

void Frmjiegou::addHeader() {
  ControlInit title = captioned("结构参数与仿真报告", {5400, 60, 4800, 420});
  title.fontSize = 14;
  title.fontBold = true;
  addControl(LblTitle, ControlKind::Label, title);
  for (const HeaderField& f : kHeaderFields) {
    addControl(f.label, ControlKind::Label,
               captioned(f.caption, {f.labelLeft, kHeaderTop + 15, f.left - f.labelLeft,
                                     layout::kLabelHeight}));
    addControl(f.field, ControlKind::TextBox,
               textField(f.text, {f.left, kHeaderTop, f.width, layout::kTextHeight}));
  }
  addControl(Lbldate, ControlKind::Label,
             captioned("", {9240, kHeaderTop + 15, 1455, layout::kLabelHeight}));
  // the highest row index: kept by the program, not shown
  ControlInit rows = textField("", {10800, kHeaderTop, 495, layout::kTextHeight});
  rows.visible = false;
  addControl(Txtzb, ControlKind::TextBox, rows);
}

void Frmjiegou::addTable() {
  using winding::CellKind;
  const auto& columns = winding::kWindingColumns;
  for (size_t c = 0; c < columns.size(); ++c) {
    const winding::WindingColumn& column = columns[c];
    if (column.headerSpan > 0) {
      int width = 0;
      for (int s = 0; s < column.headerSpan; ++s)
        width = columns[c + s].left + columns[c + s].width - column.left;
      addControl(columnHead(column.name), ControlKind::Label,
                 captioned(column.header, columnPlace(column.left, width, kColumnHeaderTop,
                                                      layout::kLabelHeight)));
    }
  }
  for (const winding::WindingColumn& column : columns) {
    ControlInit init;
    init.text = column.text;
    init.enabled = column.enabled;
    init.backColor = column.back;
    init.hasBackColor = column.kind == CellKind::Text;
    if (column.blueText) init.foreColor = colors::kBlue;
    const int height = column.kind == CellKind::Text ? layout::kTextHeight : layout::kListHeight;
    init.geometry = columnPlace(column.left, column.width, winding::kRowZeroTop, height);
    if (column.kind == CellKind::Display) init.listOnly = false;
    addArray(column.name,
             column.kind == CellKind::Text ? ControlKind::TextBox : ControlKind::ComboBox, init)
        .setRowPitch(winding::kRowPitch);
  }
}

void Frmjiegou::addSummary() {
  int slot = 0;
  auto place = [&slot](int width, int height, int offset = 0) {
    const int column = slot / kSummaryRows, row = slot % kSummaryRows;
    return Geometry{kSummaryLeft + column * kSummaryColumnWidth + offset,
                    kSummaryTop + row * kSummaryPitch, width, height};
  };
  for (const SummaryField& f : kSummaryFields) {
    Geometry caption = place(kSummaryCaptionWidth, layout::kLabelHeight);
    caption.top += 15;
    addControl(f.label, ControlKind::Label, captioned(f.caption, caption));
    ControlInit init =
        textField("", place(kSummaryFieldWidth, layout::kTextHeight, kSummaryCaptionWidth));
    init.enabled = f.enabled;
    addControl(f.field, ControlKind::TextBox, init);
    ++slot;
  }
  // one caption over the tape layers and the tape length beside them
  Geometry caption = place(2400, layout::kLabelHeight);
  caption.top += 15;
  addControl(Label22, ControlKind::Label, captioned("胶带层数  总长度MM", caption));
  ++slot;
  ControlInit layers;
  layers.items = itemsOf(winding::kTapeLayers);
  layers.listIndex = 2;  // "3"
  layers.geometry = place(735, layout::kListHeight);
  addControl(CmbTapeL, ControlKind::ComboBox, layers);
  addControl(TxtTapeLeng, ControlKind::TextBox,
             textField("", place(1335, layout::kTextHeight, 900)));
}

void Frmjiegou::addCommandsAndPictures() {
  const int top = kSummaryTop + kSummaryRows * kSummaryPitch + 180;
  for (size_t i = 0; i < std::size(kButtons); ++i) {
    const int column = static_cast<int>(i % kButtonsPerRow);
    const int row = static_cast<int>(i / kButtonsPerRow);
    addControl(kButtons[i].name, ControlKind::CommandButton,
               captioned(kButtons[i].caption,
                         {kSummaryLeft + column * (kButtonWidth + kButtonGap),
                          top + row * (kButtonHeight + 90), kButtonWidth, kButtonHeight}));
  }
  // the export's longer caption takes the free place at the end of the second row
  addControl(
      CmdExportSpice, ControlKind::CommandButton,
      captioned("导出SPICE模型", {kSummaryLeft + 3 * (kButtonWidth + kButtonGap),
                                  top + kButtonHeight + 90, kExportButtonWidth, kButtonHeight}));
  addControl(Picture1, ControlKind::PictureBox, captioned("", {120, kPictureTop, 5500, 3300}));
  // the outline is drawn for the sheet's 95 × 60 mm box: the same proportion
  addControl(Img, ControlKind::PictureBox, captioned("", {5820, kPictureTop, 5225, 3300}));
  addControl(wiretool, ControlKind::MenuItem, menuItem("导线工具"));
  addControl(Pr, ControlKind::MenuItem, menuItem("打印", {}, keys::kPrint));
}

}  // namespace corvane
