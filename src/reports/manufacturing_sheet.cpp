#include "reports/manufacturing_sheet.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "bobbin/bobbinform_fields.h"
#include "core/coreform_fields.h"
#include "electrical/electrical_tables.h"
#include "electrical/eledata_fields.h"
#include "model/form.h"
#include "model/form_names.h"
#include "model/host.h"
#include "model/picture.h"
#include "model/print_job.h"
#include "model/print_surface.h"
#include "model/report_type.h"
#include "model/value.h"
#include "model/workspace.h"
#include "winding/jiegou_fields.h"
#include "winding/run_rises.h"

namespace corvane {

namespace {

constexpr const char* kWindingForm = forms::kStructure;
constexpr const char* kElectricalForm = forms::kElectrical;

constexpr double kRuleLeft = 15, kRuleRight = 190;
constexpr double kRowPitch = 5;  // mm between table rows

// section positions (mm)
constexpr double kWindingSectionY = 35, kWindingHeaderY = 40;
constexpr double kCoreSectionY = 110, kCoreLineY = 117;
constexpr double kBobbinSectionY = 122, kBobbinLineY = 130;
constexpr double kElectricalSectionY = 137, kElectricalHeaderY = 145;
constexpr double kPictureCaptionY = 205, kPictureY = 210, kPictureHeight = 52;
// the outline and the structure drawing side by side inside the 15 mm margins
constexpr double kOutlineX = 15, kOutlineWidth = 82;  // the outline keeps its 95 : 60 proportion
constexpr double kStructureX = 110, kStructureWidth = 85;
// the load rise, the no-load rise below it, the date beside the load rise
constexpr double kRiseRuleY = 263, kRiseX = 20, kLoadRiseY = 265, kNoLoadRiseY = 270;
constexpr double kDateX = 150;

struct Column {
  double x;
  const char* header;
  const char* field;  // the winding form's row array shown in the column
};

// x (mm), header, winding-form field of the cell; the lead terminal column
// is the lead's type and colours, printed apart from these. Each column
// starts 1.5 mm or more after the widest text before it: a four-character
// Chinese header is 17 mm, "铜线规格(mm)" 26.5 mm, an English terminal
// cell "UL1015 RD/RD" 29.5 mm, "Turns" 10.5 mm.
constexpr Column kWindingColumns[] = {
    {15, "绕组", jiegou::TXTWN},
    {25, "引线型号", jiegou::CmBleadtype},
    {43.5, "引线颜色", jiegou::CMBCLR},
    {94, "铜线类型", jiegou::CMBTYPE},
    {112.5, "铜线规格(mm)", jiegou::TXTWIRE},
    {141, "铜线股数", jiegou::TXTQ},
    {160, "匝数", jiegou::TXTTURN},
    {172, "每层匝数", jiegou::TXTLN},
};
constexpr double kTerminalX = 62;
constexpr const char* kTerminalHeader = "引线端子";

// x (mm) and header of the electrical table; the cells are derived per column
constexpr double kElectricalX[] = {15, 24, 49, 74, 99, 124, 149, 179};
constexpr const char* kElectricalHeaders[] = {"绕组",          "空载电压(V)", "负载电压(V)",
                                              "负载电流(A)",   "直流电阻(Ω)", "绕组损耗(W)",
                                              "电压调整率(%)", "铜重(g)"};

class SheetPrinter {
 public:
  SheetPrinter(Workspace& workspace, PrintSurface& page)
      : ws_(workspace), page_(page), rows_(rowCount()) {}

  void print() {
    page_.scale(0, 0, 210, 290);
    title();
    section(15, kWindingSectionY, "1.绕线顺序表");
    windingTable(0);
    corePart();
    electricalSection("4.电气参数");
    electricalTable(0);
    pictures();
    page_.line(kRuleLeft, kRiseRuleY, kRuleRight, kRiseRuleY);
    rises();
    page_.printAt(kDateX, kLoadRiseY, {shortDateText(ws_.host().today())});
    continuationPages();
    page_.endDoc();
  }

 private:
  // Each run's rise on a line of its own, labelled by the run; a run not
  // made since the table was designed leaves its line empty.
  void rises() {
    const auto* source = dynamic_cast<const winding::RunRiseSource*>(&ws_.form(kWindingForm));
    if (!source) return;
    const winding::RunRises rises = source->lastRunRises();
    if (!rises.load.empty())
      page_.printAt(kRiseX, kLoadRiseY,
                    {"负载温升 " + rises.load + "（封闭 " + rises.loadEnclosed + "）"});
    if (!rises.noLoad.empty()) page_.printAt(kRiseX, kNoLoadRiseY, {"空载温升 " + rises.noLoad});
  }

