#include "model/picture.h"

#include <cmath>

#include "model/value.h"

namespace corvane {

// A figure placed at no finite point (a stack or window of "1e308" or "nan"
// typed into the core form) is not drawn: no screen or page could show it,
// and a drawing that keeps it could not be saved and opened as it was.
void Picture::add(DrawOp op) {
  for (double coordinate : {op.x1, op.y1, op.x2, op.y2, op.start, op.end})
    if (!std::isfinite(coordinate)) return;
  ops_.push_back(std::move(op));
  changed.emit();
}

void Picture::setScale(double x1, double y1, double x2, double y2) {
  add({DrawOp::Kind::Scale, x1, y1, x2, y2, 0, 0, {}, {}});
}

void Picture::line(double x1, double y1, double x2, double y2, Rgb color) {
  add({DrawOp::Kind::Line, x1, y1, x2, y2, 0, 0, color, {}});
}

void Picture::circle(double cx, double cy, double radius, Rgb color, std::optional<ArcAngles> arc) {
  if (arc)
    add({DrawOp::Kind::Arc, cx, cy, radius, 0, arc->start, arc->end, color, {}});
  else
    add({DrawOp::Kind::Circle, cx, cy, radius, 0, 0, 0, color, {}});
}

void Picture::filledBox(double x1, double y1, double x2, double y2, Rgb color) {
  add({DrawOp::Kind::FilledBox, x1, y1, x2, y2, 0, 0, color, {}});
}

void Picture::text(double x, double y, const std::string& text, Rgb color) {
  add({DrawOp::Kind::Text, x, y, 0, 0, 0, 0, color, text});
}

void Picture::setForeColor(Rgb color) {
  foreColor_ = color;
  add({DrawOp::Kind::ForeColor, 0, 0, 0, 0, 0, 0, color, {}});
}

void Picture::setBackColor(Rgb color) {
  backColor_ = color;
  ops_.clear();  // a new background colour repaints the whole picture
  changed.emit();
}

void Picture::clear() {
  ops_.clear();
  changed.emit();
}

void Picture::restore(const std::vector<DrawOp>& ops, Rgb backColor, Rgb foreColor) {
  if (ops == ops_ && backColor == backColor_ && foreColor == foreColor_) return;
  ops_ = ops;
  backColor_ = backColor;
  foreColor_ = foreColor;
  changed.emit();
}

bool Picture::hasDrawing() const {
  for (const DrawOp& op : ops_)
    if (op.kind != DrawOp::Kind::Scale && op.kind != DrawOp::Kind::ForeColor) return true;
  return false;
}

void Picture::replay(Drawing& target) const {
  for (const DrawOp& op : ops_) {
    switch (op.kind) {
      case DrawOp::Kind::Scale:
        target.setScale(op.x1, op.y1, op.x2, op.y2);
        break;
      case DrawOp::Kind::Line:
        target.line(op.x1, op.y1, op.x2, op.y2, op.color);
        break;
      case DrawOp::Kind::Circle:
        target.circle(op.x1, op.y1, op.x2, op.color);
        break;
      case DrawOp::Kind::Arc:
        target.circle(op.x1, op.y1, op.x2, op.color, ArcAngles{op.start, op.end});
        break;
      case DrawOp::Kind::FilledBox:
        target.filledBox(op.x1, op.y1, op.x2, op.y2, op.color);
        break;
      case DrawOp::Kind::Text:
        target.text(op.x1, op.y1, op.text, op.color);
        break;
      case DrawOp::Kind::ForeColor:
        target.setForeColor(op.color);
        break;
      case DrawOp::Kind::BackColor:
        target.setBackColor(op.color);
        break;
    }
  }
}

std::vector<std::string> Picture::listing() const {
  auto g = [](double v) { return generalFormat(v); };
  std::vector<std::string> lines;
  for (const DrawOp& op : ops_) {
    switch (op.kind) {
      case DrawOp::Kind::Scale:
        lines.push_back("scale " + g(op.x1) + " " + g(op.y1) + " " + g(op.x2) + " " + g(op.y2));
        break;
      case DrawOp::Kind::Line:
        lines.push_back("line " + g(op.x1) + " " + g(op.y1) + " " + g(op.x2) + " " + g(op.y2) +
                        " " + op.color.text());
        break;
      case DrawOp::Kind::Circle:
        lines.push_back("circle " + g(op.x1) + " " + g(op.y1) + " " + g(op.x2) + " " +
                        op.color.text());
        break;
      case DrawOp::Kind::Arc:
        lines.push_back("arc " + g(op.x1) + " " + g(op.y1) + " " + g(op.x2) + " " + g(op.start) +
                        " " + g(op.end) + " " + op.color.text());
        break;
      case DrawOp::Kind::FilledBox:
        lines.push_back("box " + g(op.x1) + " " + g(op.y1) + " " + g(op.x2) + " " + g(op.y2) + " " +
                        op.color.text());
        break;
      case DrawOp::Kind::Text:
        lines.push_back("text " + g(op.x1) + " " + g(op.y1) + " \"" + op.text + "\" " +
                        op.color.text());
        break;
      case DrawOp::Kind::ForeColor:
        lines.push_back("forecolor " + op.color.text());
        break;
      case DrawOp::Kind::BackColor:
        lines.push_back("backcolor " + op.color.text());
        break;
    }
  }
  return lines;
}

}  // namespace corvane
