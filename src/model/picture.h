// A picture box's content: the display list of everything drawn on it since
// the last clear. Views replay it onto the screen, reports onto the page, and
// tests read it. A drawing given on demand is kept as what it takes to draw
// it and becomes a display list only when something reads the picture: a
// recalculation that nobody looks at draws nothing.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/drawing.h"
#include "model/signal.h"

namespace corvane {

struct DrawOp {
  enum class Kind { Scale, Line, Circle, Arc, FilledBox, Text, ForeColor, BackColor };
  Kind kind = Kind::Line;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Circle/Arc: x1, y1 centre, x2 radius
  double start = 0, end = 0;              // Arc angles (radians)
  Rgb color;
  std::string text;
  bool operator==(const DrawOp&) const = default;
};

// A drawing on demand: what it takes to draw its figures, kept until the
// picture is read, and shared by the undo history without being drawn.
class DrawingOnDemand {
 public:
  virtual ~DrawingOnDemand() = default;
  virtual void draw(Drawing& drawing) const = 0;
  // True when `other` is sure to draw the same figures.
  virtual bool same(const DrawingOnDemand& other) const = 0;
};

// Figures drawn by a plain function from a value of inputs: two drawings of
// equal inputs by the same function are the same drawing.
template <class Inputs>
class DrawingFrom final : public DrawingOnDemand {
 public:
  using Figures = void (*)(Drawing&, const Inputs&);
  DrawingFrom(Inputs inputs, Figures figures) : inputs_(std::move(inputs)), figures_(figures) {}
  void draw(Drawing& drawing) const override { figures_(drawing, inputs_); }
  bool same(const DrawingOnDemand& other) const override {
    const auto* from = dynamic_cast<const DrawingFrom*>(&other);
    return from && from->figures_ == figures_ && from->inputs_ == inputs_;
  }

 private:
  Inputs inputs_;
  Figures figures_;
};

// Both null, or drawings sure to draw the same figures.
bool sameDrawing(const std::shared_ptr<const DrawingOnDemand>& a,
                 const std::shared_ptr<const DrawingOnDemand>& b);

class Picture : public Drawing {
 public:
  void setScale(double x1, double y1, double x2, double y2) override;
  void line(double x1, double y1, double x2, double y2, Rgb color) override;
  void circle(double cx, double cy, double radius, Rgb color,
              std::optional<ArcAngles> arc = std::nullopt) override;
  void filledBox(double x1, double y1, double x2, double y2, Rgb color) override;
  void text(double x, double y, const std::string& text, Rgb color) override;
  void setForeColor(Rgb color) override;
  void setBackColor(Rgb color) override;
  void clear() override;

  // What a drawing on demand draws: figures and the scale only, never a
  // colour setting or a clear (a ProgrammingError when it is drawn).
  using Figures = std::function<void(Drawing&)>;
  // The same as setBackColor(backColor) followed by figures(*this), with the
  // figures drawn when the picture is first read.
  void drawOnDemand(Rgb backColor, Figures figures);
  // The same with figures drawn from a value of inputs: a drawing given again
  // from equal inputs is known to be the same drawing without drawing it.
  template <class Inputs>
  void drawOnDemand(Rgb backColor, Inputs inputs, typename DrawingFrom<Inputs>::Figures figures) {
    drawOnDemand(backColor,
                 std::make_shared<const DrawingFrom<Inputs>>(std::move(inputs), figures));
  }
  void drawOnDemand(Rgb backColor, std::shared_ptr<const DrawingOnDemand> drawing);
  // The drawing on demand not drawn yet, or null.
  const std::shared_ptr<const DrawingOnDemand>& pending() const { return pending_; }

  const std::vector<DrawOp>& ops() const;
  // True when anything visible was drawn since the last clear (scale and
  // colour settings alone leave the picture empty).
  bool hasDrawing() const;
  Rgb backColor() const { return backColor_; }
  Rgb foreColor() const { return foreColor_; }
  // Puts a saved picture back: its display list and colours, as one change.
  void restore(const std::vector<DrawOp>& ops, Rgb backColor, Rgb foreColor);
  // The same with a drawing on demand not drawn yet (the display list then
  // empty), as the undo history keeps a picture; null restores `ops`.
  void restore(const std::vector<DrawOp>& ops, std::shared_ptr<const DrawingOnDemand> pending,
               Rgb backColor, Rgb foreColor);
  // Replays the display list onto another surface.
  void replay(Drawing& target) const;
  // One line per operation, for tests and the script driver.
  std::vector<std::string> listing() const;

  Signal<> changed;

 private:
  template <class Draw>
  void drawNow(Draw draw);
  // Draws the figures given on demand, if any, into the display list.
  void build() const;
  mutable std::vector<DrawOp> ops_;
  mutable std::shared_ptr<const DrawingOnDemand> pending_;
  Rgb backColor_ = colors::kWhite;
  Rgb foreColor_ = colors::kBlack;
};

}  // namespace corvane
