#include "operating/operating_report.h"

#include <string>
#include <vector>

#include "model/host.h"
#include "model/print_surface.h"
#include "model/report_type.h"
#include "model/translator.h"
#include "operating/frmoperating.h"
#include "operating/mains_columns.h"
#include "operating/operating_fields.h"
#include "operating/part_load_efficiency.h"

namespace corvane {

using namespace operatingform;

namespace {

constexpr double kRuleLeft = 15, kRuleRight = 195;
constexpr double kCaptionX = 20;
constexpr double kRowPitch = 6;  // mm between table rows

// section tops (mm)
constexpr double kMainsY = 35, kGroupsY = 95, kLoadY = 165, kAdapterY = 205;

// x (mm) of the three mains columns and of the four load points
constexpr double kMainsX[] = {80, 115, 150};
constexpr double kLoadX[] = {80, 105, 130, 155};

struct Row {
  const char* label;  // the form's caption of the row
  const char* field;
};

constexpr Row kMainsRows[] = {
    {LblMainsVoltage, MainsVoltage}, {LblFluxDensity, FluxDensity},
    {LblIronLoss, IronLoss},         {LblNoLoadCurrent, NoLoadCurrent},
    {LblLoadRise, LoadRise},         {LblEnclosedRise, EnclosedRise},
    {LblVerdict, Verdict},
};

constexpr Row kLoadRows[] = {
    {LblOutputPower, OutputPower}, {LblLosses, Losses}, {LblEfficiency, Efficiency}};

struct GroupColumn {
  const char* field;
  double x;
};
constexpr GroupColumn kGroupColumns[] = {
    {GroupName, 20},         {GroupCircuit, 38},   {NoLoadOutLow, 70},
    {NoLoadOutNominal, 100}, {NoLoadOutHigh, 130}, {CapacitorRating, 160},
};

// caption label and field of a line of the adapter level, with its limit
struct LevelLine {
  const char* label;
  const char* field;
  const char* limitLabel;  // "" when the line has no limit
  const char* limit;
};
constexpr LevelLine kLevelLines[] = {
    {LblAdapterClass, AdapterClass, "", ""},
    {LblAverage, AverageEfficiency, LblRequiredEfficiency, RequiredEfficiency},
    {LblNoLoadPower, NoLoadInputPower, LblRequiredNoLoad, RequiredNoLoadPower},
    {LblAdapterVerdict, AdapterVerdict, "", ""},
};

constexpr const char* kNote[] = {
    "注：六级能效（美国能源部六级、欧盟2019/1782号条例）只适用于装在插墙式电源适配器内",
    "出售的变压器；单独出售或装入其他设备的变压器不受其约束。平均效率含整流二极管损耗。",
};

class ReportPrinter {
 public:
  ReportPrinter(const FrmOperating& form, PrintSurface& page) : form_(form), page_(page) {}

  void print() {
    page_.scale(0, 0, 210, 290);
    report::setTitleType(page_);
    page_.printAt(85, 15, {"工况分析报告"});
    page_.setFontSize(report::kDenseBodySize);
    page_.printAt(kCaptionX, 25, {"电网波动 ±" + text(MainsTolerance) + "%"});
    page_.printAt(150, 25, {shortDateText(form_.host().today())});
    mainsTable();
    groupTable();
    loadTable();
    adapterLevel();
    page_.endDoc();
  }

 private:
  const std::string& text(const char* name, int index = -1) const {
    return form_.control(name, index).text();
  }
  // A field's text as a table cell; the words the form wrote read as the
  // form shows them ("低压" is a low-voltage adapter there, not low line).
  void cell(double x, double y, const char* name, int index = -1) {
    const Control& field = form_.control(name, index);
    const bool words = field.content() == Control::Content::Words;
    page_.printCell(x, y, field.text(), words ? wordsContext(form_.name()) : "");
  }
  const std::string& caption(const char* name, int index = -1) const {
    return form_.control(name, index).caption();
  }
  void section(double y, const char* title) {
    page_.printAt(kRuleLeft, y, {title});
    const double below = page_.currentY();
    page_.line(kRuleLeft, below, kRuleRight, below);
  }

  void mainsTable() {
    section(kMainsY, "1. 电网电压工况");
    const double header = kMainsY + 8;
    for (int k = 0; k < operating::kMainsColumns; ++k)
      page_.printAt(kMainsX[k], header, {caption(MainsHeader, k)});
    double y = header;
    for (const Row& row : kMainsRows) {
      y += kRowPitch;
      page_.printAt(kCaptionX, y, {caption(row.label)});
      for (int k = 0; k < operating::kMainsColumns; ++k) cell(kMainsX[k], y, row.field, k);
    }
  }

  void groupTable() {
    section(kGroupsY, "2. 各输出组空载直流电压");
    const double header = kGroupsY + 8;
    for (const GroupColumn& column : kGroupColumns)
      page_.printAt(column.x, header, {caption(columnHead(column.field).c_str())});
    double y = header;
    for (int g = 0; g < FrmOperating::kGroupRows; ++g) {
      if (!form_.control(GroupName, g).visible()) continue;
      y += kRowPitch;
      for (const GroupColumn& column : kGroupColumns) cell(column.x, y, column.field, g);
    }
  }

  void loadTable() {
    section(kLoadY, "3. 部分负载效率");
    const double header = kLoadY + 8;
    page_.printAt(kCaptionX, header, {"负载率"});
    for (size_t j = 0; j < operating::kLoadPoints; ++j)
      page_.printAt(kLoadX[j], header, {caption(LoadHeader, static_cast<int>(j))});
    double y = header;
    for (const Row& row : kLoadRows) {
      y += kRowPitch;
      page_.printAt(kCaptionX, y, {caption(row.label)});
      for (size_t j = 0; j < operating::kLoadPoints; ++j)
        cell(kLoadX[j], y, row.field, static_cast<int>(j));
    }
  }

  void adapterLevel() {
    section(kAdapterY, "4. 六级能效（外部电源）");
    double y = kAdapterY + 2;
    for (const LevelLine& line : kLevelLines) {
      y += kRowPitch + 1;
      page_.printAt(kCaptionX, y, {caption(line.label)});
      cell(kMainsX[0], y, line.field);
      if (*line.limitLabel) {
        page_.printAt(kMainsX[1], y, {caption(line.limitLabel)});
        cell(kMainsX[2], y, line.limit);
      }
    }
    y += 2 * kRowPitch;
    for (const char* note : kNote) {
      page_.printAt(kCaptionX, y, {note});
      y += kRowPitch;
    }
  }

  const FrmOperating& form_;
  PrintSurface& page_;
};

}  // namespace

void printOperatingReport(const FrmOperating& form, PrintSurface& page) {
  ReportPrinter(form, page).print();
}

}  // namespace corvane
