// Design-time controls of the bill-of-materials form: names, kinds, captions,
// texts and positions in twips (inside a frame, from the frame's top-left
// corner). The one-line group headers sit over their columns in an 11 pt
// face, the fields in the form's own.
#include "bom/bom_items.h"
#include "bom/bomform_fields.h"
#include "bom/frmbomlist.h"
#include "model/captioned_field.h"
#include "model/control_init.h"

namespace corvane {

namespace {

using layout::kLabelHeight;
using layout::kTextHeight;
constexpr int kButtonHeight = 285;
constexpr int kRowPitch = 285;   // the material rows
constexpr int kItemPitch = 300;  // rows of the item groups
// The one-line headers in 11 pt, the two widest in 10 pt: their words then
// stand over the fields below them and the form fits beside the main
// window's edges at 1366 × 768.
constexpr double kHeaderPoints = 11, kWideHeaderPoints = 10;

ControlInit header(const char* caption, Geometry geometry, const char* frame,
                   double points = kHeaderPoints) {
  ControlInit init = captioned(caption, geometry, frame);
  init.fontSize = points;
  return init;
}

// Left edge and width of the four fields of a priced item (description,
// quantity, price, cost) under the 11 pt headers "结构件 规格描述 用量 单价 成本".
struct ItemColumns {
  int left[4];
  int width[4];
};
constexpr ItemColumns kStructuralColumns{{990, 2025, 2610, 3270}, {975, 525, 600, 780}};
constexpr ItemColumns kConnectorColumns{{990, 2025, 2610, 3195}, {975, 525, 540, 780}};
constexpr ItemColumns kFishPaperColumns{{120, 1860, 2760, 3900}, {1680, 840, 1080, 900}};

// The meaning and unit of every field, one text per field (every row of an array).
struct FieldTip {
  const char* field;
  const char* tip;
};
// clang-format off
constexpr FieldTip kFieldTips[] = {
    {bomform::txtcname, "铁芯名称：EI-长度L*叠厚b"},
    {bomform::txtcoremt, "硅钢片材质描述"},
    {bomform::txtwe, "铁芯重量（g）"},
    {bomform::TxtCorePrice, "铁芯单价（元/kg）"},
    {bomform::TxtCoreCost, "铁芯成本（元）"},
    {bomform::TxtFrm, "桥架规格"},
    {bomform::TxtFrmQ, "桥架用量（PCS）"},
    {bomform::TxtFrmPrice, "桥架单价（元/PCS）"},
    {bomform::TxtBase, "支架规格"},
    {bomform::TxtBaseQ, "支架用量（PCS）"},
    {bomform::TxtBasePrice, "支架单价（元/PCS）"},
    {bomform::TxtBaseCost, "桥架或支架的成本（元）"},
    {bomform::TxtLg, "螺杆规格"},
    {bomform::TxtLgQ, "螺杆用量（PCS）"},
    {bomform::TxtLgPrice, "螺杆单价（元/PCS）"},
    {bomform::TxtLgCost, "螺杆成本（元）"},
    {bomform::TxtLm, "螺帽规格"},
    {bomform::TxtLmQ, "螺帽用量（PCS）"},
    {bomform::TxtLmPrice, "螺帽单价（元/PCS）"},
    {bomform::TxtLmCost, "螺帽成本（元）"},
    {bomform::TxtPj, "平介规格"},
    {bomform::TxtPjQ, "平介用量（PCS）"},
    {bomform::TxtPjPrice, "平介单价（元/PCS）"},
    {bomform::TxtPjCost, "平介成本（元）"},
    {bomform::TxtTj, "弹介规格"},
    {bomform::TxtTjQ, "弹介用量（PCS）"},
    {bomform::TxtTjPrice, "弹介单价（元/PCS）"},
    {bomform::TxtTjCost, "弹介成本（元）"},
    {bomform::TxtTube, "绝缘套规格"},
    {bomform::TxtTubeQ, "绝缘套用量（PCS）"},
    {bomform::TxtTubePrice, "绝缘套单价（元/PCS）"},
    {bomform::TxtTubeCost, "绝缘套成本（元）"},
    {bomform::TxtBB, "骨架规格"},
    {bomform::TxtBBQ, "骨架用量（PCS）"},
    {bomform::TxtBBPrice, "骨架单价（元/PCS）"},
    {bomform::TxtBBCost, "骨架成本（元）"},
    {bomform::TxtJGCost, "结构件成本共计（元）"},
    {bomform::TxtPbA, "磁屏蔽长度（mm）"},
    {bomform::TxtPbB, "磁屏蔽宽度（mm）"},
    {bomform::TxtPbC, "磁屏蔽厚度（mm）"},
    {bomform::TxtPbWe, "磁屏蔽重量（g）"},
    {bomform::TxtPbPrice, "磁屏蔽单价（元/kg）"},
    {bomform::TxtPbCost, "磁屏蔽成本（元）"},
    {bomform::TxtPbA1, "外屏蔽长度（mm）"},
    {bomform::TxtPbB1, "外屏蔽宽度（mm）"},
    {bomform::TxtPbC1, "外屏蔽厚度（mm）"},
    {bomform::TxtPbWe1, "外屏蔽重量（g）"},
    {bomform::TxtPbPrice1, "外屏蔽单价（元/kg）"},
    {bomform::TxtPbCost1, "外屏蔽成本（元）"},
    {bomform::TxtTp, "端子规格"},
    {bomform::TxtTpQ, "端子用量（set）"},
    {bomform::TxtTpPrice, "端子单价（元/set）"},
    {bomform::TxtTpCost, "端子成本（元）"},
    {bomform::TxtTPL, "插件规格"},
    {bomform::TxtTPLQ, "插件用量（set）"},
    {bomform::TxtTPLPrice, "插件单价（元/set）"},
    {bomform::TxtTPLCost, "插件成本（元）"},
    {bomform::TxtKB, "快巴纸规格：厚*宽*长（mm）"},
    {bomform::TxtKBQ, "快巴纸用量（PCS）"},
    {bomform::TxtKBPrice, "快巴纸单价（元/PCS）"},
    {bomform::TxtKBCost, "快巴纸成本（元）"},
    {bomform::TxtKB1, "第二种快巴纸规格：厚*宽*长（mm）"},
    {bomform::TxtKB1Q, "第二种快巴纸用量（PCS）"},
    {bomform::TxtKB1Price, "第二种快巴纸单价（元/PCS）"},
    {bomform::TxtKB1Cost, "第二种快巴纸成本（元）"},
    {bomform::TxtLeadWire, "引线型号"},
    {bomform::TxtLeadSize, "引线规格（AWG）"},
    {bomform::TxtLeadLeng, "每根引线的长度（mm），每个绕组两根"},
    {bomform::TxtLeadPrice, "引线单价（元/m）"},
    {bomform::TxtLeadCost, "该绕组引线的成本（元）"},
    {bomform::TxtLead, "引线成本共计（元）"},
    {bomform::TxtWireType, "漆包线线型"},
    {bomform::TXTWIRE, "漆包线线径（mm）"},
    {bomform::TXTCUWEIGH, "漆包线用量（g）"},
    {bomform::TxtWirePrice, "漆包线单价（元/kg）"},
    {bomform::TxtWireCost, "该绕组漆包线的成本（元）"},
    {bomform::TxtCuCost, "铜线成本共计（元）"},
    {bomform::TxtTapeW, "胶带宽度（mm）"},
    {bomform::TxtTapeLeng, "胶带总长度（mm）"},
    {bomform::TxtTapePrice, "胶带单价（元/mm）"},
    {bomform::TxtTapeCost, "胶带成本（元）"},
    {bomform::TxtVarnish, "绝缘漆型号"},
    {bomform::TxtVarnishQ, "绝缘漆用量（g）"},
    {bomform::TxtVarnishPrice, "绝缘漆单价（元/kg）"},
    {bomform::TxtVarnishCost, "绝缘漆成本（元）"},
    {bomform::TxtWindZs, "绕线机转速（圈/分）"},
    {bomform::TxtTN, "每件绕制的总圈数（匝）"},
    {bomform::TxtWindTime, "绕线工时（秒）"},
    {bomform::TxtPx, "配线速度（根/分）"},
    {bomform::TxtPxQ, "每件的引线根数"},
    {bomform::TxtPxTime, "配线工时（秒）"},
    {bomform::TxtWindTp, "包胶带速度（层/分）"},
    {bomform::TxtTapeL, "每件的胶带层数"},
    {bomform::TxtWindTpTime, "包胶带工时（秒），不计入总工时"},
    {bomform::TxtZp, "插片速度（片/分）"},
    {bomform::TxtZpQ, "每件的叠片数"},
    {bomform::TxtZpTime, "总装配工时（秒）"},
    {bomform::TxtTestTimeB, "半成品检测工时（秒）"},
    {bomform::TxtVarnishTime, "含浸/烘烤工时（秒）"},
    {bomform::TxtTestTime, "成品检测工时（秒）"},
    {bomform::TxtPakTime, "包装工时（秒）"},
    {bomform::TxtFk, "工时放宽率（%）"},
    {bomform::TxtTime, "每件的总工时（秒）"},
    {bomform::TxtGz, "月工资（元）"},
    {bomform::TxtTs, "每月工作天数"},
    {bomform::TxtXs, "每天工作小时数"},
    {bomform::TxtXsF, "每小时工资（元/小时）"},
    {bomform::TxtGsF, "每件的生产工时费（元）"},
    {bomform::TxtOtherCost, "其它费用（元）"},
    {bomform::TxtMll, "毛利率（%）"},
    {bomform::Txtsll, "税率（%）"},
    {bomform::TxtMtCost, "成本价（元）"},
    {bomform::TxtCost, "税前价（元）"},
    {bomform::TxtSelsCost, "含税销售价（元）"},
};
// clang-format on

// The total below a frame's material rows: its caption under the fourth
// column, the sum under the fifth (the cost).
CaptionedPlace totalBelowRows(const int* lefts, const int* widths) {
  const int top = 540 + FrmBomList::kDesignRows * kRowPitch + 60;
  return besideField(lefts[3], widths[3], lefts[4], widths[4], top, 15);
}

}  // namespace

void FrmBomList::addControls() {
  setSize(15300, 8700);
  addCoreFrame();
  addStructuralFrame();
  addShieldFrame();
  addConnectorFrame();
  addFishPaperFrame();
  addLeadFrame();
  addWireFrame();
  addTapeAndVarnishFrames();
  addTimeFrame();
  addRateAndPriceFrames();
  // the form's commands beside the structural parts
  constexpr const char* commands[][2] = {{bomform::Command12, "应用"},
                                         {bomform::Command13, "成本"},
                                         {bomform::Command14, "制作清单"},
                                         {bomform::CmdExport, "导出CSV"}};
  int top = 1260;
  for (const auto& command : commands) {
    addControl(command[0], ControlKind::CommandButton,
               captioned(command[1], {4440, top, 1380, 495}));
    top += 645;
  }
  for (const FieldTip& tip : kFieldTips) {
    if (ControlArray* rows = findArray(tip.field)) {
      for (int i = 0; i <= static_cast<int>(rows->count()); ++i)  // arrays may start at 1
        if (Control* row = rows->at(i)) row->setToolTip(tip.tip);
    } else if (Control* field = find(tip.field)) {
      field->setToolTip(tip.tip);
    }
  }
}

void FrmBomList::addCoreFrame() {
  constexpr const char* frame = bomform::Frame1;
  addControl(frame, ControlKind::Frame, captioned("铁芯", {120, 60, 5700, 960}));
  addControl(bomform::Label1, ControlKind::Label,
             header("铁芯规格     铁芯片材   铁芯重量 (kg)  单价(元/kg)   成本（元）",
                    {120, 240, 5520, 285}, frame, kWideHeaderPoints));
  // field, design-time text, left, width
  struct Field {
    const char* name;
    const char* text;
    int left, width;
  };
  constexpr Field fields[] = {
      {bomform::txtcname, "", 120, 1020},    {bomform::txtcoremt, "", 1185, 900},
      {bomform::txtwe, "", 2145, 1215},      {bomform::TxtCorePrice, "25", 3420, 1110},
      {bomform::TxtCoreCost, "", 4590, 990},
  };
  for (const Field& f : fields)
    addControl(f.name, ControlKind::TextBox,
               textField(f.text, {f.left, 570, f.width, kTextHeight}, {}, frame));
}

namespace {
// description, quantity, price, cost texts of an item at design time
struct ItemTexts {
  const char* texts[4];
};
}  // namespace

void FrmBomList::addStructuralFrame() {
  constexpr const char* frame = bomform::Frame2;
  addControl(frame, ControlKind::Frame, captioned("结构件", {120, 1080, 4200, 3420}));
  addControl(bomform::Label2, ControlKind::Label,
             header("结构件   规格描述  用量  单价   成本", {120, 240, 3900, 285}, frame));
  auto fields = [this, frame](const bom::PricedItem& item, int top, ItemTexts texts,
                              bool withCost) {
    const char* names[] = {item.description, item.quantity, item.price, item.cost};
    for (int c = 0; c < (withCost ? 4 : 3); ++c)
      addControl(
          names[c], ControlKind::TextBox,
          textField(texts.texts[c],
                    {kStructuralColumns.left[c], top, kStructuralColumns.width[c], kTextHeight}, {},
                    frame));
  };
  auto option = [this, frame](const char* name, const char* caption, int top) {
    ControlInit init = captioned(caption, {120, top, 840, kLabelHeight}, frame);
    init.group = "bracket";
    addControl(name, ControlKind::OptionButton, init);
  };
  option(bomform::Option1, bom::kBracket.caption, 570);
  fields(bom::kBracket, 570, {{"", "1", "0.9", ""}}, false);
  option(bomform::Option2, bom::kBase.caption, 870);
  fields(bom::kBase, 870, {{"", "", "0.2", ""}}, false);
  // the bracket and the base share one cost, shown between their rows
  addControl(
      bom::kBase.cost, ControlKind::TextBox,
      textField("0.0", {kStructuralColumns.left[3], 720, kStructuralColumns.width[3], kTextHeight},
                {}, frame));

  // design-time description and price of the stand's small parts
  constexpr ItemTexts partTexts[] = {{{"M5", "", "0.3", ""}},
                                     {{"M5", "", "0.1", ""}},
                                     {{"M5", "", "0.03", ""}},
                                     {{"M5", "", "0.05", ""}},
                                     {{"5", "", "0.04", ""}}};
  int top = 1170;
  for (size_t i = 0; i < std::size(bom::kStandParts); ++i, top += kItemPitch) {
    const bom::PricedItem& part = bom::kStandParts[i];
    addControl(part.check, ControlKind::CheckBox,
               captioned(part.caption, {120, top, 840, kLabelHeight}, frame));
    fields(part, top, partTexts[i], true);
  }
  addControl(bomform::Label3, ControlKind::Label,
             captioned(bom::kBobbin.caption, {120, top + 15, 840, kLabelHeight}, frame));
  fields(bom::kBobbin, top, {{"", "1", "", ""}}, true);
  top += kItemPitch;
  addControl(bomform::Label4, ControlKind::Label,
             captioned("共计", {kStructuralColumns.left[2], top + 15, 600, kLabelHeight}, frame));
  addControl(
      bomform::TxtJGCost, ControlKind::TextBox,
      textField("", {kStructuralColumns.left[3], top, kStructuralColumns.width[3], kTextHeight}, {},
                frame));
}

void FrmBomList::addShieldFrame() {
  constexpr const char* frame = bomform::Frame3;
  addControl(frame, ControlKind::Frame, captioned("屏蔽", {120, 4560, 5700, 1260}));
  constexpr int lefts[] = {1140, 1860, 2580, 3300, 4020, 4920};
  constexpr int widths[] = {660, 660, 660, 660, 780, 660};
  constexpr int headerWidths[] = {660, 660, 660, 660, 900, 720};
  constexpr const char* headers[] = {"长度mm", "宽度mm",      "厚度mm",
                                     "重量g",  "单价(元/kg)", "成本(元)"};
  constexpr const char* labels[] = {bomform::Label5, bomform::Label6, bomform::Label7,
                                    bomform::Label8, bomform::Label9, bomform::Label10};
  for (int c = 0; c < 6; ++c)
    addControl(labels[c], ControlKind::Label,
               captioned(headers[c], {lefts[c], 270, headerWidths[c], kLabelHeight}, frame));
  // design-time price of each shield's sheet, 元/kg
  constexpr const char* prices[] = {"21", "65"};
  int top = 570;
  for (size_t s = 0; s < std::size(bom::kShields); ++s, top += kItemPitch) {
    const bom::Shield& shield = bom::kShields[s];
    addControl(shield.check, ControlKind::CheckBox,
               captioned(shield.caption, {120, top, 960, kLabelHeight}, frame));
    const char* names[] = {shield.length, shield.width, shield.thickness,
                           shield.weight, shield.price, shield.cost};
    for (int c = 0; c < 6; ++c)
      addControl(
          names[c], ControlKind::TextBox,
          textField(c == 4 ? prices[s] : "", {lefts[c], top, widths[c], kTextHeight}, {}, frame));
  }
}

void FrmBomList::addConnectorFrame() {
  constexpr const char* frame = bomform::Frame4;
  addControl(frame, ControlKind::Frame, captioned("接插件", {120, 5880, 5700, 1260}));
  addControl(bomform::Label11, ControlKind::Label,
             header("接插件   规格描述  用量  单价  成本 ", {120, 240, 3900, 285}, frame));
  int top = 570;
  for (const bom::PricedItem& item : bom::kConnectors) {
    addControl(item.check, ControlKind::CheckBox,
               captioned(item.caption, {120, top, 840, kLabelHeight}, frame));
    const char* names[] = {item.description, item.quantity, item.price, item.cost};
    for (int c = 0; c < 4; ++c)
      addControl(
          names[c], ControlKind::TextBox,
          textField("", {kConnectorColumns.left[c], top, kConnectorColumns.width[c], kTextHeight},
                    {}, frame));
    top += kItemPitch;
  }
}

void FrmBomList::addFishPaperFrame() {
  constexpr const char* frame = bomform::Frame5;
  addControl(frame, ControlKind::Frame, captioned("快巴纸", {120, 7200, 5700, 1260}));
  constexpr const char* headers[] = {"快把纸规格", "用量(PCS)", "单价(元/PCS)", "成本（元）"};
  constexpr const char* labels[] = {bomform::Label12, bomform::Label13, bomform::Label14,
                                    bomform::Label15};
  constexpr int headerWidths[] = {1680, 840, 1140, 900};
  for (int c = 0; c < 4; ++c)
    addControl(labels[c], ControlKind::Label,
               captioned(headers[c],
                         {kFishPaperColumns.left[c], 270, headerWidths[c], kLabelHeight}, frame));
  // design-time price of each paper, 元/PCS
  constexpr const char* prices[] = {"0.13", "0.1"};
  int top = 570;
  for (size_t p = 0; p < std::size(bom::kFishPapers); ++p, top += kItemPitch) {
    const bom::PricedItem& paper = bom::kFishPapers[p];
    const char* names[] = {paper.description, paper.quantity, paper.price, paper.cost};
    for (int c = 0; c < 4; ++c)
      addControl(
          names[c], ControlKind::TextBox,
          textField(c == 2 ? prices[p] : "",
                    {kFishPaperColumns.left[c], top, kFishPaperColumns.width[c], kTextHeight}, {},
                    frame));
  }
}

void FrmBomList::addRowArrays(const char* frame, const char* const* arrays, const int* lefts,
                              const int* widths, const char* const* texts, int top) {
  for (int c = 0; c < 5; ++c) {
    ControlInit first = textField(texts[c], {lefts[c], top, widths[c], kTextHeight}, {}, frame);
    addArray(arrays[c], ControlKind::TextBox, first);
    for (int i = 1; i < kDesignRows; ++i) {
      ControlInit row = first;
      row.geometry.top = top + i * kRowPitch;
      array(arrays[c]).load(i, row);
    }
  }
}

void FrmBomList::addLeadFrame() {
  constexpr const char* frame = bomform::Frame6;
  addControl(frame, ControlKind::Frame, captioned("引线", {5940, 60, 5040, 4110}));
  constexpr int lefts[] = {120, 1140, 2040, 2880, 3840};
  constexpr int widths[] = {960, 840, 780, 900, 900};
  constexpr const char* headers[] = {"引线型号 ", "规  格", "长度MM", "单价(元/M)", "成 本(元)"};
  constexpr const char* labels[] = {bomform::Label16, bomform::Label17, bomform::Label18,
                                    bomform::Label19, bomform::Label20};
  for (int c = 0; c < 5; ++c)
    addControl(labels[c], ControlKind::Label,
               captioned(headers[c], {lefts[c], 270, widths[c], kLabelHeight}, frame));
  constexpr const char* texts[] = {"", "", "200", "", ""};
  addRowArrays(frame, bom::kLeadArrays, lefts, widths, texts, 540);
  addCaptionedField({bomform::Label21, "共计成本", bomform::TxtLead, "", ""},
                    totalBelowRows(lefts, widths), frame);
}

void FrmBomList::addWireFrame() {
  constexpr const char* frame = bomform::Frame7;
  addControl(frame, ControlKind::Frame, captioned("漆包线", {5940, 4230, 5040, 4110}));
  addControl(
      bomform::Label22, ControlKind::Label,
      header("线型      规格    用量(g)  单价(元/kg)   成本（元）", {120, 240, 4890, 285}, frame));
  constexpr int lefts[] = {120, 975, 1695, 2520, 3870};
  constexpr int widths[] = {795, 660, 780, 1200, 870};
  constexpr const char* texts[] = {"", "", "", "", ""};
  addRowArrays(frame, bom::kWireArrays, lefts, widths, texts, 540);
  addCaptionedField({bomform::Label23, "铜线成本", bomform::TxtCuCost, "", ""},
                    totalBelowRows(lefts, widths), frame);
}

void FrmBomList::addTapeAndVarnishFrames() {
  constexpr int left = 11100, width = 4080;
  constexpr const char* tape = bomform::Frame8;
  addControl(tape, ControlKind::Frame, captioned("绝缘胶带", {left, 60, width, 930}));
  constexpr const char* tapeHeaders[] = {"宽度mm", "总长度mm", "单价(元/mm)", "成本（元）"};
  constexpr int tapeLefts[] = {120, 960, 1920, 3060};
  constexpr int tapeWidths[] = {780, 900, 1080, 900};
  constexpr const char* tapeLabels[] = {bomform::Label24, bomform::Label25, bomform::Label26,
                                        bomform::Label27};
  constexpr const char* tapeFields[] = {bomform::TxtTapeW, bomform::TxtTapeLeng,
                                        bomform::TxtTapePrice, bomform::TxtTapeCost};
  constexpr const char* tapeTexts[] = {"", "", "0.001", ""};
  for (int c = 0; c < 4; ++c) {
    addControl(tapeLabels[c], ControlKind::Label,
               captioned(tapeHeaders[c], {tapeLefts[c], 270, tapeWidths[c], kLabelHeight}, tape));
    addControl(tapeFields[c], ControlKind::TextBox,
               textField(tapeTexts[c], {tapeLefts[c], 540, tapeWidths[c], kTextHeight}, {}, tape));
  }

  constexpr const char* varnish = bomform::Frame9;
  addControl(varnish, ControlKind::Frame, captioned("绝缘漆", {left, 1050, width, 930}));
  addControl(bomform::Label28, ControlKind::Label,
             header("绝缘漆  型号  用量g  单价(元/kg)  成本（元）", {60, 240, 3960, 285}, varnish,
                    kWideHeaderPoints));
  struct Field {
    const char* name;
    const char* text;
    int left, width;
  };
  // the type reaches back under the header's first word: "8562/C" is wider than its column
  constexpr Field fields[] = {{bomform::TxtVarnish, "8562/C", 405, 855},
                              {bomform::TxtVarnishQ, "", 1275, 525},
                              {bomform::TxtVarnishPrice, "10", 1875, 1080},
                              {bomform::TxtVarnishCost, "", 2985, 900}};
  for (const Field& f : fields)
    addControl(f.name, ControlKind::TextBox,
               textField(f.text, {f.left, 540, f.width, kTextHeight}, {}, varnish));
}

void FrmBomList::addTimeFrame() {
  constexpr const char* frame = bomform::Frame10;
  addControl(frame, ControlKind::Frame, captioned("生产工时", {11100, 2040, 4080, 3660}));
  constexpr int rateLeft = 1440, countLeft = 2340, timeLeft = 3240;
  addControl(bomform::Label29, ControlKind::Label,
             captioned("速度/分", {rateLeft, 270, 780, kLabelHeight}, frame));
  addControl(bomform::Label30, ControlKind::Label,
             captioned("数量", {countLeft, 270, 780, kLabelHeight}, frame));
  addControl(bomform::Label31, ControlKind::Label,
             captioned("工时(秒)", {timeLeft, 270, 780, kLabelHeight}, frame));
  // command, caption, rate field and text, count field and text, time field
  struct Step {
    const char* command;
    const char* caption;
    const char* rate;
    const char* rateText;
    const char* count;
    const char* countText;
    const char* time;
  };
  constexpr Step steps[] = {
      {bomform::Command1, "绕线", bomform::TxtWindZs, "1500", bomform::TxtTN, "1000",
       bomform::TxtWindTime},
      {bomform::Command2, "配线", bomform::TxtPx, "2", bomform::TxtPxQ, "4", bomform::TxtPxTime},
      {bomform::Command3, "包胶带", bomform::TxtWindTp, "100", bomform::TxtTapeL, "4",
       bomform::TxtWindTpTime},
      {bomform::Command4, "总装配", bomform::TxtZp, "60", bomform::TxtZpQ, "105",
       bomform::TxtZpTime},
  };
  int top = 540;
  for (const Step& step : steps) {
    addControl(step.command, ControlKind::CommandButton,
               captioned(step.caption, {120, top, 1200, kButtonHeight}, frame));
    addControl(step.rate, ControlKind::TextBox,
               textField(step.rateText, {rateLeft, top, 780, kTextHeight}, {}, frame));
    addControl(step.count, ControlKind::TextBox,
               textField(step.countText, {countLeft, top, 780, kTextHeight}, {}, frame));
    addControl(step.time, ControlKind::TextBox,
               textField("", {timeLeft, top, 720, kTextHeight}, {}, frame));
    top += kItemPitch;
  }
  // the fixed times (s) and the allowance (%) in the column of the times,
  // the total below them; their captions only label them
  struct Fixed {
    const char* command;
    const char* caption;
    const char* field;
    const char* text;
  };
  constexpr Fixed fixed[] = {
      {bomform::Command5, "半成品检测", bomform::TxtTestTimeB, "8"},
      {bomform::Command6, "含浸/烘烤", bomform::TxtVarnishTime, "10"},
      {bomform::Command7, "成品检测", bomform::TxtTestTime, "8"},
      {bomform::Command8, "包装", bomform::TxtPakTime, "2"},
      {bomform::Command10, "放宽率%", bomform::TxtFk, "10"},
      {bomform::Command9, "总工时（S）", bomform::TxtTime, ""},
  };
  for (const Fixed& f : fixed) {
    addControl(f.command, ControlKind::CommandButton,
               captioned(f.caption, {120, top, 1200, kButtonHeight}, frame));
    addControl(f.field, ControlKind::TextBox,
               textField(f.text, {timeLeft, top, 720, kTextHeight}, {}, frame));
    top += kItemPitch;
  }
}

void FrmBomList::addRateAndPriceFrames() {
  constexpr const char* rate = bomform::Frame11;
  addControl(rate, ControlKind::Frame, captioned("人工费", {11100, 5760, 4080, 1290}));
  // label, caption, field, design-time text; one column each, 960 apart
  constexpr CaptionedField rates[] = {
      {bomform::Label32, "月工资(元)", bomform::TxtGz, "1500", ""},
      {bomform::Label33, "天/月", bomform::TxtTs, "26", ""},
      {bomform::Label34, "小时/天", bomform::TxtXs, "8", ""},
      {bomform::Label35, "元/小时", bomform::TxtXsF, "7.21", ""},
  };
  for (int c = 0; c < 4; ++c)
    addCaptionedField(rates[c], aboveField(120 + c * 960, 270, 930, 540, 900), rate);
  addControl(bomform::Command11, ControlKind::CommandButton,
             captioned("生产工时费", {120, 870, 1200, kButtonHeight}, rate));
  addControl(bomform::TxtGsF, ControlKind::TextBox,
             textField("3", {1440, 870, 900, kTextHeight}, {}, rate));
  addControl(bomform::Label36, ControlKind::Label,
             captioned("元/PCS", {2400, 885, 900, kLabelHeight}, rate));

  constexpr const char* price = bomform::Frame12;
  addControl(price, ControlKind::Frame, captioned("价格", {11100, 7110, 4080, 1530}));
  // a caption over each field, two rows of three
  struct Priced {
    CaptionedField names;
    int left, top;
  };
  constexpr Priced fields[] = {
      {{bomform::Label37, "其它费用", bomform::TxtOtherCost, "1", ""}, 120, 270},
      {{bomform::Label38, "毛利率%", bomform::TxtMll, "35", ""}, 1440, 270},
      {{bomform::Label39, "税率%", bomform::Txtsll, "17", ""}, 2760, 270},
      {{bomform::Label40, "成本价", bomform::TxtMtCost, "", ""}, 120, 870},
      {{bomform::Label41, "税前价", bomform::TxtCost, "0", ""}, 1440, 870},
      {{bomform::Label42, "含税销售价", bomform::TxtSelsCost, "0", ""}, 2760, 870},
  };
  for (const Priced& f : fields)
    addCaptionedField(f.names, aboveField(f.left, f.top, 1200, f.top + 270, 1200), price);
}

}  // namespace corvane
