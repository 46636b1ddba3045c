// A picture box's content: the display list of everything drawn on it since
// the last clear. Views replay it onto the screen, reports onto the page, and
// tests read it. A drawing given on demand is kept as what it takes to draw
// it and becomes a display list only when something reads the picture: a
// recalculation that nobody looks at draws nothing.
#pragma once

#include <functional>
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

  const std::vector<DrawOp>& ops() const;
  // True when anything visible was drawn since the last clear (scale and
  // colour settings alone leave the picture empty).
  bool hasDrawing() const;
  Rgb backColor() const { return backColor_; }
  Rgb foreColor() const { return foreColor_; }
  // Puts a saved picture back: its display list and colours, as one change.
  void restore(const std::vector<DrawOp>& ops, Rgb backColor, Rgb foreColor);
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
  mutable Figures pending_;
  Rgb backColor_ = colors::kWhite;
  Rgb foreColor_ = colors::kBlack;
};

}  // namespace corvane
