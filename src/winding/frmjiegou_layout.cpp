// Design-time controls of the winding-structure form: the header, the winding
// table's row 0 with its column headers, the summary panel, the commands, the
// menu and the two pictures. Positions in twips.
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "model/captioned_field.h"
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
constexpr int kSummaryColumnWidth = 3120;
constexpr int kSummaryCaptionWidth = 1860;  // room for a caption with its unit
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

// label, caption, field, design-time text, tip; caption left, field left, width, top
constexpr PlacedRow kHeaderFields[] = {
    {{Label1, "订单ID:", TXTID, "20080701", "订单号"}, 120, 840, 1215, kHeaderTop},
    {{Label2, "客户ID:", TXTCUS, "111111", "客户编号"}, 2280, 3000, 1095, kHeaderTop},
    {{Label3, "型号:", TXTNAME, "", "型号：所用铁芯的名称"}, 4320, 4920, 1455, kHeaderTop},
    {{Label4, "产品ID:", TXTPROID, "000000000000", "产品编号"}, 6600, 7320, 1695, kHeaderTop},
};

// The summary fields in the order of the panel: label, caption, field, design-time text, tip
constexpr CaptionedField kSummaryFields[] = {
    {Label11, "铜损(W)", txtpcuz, "", "铜损：各绕组满载铜损之和（W）"},
    {Label12, "铁损(W)", TXTPCZ, "", "铁损：铁芯在工作磁通密度下的损耗（W）"},
    {Label13, "总损耗(W)", txtpLOST, "", "总损耗：铜损与铁损之和（W）"},
    {Label14, "铜总重KG", TxtCuWt, "", "铜总重：各绕组铜线重量之和（kg）"},
    {Label15, "空载电流I0(A)", TxtI0, "", "空载电流 I0：初级空载时的励磁电流（A）"},
    {Label16, "开放式温升△℃", TXTTEMP, "", "开放式温升：敞开安装时的温升（℃）"},
    {Label17, "适配器温升△℃", Tp2, "", "适配器温升：装在适配器外壳内时的温升（℃）"},
    {Label18, "空载Bo(T)", TxtBm, "", "空载Bo：空载时铁芯的磁通密度（T）"},
    {Label19, "工作B(T)", TxtB, "", "工作B：负载运行时铁芯的磁通密度（T）"},
    {Label20, "初级电流密度(A/mm²)", TxtJ, "", "初级导线的电流密度（A/mm²）"},
    {Label21, "次级电流密度(A/mm²)", TxtJs, "", "次级导线的电流密度（A/mm²）"},
};

// The meaning and unit of each column of the winding table, one text per column.
struct ColumnTip {
  const char* column;
  const char* tip;
};
constexpr ColumnTip kColumnTips[] = {
    {TXTWN, "组别：绕组名称，N1 起为初级，其后为各输出组"},
    {CmBleadtype, "引出线型号"},
    {CMBCLR, "引出线颜色：起头/结尾"},
    {CMBTYPE, "绕组线型：漆包线的种类"},
    {TXTTURN, "圈数：绕组匝数（匝）"},
    {TXTWIRE, "线径：裸铜线直径（mm）"},
    {TXTQ, "股数：并绕的导线股数"},
    {TXTLN, "层匝：每层匝数（匝）"},
    {TXTL, "层数：绕组的层数"},
    {TXTHT, "厚度：绕组的径向厚度（mm）"},
    {txtlt, "匝长：绕组的平均匝长（mm）"},
    {TXTCUWEIGH, "铜重：绕组铜线的重量（g）"},
    {TXTDCR20, "冷阻：20℃时的直流电阻（mΩ）"},
    {TXTDCRHOT, "热阻：工作温度下的直流电阻（mΩ）"},
    {TXTUD, "压降：满载电流在热阻上的压降（V）"},
    {TXTULOADE, "稳态电压：满载时的绕组电压（V）"},
    {TxtUnV, "空载电压：绕组空载时的电压（V）"},
    {TXTPCU, "铜损：绕组满载时的铜损耗（W）"},
    {txtlud, "△U：稳态电压与该组要求电压之差（%）"},
    {CMBLINK, "直流负载电压：整流滤波后的输出电压（V）"},
    {TxtDU, "调整率：空载电压与满载电压之差占空载电压的百分数（%）"},
};

// The headers a click locks and a double-click unlocks (or a click unlocks).
constexpr ColumnTip kHeaderTips[] = {
    {TXTTURN, "单击锁定匝数列；双击解锁，可改写匝数"},
    {TXTWIRE, "单击锁定线径列；双击解锁，可改写线径"},
    {TXTQ, "单击解锁股数列，可改写股数"},
};

const char* tipOf(const ColumnTip* begin, const ColumnTip* end, std::string_view column) {
  for (const ColumnTip* t = begin; t != end; ++t)
    if (column == t->column) return t->tip;
  return "";
}

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
  addControl(LblTitle, ControlKind::Label, titled("结构参数与仿真报告", {5400, 60, 4800, 420}, 14));
  for (const PlacedRow& f : kHeaderFields) addCaptionedField(f.names, f.at(0, 15));
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
      ControlInit head = captioned(
          column.header, columnPlace(column.left, width, kColumnHeaderTop, layout::kLabelHeight));
      head.toolTip = tipOf(std::begin(kHeaderTips), std::end(kHeaderTips), column.name);
      addControl(columnHead(column.name), ControlKind::Label, head);
    }
  }
  for (const winding::WindingColumn& column : columns) {
    ControlInit init;
    init.text = column.text;
    init.toolTip = tipOf(std::begin(kColumnTips), std::end(kColumnTips), column.name);
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
  for (const CaptionedField& f : kSummaryFields) {
    const Geometry at = place(kSummaryCaptionWidth, layout::kLabelHeight);
    addCaptionedField(f, besideField(at.left, kSummaryCaptionWidth, at.left + kSummaryCaptionWidth,
                                     kSummaryFieldWidth, at.top, 15));
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
  layers.toolTip = "每个绕组外包胶带的层数";
  addControl(CmbTapeL, ControlKind::ComboBox, layers);
  addControl(TxtTapeLeng, ControlKind::TextBox,
             textField("", place(1335, layout::kTextHeight, 900), "胶带总长度（mm）"));
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
