#include "model/print_surface.h"

#include <cmath>

#include "model/translator.h"
#include "model/utf8.h"

namespace corvane {

namespace {
constexpr double kMillimetresPerPoint = 25.4 / 72.0;
constexpr double kA4WidthMm = 210.0;
// One line of text: the em of the face and a tenth of it between lines, so
// two lines of Chinese never touch and a rule drawn at the next line's top
// passes below the line above it.
constexpr double kLineHeightEm = 1.1;
}  // namespace

void PrintSurface::scale(double x1, double y1, double x2, double y2) {
  scaleLeft_ = x1;
  scaleTop_ = y1;
  scaleRight_ = x2;
  scaleBottom_ = y2;
  x_ = x1;
  y_ = y1;
  onScale(x1, y1, x2, y2);
}

void PrintSurface::setFontName(const std::string& name) {
  font_.name = name;
  onFont(font_);
}

void PrintSurface::setFontSize(double points) {
  font_.size = points;
  onFont(font_);
}

double PrintSurface::pointsToPageUnits(double points) const {
  double unitsPerMm = std::fabs(scaleRight_ - scaleLeft_) / kA4WidthMm;
  return points * kMillimetresPerPoint * unitsPerMm;
}

double PrintSurface::lineHeight() const {
  return pointsToPageUnits(font_.size) * kLineHeightEm;
}

std::vector<PrintItem> PrintSurface::shown(const std::vector<PrintItem>& items) const {
  std::vector<PrintItem> translated = items;
  if (translator_)
    for (PrintItem& item : translated)
      if (item.kind == PrintItem::Kind::Text)
        item.text = translateComposed(
            *translator_, item.context.empty() ? text_contexts::kReport : item.context, item.text);
  return translated;
}

double PrintSurface::width(const std::vector<PrintItem>& given) const {
  double total = 0;
  for (const PrintItem& item : shown(given))
    total += item.kind == PrintItem::Kind::Gap ? item.count * pointsToPageUnits(font_.size) / 2
                                               : textWidth(item.text);
  return total;
}

double PrintSurface::textWidth(const std::string& text) const {
  double em = pointsToPageUnits(font_.size);
  double width = 0;
  for (char32_t c : utf8::decode(text)) width += utf8::isFullWidth(c) ? em : em / 2;
  return width;
}

void PrintSurface::print(const std::vector<PrintItem>& given, bool lineFeed) {
  if (ended_ || failed()) return;
  const std::vector<PrintItem> items = shown(given);
  onPrintCall(x_, y_, items);
  for (const PrintItem& item : items) {
    if (item.kind == PrintItem::Kind::Gap) {
      x_ += item.count * pointsToPageUnits(font_.size) / 2;
      continue;
    }
    if (!item.text.empty()) drawText(x_, y_, item.text);
    x_ += textWidth(item.text);
  }
  if (lineFeed) {
    x_ = scaleLeft_;
    y_ += lineHeight();
  }
}

void PrintSurface::printAt(double x, double y, const std::vector<PrintItem>& items) {
  setCurrentX(x);
  setCurrentY(y);
  print(items);
}

void PrintSurface::printCell(double x, double y, const std::string& text,
                             const std::string& context) {
  if (text.empty()) return;
  PrintItem cell(text);
  cell.context = context;
  printAt(x, y, {cell});
}

void PrintSurface::line(double x1, double y1, double x2, double y2, Rgb color) {
  if (ended_ || failed()) return;
  drawLine(x1, y1, x2, y2, color);
  x_ = x2;  // the pen stays at the line's end, as the page's last point
  y_ = y2;
}

void PrintSurface::paintPicture(const Picture& picture, const std::string& name, double x, double y,
                                double width, double height) {
  if (ended_ || failed()) return;
  drawPicture(picture, name, x, y, width, height);
}

void PrintSurface::printForm(Form& form) {
  if (ended_ || failed()) return;
  drawFormImage(form);
}

void PrintSurface::newPage() {
  if (ended_ || failed()) return;
  x_ = scaleLeft_;
  y_ = scaleTop_;
  startNewPage();
}

void PrintSurface::fail(std::string reason) {
  if (failure_.empty()) failure_ = reason.empty() ? "未知错误" : std::move(reason);
}

void PrintSurface::endDoc() {
  if (ended_) return;
  ended_ = true;
  if (!failed()) finish();  // a failed job is discarded with its surface
}

}  // namespace corvane