  int rowCount() const {
    Form& winding = ws_.form(kWindingForm);
    int highest = static_cast<int>(std::max(0.0, winding.control(jiegou::Txtzb).num()));
    int count = 0;
    // only rows that exist: a recalculation may have left fewer than Txtzb says
    while (count <= highest && winding.array(jiegou::TXTWN).has(count)) ++count;
    return count;
  }

  const std::string& text(const char* name, int row = -1) const {
    return jiegou::field(ws_, name, row).text();
  }
  double num(const char* name, int row) const { return jiegou::field(ws_, name, row).num(); }

  void ruleBelow() {
    double y = page_.currentY();
    page_.line(kRuleLeft, y, kRuleRight, y);
  }
  void section(double x, double y, const char* caption) {
    page_.printAt(x, y, {caption});
    ruleBelow();
  }

  void title() {
    report::setTitleType(page_);
    page_.printAt(90, 15, {"变压器制作参数表"});
    page_.print({});
    page_.setFontSize(report::kBodySize);
  }

  // rows [first, first + capacity) of the winding order table
  void windingTable(int first) {
    for (const Column& column : kWindingColumns)
      page_.printAt(column.x, kWindingHeaderY, {column.header});
    page_.printAt(kTerminalX, kWindingHeaderY, {kTerminalHeader});
    ruleBelow();
    int last = std::min(rows_, first + kWindingRowsPerPage);
    for (int i = first; i < last; ++i) {
      double y = kWindingHeaderY + kRowPitch * (i - first + 1);
      for (const Column& column : kWindingColumns)
        page_.printCell(column.x, y, text(column.field, i));
      page_.printCell(kTerminalX, y, terminalCell(i));
    }
    if (last > first) {
      page_.setCurrentY(kWindingHeaderY + kRowPitch * (last - first) + page_.lineHeight());
      ruleBelow();
    }
  }

  void corePart() {
    auto core = [this](const char* name, int row = -1) -> const std::string& {
      return coreform::field(ws_, name, row).text();
    };
    auto bobbin = [this](const char* name) -> const std::string& {
      return bobbinform::field(ws_, name).text();
    };
    page_.printAt(15, kCoreSectionY, {"2.铁芯规格"});
    page_.printAt(
        15, kCoreLineY,
        {core(coreform::txtcname), PrintItem::gap(3), core(coreform::txtcoremt, 4),
         PrintItem::gap(3), core(coreform::txtcoremt, 0), PrintItem::gap(3), core(coreform::txtwe),
         PrintItem::gap(6), "空载电流Io：", PrintItem::gap(3), noLoadCurrentText()});
    ruleBelow();
    page_.printAt(15, kBobbinSectionY, {"3.骨架"});
    page_.printAt(
        15, kBobbinLineY,
        {core(coreform::txtcname), PrintItem::gap(3), bobbin(bobbinform::TxtBTY), PrintItem::gap(3),
         bobbin(bobbinform::Text6), PrintItem::gap(3), bobbin(bobbinform::Text7)});
  }

  // The no-load current in mA; nothing where the structure form could not
  // work it out (a grade without a magnetising curve leaves it empty).
  std::string noLoadCurrentText() const {
    const std::string& current = text(jiegou::TxtI0);
    if (!startsWithNumber(current)) return {};
    return generalFormat(1000 * Val(current)) + "mA";
  }

  // The lead at the winding's terminals: its wire type and its start/finish colours.
  std::string terminalCell(int row) const {
    const std::string& type = text(jiegou::CmBleadtype, row);
    const std::string& colours = text(jiegou::CMBCLR, row);
    if (type.empty() || colours.empty()) return type + colours;
    return type + " " + colours;
  }

  // A primary's voltage is the mains it is wound for (the electrical form's
  // first or second input voltage); an output's is its DC load voltage.
  std::string loadVoltageCell(int row) const {
    Form& electrical = ws_.form(kElectricalForm);
    const bool twoPrimaries = electrical.control(eledata::Chkp).value() == 1;
    if (row == 0) return eledata::field(ws_, eledata::TXTUIN1).text();
    if (twoPrimaries && row == 1) return eledata::field(ws_, eledata::TXTUIN2).text();
    return text(jiegou::CMBLINK, row);
  }

  void electricalSection(const char* caption) { section(15, kElectricalSectionY, caption); }

  std::string resistanceCell(int row) const {
    if (text(jiegou::TXTDCR20, row).empty()) return {};
    return formatFixed(num(jiegou::TXTDCR20, row) * 0.001, 3);  // mΩ to Ω
  }

