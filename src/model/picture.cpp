#include "model/picture.h"

#include <cmath>

#include "model/programming_error.h"
#include "model/value.h"

namespace corvane {

namespace {

// A figure placed at no finite point (a stack or window of "1e308" or "nan"
// typed into the core form) is not drawn: no screen or page could show it,
// and a drawing that keeps it could not be saved and opened as it was.
void append(std::vector<DrawOp>& ops, DrawOp op) {
  for (double coordinate : {op.x1, op.y1, op.x2, op.y2, op.start, op.end})
    if (!std::isfinite(coordinate)) return;
  ops.push_back(std::move(op));
}

// Takes down what a drawing on demand draws, as the picture itself would.
class FigureRecorder final : public Drawing {
 public:
  explicit FigureRecorder(std::vector<DrawOp>& ops) : ops_(ops) {}
  void setScale(double x1, double y1, double x2, double y2) override {
    append(ops_, {DrawOp::Kind::Scale, x1, y1, x2, y2, 0, 0, {}, {}});
  }
  void line(double x1, double y1, double x2, double y2, Rgb color) override {
    append(ops_, {DrawOp::Kind::Line, x1, y1, x2, y2, 0, 0, color, {}});
  }
  void circle(double cx, double cy, double radius, Rgb color,
              std::optional<ArcAngles> arc) override {
    if (arc)
      append(ops_, {DrawOp::Kind::Arc, cx, cy, radius, 0, arc->start, arc->end, color, {}});
    else
      append(ops_, {DrawOp::Kind::Circle, cx, cy, radius, 0, 0, 0, color, {}});
  }
  void filledBox(double x1, double y1, double x2, double y2, Rgb color) override {
    append(ops_, {DrawOp::Kind::FilledBox, x1, y1, x2, y2, 0, 0, color, {}});
  }
  void text(double x, double y, const std::string& text, Rgb color) override {
    append(ops_, {DrawOp::Kind::Text, x, y, 0, 0, 0, 0, color, text});
  }
  // the picture's colours were settled when the drawing was given
  void setForeColor(Rgb) override { refuse("sets a fore colour"); }
  void setBackColor(Rgb) override { refuse("sets a back colour"); }
  void clear() override { refuse("clears the picture"); }

 private:
  [[noreturn]] static void refuse(const char* what) {
    throw ProgrammingError(std::string("a drawing on demand ") + what);
  }
  std::vector<DrawOp>& ops_;
};

// Figures of a plain function object: the same drawing only as itself.
class FunctionDrawing final : public DrawingOnDemand {
 public:
  explicit FunctionDrawing(Picture::Figures figures) : figures_(std::move(figures)) {}
  void draw(Drawing& drawing) const override { figures_(drawing); }
  bool same(const DrawingOnDemand& other) const override { return this == &other; }

 private:
  Picture::Figures figures_;
};

}  // namespace

bool sameDrawing(const std::shared_ptr<const DrawingOnDemand>& a,
                 const std::shared_ptr<const DrawingOnDemand>& b) {
  if (!a || !b) return !a && !b;
  return a == b || a->same(*b);
}

void Picture::build() const {
  if (!pending_) return;
  // taken out first: a drawing that fails is not tried again
  const std::shared_ptr<const DrawingOnDemand> drawing = std::move(pending_);
  pending_ = nullptr;
  FigureRecorder recorder(ops_);
  drawing->draw(recorder);
}

void Picture::drawOnDemand(Rgb backColor, Figures figures) {
  drawOnDemand(backColor, std::make_shared<const FunctionDrawing>(std::move(figures)));
}

void Picture::drawOnDemand(Rgb backColor, std::shared_ptr<const DrawingOnDemand> drawing) {
  backColor_ = backColor;
  ops_.clear();
  pending_ = std::move(drawing);
  changed.emit();
}

const std::vector<DrawOp>& Picture::ops() const {
  build();
  return ops_;
}

// A figure drawn now goes after what a drawing on demand holds.
template <class Draw>
void Picture::drawNow(Draw draw) {
  build();
  FigureRecorder recorder(ops_);
  draw(recorder);
  changed.emit();
}

void Picture::setScale(double x1, double y1, double x2, double y2) {
  drawNow([&](Drawing& d) { d.setScale(x1, y1, x2, y2); });
}

void Picture::line(double x1, double y1, double x2, double y2, Rgb color) {
  drawNow([&](Drawing& d) { d.line(x1, y1, x2, y2, color); });
}

void Picture::circle(double cx, double cy, double radius, Rgb color, std::optional<ArcAngles> arc) {
  drawNow([&](Drawing& d) { d.circle(cx, cy, radius, color, arc); });
}

void Picture::filledBox(double x1, double y1, double x2, double y2, Rgb color) {
  drawNow([&](Drawing& d) { d.filledBox(x1, y1, x2, y2, color); });
}

void Picture::text(double x, double y, const std::string& text, Rgb color) {
  drawNow([&](Drawing& d) { d.text(x, y, text, color); });
}

void Picture::setForeColor(Rgb color) {
  build();
  foreColor_ = color;
  ops_.push_back({DrawOp::Kind::ForeColor, 0, 0, 0, 0, 0, 0, color, {}});
  changed.emit();
}

void Picture::setBackColor(Rgb color) {
  backColor_ = color;
  ops_.clear();  // a new background colour repaints the whole picture
  pending_ = nullptr;
  changed.emit();
}

void Picture::clear() {
  ops_.clear();
  pending_ = nullptr;
  changed.emit();
}

void Picture::restore(const std::vector<DrawOp>& ops, Rgb backColor, Rgb foreColor) {
  build();
  if (ops == ops_ && backColor == backColor_ && foreColor == foreColor_) return;
  ops_ = ops;
  backColor_ = backColor;
  foreColor_ = foreColor;
  changed.emit();
}

void Picture::restore(const std::vector<DrawOp>& ops,
                      std::shared_ptr<const DrawingOnDemand> pending, Rgb backColor,
                      Rgb foreColor) {
  if (!pending) {
    restore(ops, backColor, foreColor);
    return;
  }
  if (sameDrawing(pending, pending_) && ops_.empty() && backColor == backColor_ &&
      foreColor == foreColor_)
    return;
  ops_ = ops;
  pending_ = std::move(pending);
  backColor_ = backColor;
  foreColor_ = foreColor;
  changed.emit();
}

bool Picture::hasDrawing() const {
  for (const DrawOp& op : ops())
    if (op.kind != DrawOp::Kind::Scale && op.kind != DrawOp::Kind::ForeColor) return true;
  return false;
}

void Picture::replay(Drawing& target) const {
  for (const DrawOp& op : ops()) {
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
  for (const DrawOp& op : ops()) {
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
