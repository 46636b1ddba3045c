#include "reports/recording_printer.h"

#include <cmath>

#include "model/file_access.h"
#include "model/form.h"
#include "model/value.h"

namespace corvane {

RecordingPrinter::RecordingPrinter(std::string path, ErrorSink onWriteError)
    : path_(std::move(path)), onWriteError_(std::move(onWriteError)) {}

std::string RecordingPrinter::number(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  return generalFormat(value);
}

std::string RecordingPrinter::quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

void RecordingPrinter::onScale(double x1, double y1, double x2, double y2) {
  lines_.push_back("scale " + number(x1) + " " + number(y1) + " " + number(x2) + " " + number(y2));
}

void RecordingPrinter::onFont(const PrintFont& font) {
  lines_.push_back("font " + font.name + " " + number(font.size));
}

void RecordingPrinter::onPrintCall(double x, double y, const std::vector<PrintItem>& items) {
  std::string line = "print " + number(x) + " " + number(y);
  for (const PrintItem& item : items) {
    if (item.kind == PrintItem::Kind::Gap)
      line += " gap " + std::to_string(item.count);
    else
      line += " " + quoted(item.text);
  }
  lines_.push_back(std::move(line));
}

void RecordingPrinter::drawLine(double x1, double y1, double x2, double y2, Rgb color) {
  lines_.push_back("line " + number(x1) + " " + number(y1) + " " + number(x2) + " " + number(y2) +
                   " " + color.text());
}

void RecordingPrinter::drawPicture(const Picture&, const std::string& name, double x, double y,
                                   double width, double height) {
  lines_.push_back("picture " + name + " " + number(x) + " " + number(y) + " " + number(width) +
                   " " + number(height));
}

void RecordingPrinter::drawFormImage(Form& form) {
  lines_.push_back("formimage " + form.name());
}

void RecordingPrinter::startNewPage() {
  lines_.push_back("newpage");
}

std::string RecordingPrinter::deviceName() const {
  return path_.empty() ? "打印记录" : path_;
}

void RecordingPrinter::finish() {
  lines_.push_back("enddoc");
  if (!path_.empty()) writeFile();
}

void RecordingPrinter::writeFile() {
  std::string listing;
  for (const std::string& line : lines_) listing += line + '\n';
  Outcome<> written = files::writeReplacing(path_, listing);
  writeError_ = written.reason();
  if (written) return;
  fail(writeError_);
  if (onWriteError_) onWriteError_("cannot write " + path_ + ": " + writeError_);
}

}  // namespace corvane