  std::string regulationCell(int row) const {
    if (text(jiegou::TxtUnV, row).empty()) return {};
    double noLoad = num(jiegou::TxtUnV, row);
    if (noLoad == 0) return {};  // no regulation of a winding without voltage
    double regulation = (noLoad - num(jiegou::TXTULOADE, row)) / noLoad * 100;
    if (!std::isfinite(regulation)) return {};
    return formatFixed(regulation, 1) + "%";
  }

  // rows [first, first + capacity) of the electrical table
  void electricalTable(int first) {
    for (size_t c = 0; c < std::size(kElectricalX); ++c)
      page_.printAt(kElectricalX[c], kElectricalHeaderY, {kElectricalHeaders[c]});
    ruleBelow();
    int last = std::min(rows_, first + kElectricalRowsPerPage);
    for (int i = first; i < last; ++i) {
      double y = kElectricalHeaderY + kRowPitch * (i - first + 1);
      const std::string cells[] = {text(jiegou::TXTWN, i), text(jiegou::TxtUnV, i),
                                   loadVoltageCell(i),     loadCurrentCell(ws_, i),
                                   resistanceCell(i),      text(jiegou::TXTPCU, i),
                                   regulationCell(i),      text(jiegou::TXTCUWEIGH, i)};
      for (size_t c = 0; c < std::size(cells); ++c) page_.printCell(kElectricalX[c], y, cells[c]);
    }
    // the rule goes below the last row's text, never through it
    if (last > first) {
      page_.setCurrentY(kElectricalHeaderY + kRowPitch * (last - first) + page_.lineHeight());
      ruleBelow();
    }
  }

  void pictures() {
    page_.printAt(kStructureX, kPictureCaptionY, {"6.结构示意图"});
    page_.printAt(kOutlineX, kPictureCaptionY, {"5.外形示意图"});
    Form& winding = ws_.form(kWindingForm);
    page_.paintPicture(winding.control(jiegou::Img).picture(), jiegou::Img, kOutlineX, kPictureY,
                       kOutlineWidth, kPictureHeight);
    page_.paintPicture(winding.control(jiegou::Picture1).picture(), jiegou::Picture1, kStructureX,
                       kPictureY, kStructureWidth, kPictureHeight);
  }

  // rows that did not fit: each further page repeats the title and the header
  // of every table that still has rows
  void continuationPages() {
    for (int pageIndex = 1;; ++pageIndex) {
      int windingFirst = pageIndex * kWindingRowsPerPage;
      int electricalFirst = pageIndex * kElectricalRowsPerPage;
      if (windingFirst >= rows_ && electricalFirst >= rows_) return;
      page_.newPage();
      title();
      if (windingFirst < rows_) {
        section(15, kWindingSectionY, "1.绕线顺序表（续）");
        windingTable(windingFirst);
      }
      if (electricalFirst < rows_) {
        electricalSection("4.电气参数（续）");
        electricalTable(electricalFirst);
      }
    }
  }

  Workspace& ws_;
  PrintSurface& page_;
  int rows_;
};

// Ki of the circuit that feeds the row's output group; 1 for a second
// primary, which has no rectifier. Nothing when the group or circuit is unknown.
std::optional<double> currentFactor(Workspace& ws, int row) {
  Form& electrical = ws.form(kElectricalForm);
  bool twoPrimaries = electrical.control(eledata::Chkp).value() == 1;
  if (twoPrimaries && row == 1) return 1.0;
  int group = row - (twoPrimaries ? 2 : 1);
  Control* circuitField = electrical.find(eledata::CMBZL, group);
  if (group < 0 || !circuitField) return std::nullopt;
  const electrical::RectifierCircuit* circuit =
      electrical::findRectifierCircuit(circuitField->text());
  if (!circuit || circuit->currentFactor == 0) return std::nullopt;
  return circuit->currentFactor;
}

}  // namespace

std::string loadCurrentCell(Workspace& ws, int row) {
  if (row == 0) return eledata::field(ws, eledata::TXTIIN).text();
  double hot = jiegou::field(ws, jiegou::TXTDCRHOT, row).num();  // mΩ
  double loss = jiegou::field(ws, jiegou::TXTPCU, row).num();    // W
  if (!(hot > 0) || loss < 0) return {};
  std::optional<double> ki = currentFactor(ws, row);
  if (!ki) return {};
  double current = std::sqrt(loss / (hot * 0.001)) / *ki;
  if (!std::isfinite(current)) return {};
  return formatFixed(current, 2);
}

void printManufacturingSheetOn(Workspace& workspace, PrintSurface& page) {
  SheetPrinter(workspace, page).print();
}

void printManufacturingSheet(Workspace& workspace) {
  Form& winding = workspace.form(kWindingForm);
  printReport(workspace.host(), winding.caption(),
              [&workspace](PrintSurface& page) { printManufacturingSheetOn(workspace, page); });
}

}  // namespace corvane
