#include "electrical/printout.h"

#include "electrical/eledata_fields.h"
#include "electrical/frmeledata.h"
#include "model/host.h"
#include "model/picture.h"
#include "model/print_job.h"
#include "model/report_type.h"
#include "model/value.h"

namespace corvane {

namespace {
constexpr int kSeparator = 3;
constexpr double kSmallestSize = 8;  // points: a group line is never printed smaller
// mm: the rules and the group lines keep a 15 mm margin on either side
constexpr double kGroupLeft = 15;
constexpr double kRuleLeft = 15;
constexpr double kRuleRight = 195;
// the schematic's place on the page (mm)
constexpr double kPictureLeft = 90, kPictureTop = 40, kPictureWidth = 50, kPictureHeight = 100;

void emptyLine(PrintSurface& page) {
  page.print({});
}

// a rule across the page at the current print line
void rule(PrintSurface& page) {
  double y = page.currentY();
  page.line(kRuleLeft, y, kRuleRight, y, colors::kBlack);
}

void printAt(PrintSurface& page, double x, const std::vector<PrintItem>& items) {
  page.setCurrentX(x);
  page.print(items);
}

// A line that would run past the right rule is printed in a smaller size
// that fits, so nothing leaves the printable area.
void printWithin(PrintSurface& page, double left, double right,
                 const std::vector<PrintItem>& items) {
  const double size = page.font().size;
  double fitted = size;
  while (fitted > kSmallestSize && page.width(items) > right - left)
    page.setFontSize(fitted -= 0.5);
  printAt(page, left, items);
  if (fitted != size) page.setFontSize(size);
}

std::vector<PrintItem> separated(const std::vector<std::string>& texts) {
  std::vector<PrintItem> items;
  for (size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) items.push_back(PrintItem::gap(kSeparator));
    items.emplace_back(texts[i]);
  }
  return items;
}
}  // namespace

// A value with its unit; nothing at all for an empty value, so no unit stands alone.
std::string withUnit(const std::string& value, const char* unit) {
  return value.empty() ? std::string() : value + unit;
}

std::vector<PrintItem> groupLineItems(const Frmeledata& form, int row) {
  auto text = [&](const char* name) { return form.cell(name, row).text(); };
  return separated({
      text(eledata::TXTWN),
      "电压:" + withUnit(text(eledata::txtudc), "V") + " @ " + withUnit(text(eledata::txtidc), "A"),
      text(eledata::CMBZL),
      "功率：" + withUnit(text(eledata::txtspo), "W"),
      "电解电容：" + text(eledata::TXTCP),
      "空载电压：" + withUnit(text(eledata::TXTUNLOAD), "V"),
  });
}

void printParameterTableOn(const Frmeledata& form, PrintSurface& page) {
  page.scale(0, 0, 210, 290);
  report::setTitleType(page);
  page.setCurrentX(80);
  page.setCurrentY(15);
  page.print({"变压器设计规格书"});

  page.setFontSize(report::kBodySize);
  page.setCurrentX(90);
  page.setCurrentY(20);
  emptyLine(page);
  emptyLine(page);
  page.setCurrentX(90);
  page.setCurrentY(25);
  page.print({"电气示意图"});
  const Picture* schematic = form.control(eledata::PICSHC).pictureIfAny();
  if (schematic && schematic->hasDrawing())
    page.paintPicture(*schematic, eledata::PICSHC, kPictureLeft, kPictureTop, kPictureWidth,
                      kPictureHeight);
  emptyLine(page);
  rule(page);

  page.setCurrentX(90);
  page.setCurrentY(140);
  page.print({"变压器设计要求"});
  emptyLine(page);
  rule(page);
  // the second voltage only where there is a second primary
  std::vector<std::string> input{"交流输入电压:",
                                 withUnit(form.control(eledata::TXTUIN1).text(), "V")};
  if (form.control(eledata::Chkp).value() == 1)
    input.push_back(withUnit(form.control(eledata::TXTUIN2).text(), "V"));
  printAt(page, 50, separated(input));
  printAt(page, 50, separated({"频率", "50/60Hz"}));
  emptyLine(page);
  rule(page);

  for (int i = 0; i <= form.highestGroup(); ++i) {
    emptyLine(page);
    printWithin(page, kGroupLeft, kRuleRight, groupLineItems(form, i));
  }
  rule(page);
  emptyLine(page);
  // the power field carries its unit; print the number once with one "W"
  printAt(page, 70,
          {"变压器输出总功率：", generalFormat(form.control(eledata::txtpo).num()) + "W"});
  emptyLine(page);
  rule(page);
  emptyLine(page);
  printAt(page, 80, {shortDateText(form.host().today())});
  page.endDoc();
}

void printParameterTable(const Frmeledata& form) {
  printReport(form.host(), form.caption(),
              [&form](PrintSurface& page) { printParameterTableOn(form, page); });
}

}  // namespace corvane
