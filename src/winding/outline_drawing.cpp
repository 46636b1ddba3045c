#include "winding/outline_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/picture.h"
#include "model/value.h"

namespace corvane {

namespace {

// the box the sheet prints the picture into (mm)
constexpr double kBoxWidthMm = 95, kBoxHeightMm = 60;
// picture text on the sheet: 9 pt, about 3.2 mm high, Latin letters and digits
// up to 1.8 mm wide
constexpr double kTextHeightMm = 3.2, kCharWidthMm = 1.8;

constexpr Rgb kCoreColor = colors::kBlack;
constexpr Rgb kCoilColor{255, 224, 192};
constexpr Rgb kCoilEdge{160, 96, 48};
constexpr Rgb kDimensionColor{0, 0, 160};

struct Rect {
  double left, top, right, bottom;
};

void outline(Drawing& p, const Rect& r, Rgb color) {
  p.line(r.left, r.top, r.right, r.top, color);
  p.line(r.right, r.top, r.right, r.bottom, color);
  p.line(r.right, r.bottom, r.left, r.bottom, color);
  p.line(r.left, r.bottom, r.left, r.top, color);
}

void coil(Drawing& p, const Rect& r) {
  p.filledBox(r.left, r.top, r.right, r.bottom, kCoilColor);
  outline(p, r, kCoilEdge);
}

// Lays the drawing out in the core's millimetres and turns sheet millimetres
// into those units once the scale is known.
class OutlineLayout {
 public:
  OutlineLayout(double L, double H, double b) : L_(L), H_(H), b_(b) {
    double m = std::max(L, H);
    tongue_ = L / 3;
    window_ = L / 6;
    yoke_ = tongue_ / 2;
    if (2 * yoke_ >= H) yoke_ = H / 5;  // a flat core still shows its windows
    frontLeft_ = 0.42 * m;              // room for the height dimension
    top_ = 0.08 * m;
    coilOut_ = 0.9 * window_;
    sideLeft_ = frontLeft_ + L + coilOut_ + 0.22 * m;
    double right = b > 0 ? sideLeft_ + b + coilOut_ + 0.08 * m : frontLeft_ + L + 0.08 * m;
    double bottom = top_ + H + 0.30 * m;  // room for the length and stack dimensions
    // widen or heighten the extent to the box's width-to-height ratio, keeping the drawing centred
    double width = right, height = bottom;
    if (width / height < kBoxWidthMm / kBoxHeightMm)
      width = height * kBoxWidthMm / kBoxHeightMm;
    else
      height = width * kBoxHeightMm / kBoxWidthMm;
    scale_ = {-(width - right) / 2, -(height - bottom) / 2, 0, 0};
    scale_.right = scale_.left + width;
    scale_.bottom = scale_.top + height;
    unitsPerMm_ = width / kBoxWidthMm;
  }

  const Rect& scale() const { return scale_; }
  double mm(double sheetMm) const { return sheetMm * unitsPerMm_; }
  double textWidth(const std::string& text) const { return mm(kCharWidthMm) * text.size(); }

  double L_, H_, b_;
  double tongue_, window_, yoke_, coilOut_;
  double frontLeft_, top_, sideLeft_;

 private:
  Rect scale_{};
  double unitsPerMm_ = 1;
};

void arrowHead(Drawing& p, double x, double y, double dx, double dy, double size) {
  // dx, dy: unit vector from the tip into the dimension line
  double wing = size * 0.35;
  p.line(x, y, x + dx * size - dy * wing, y + dy * size + dx * wing, kDimensionColor);
  p.line(x, y, x + dx * size + dy * wing, y + dy * size - dx * wing, kDimensionColor);
}

void horizontalDimension(Drawing& p, const OutlineLayout& at, double x1, double x2, double edge,
                         double y, const std::string& label) {
  double gap = at.mm(0.8), over = at.mm(1.2), head = at.mm(2);
  p.line(x1, edge + gap, x1, y + over, kDimensionColor);
  p.line(x2, edge + gap, x2, y + over, kDimensionColor);
  p.line(x1, y, x2, y, kDimensionColor);
  arrowHead(p, x1, y, 1, 0, head);
  arrowHead(p, x2, y, -1, 0, head);
  p.text((x1 + x2 - at.textWidth(label)) / 2, y + at.mm(0.8), label, colors::kBlack);
}

void verticalDimension(Drawing& p, const OutlineLayout& at, double y1, double y2, double edge,
                       double x, const std::string& label) {
  double gap = at.mm(0.8), over = at.mm(1.2), head = at.mm(2);
  p.line(edge - gap, y1, x - over, y1, kDimensionColor);
  p.line(edge - gap, y2, x - over, y2, kDimensionColor);
  p.line(x, y1, x, y2, kDimensionColor);
  arrowHead(p, x, y1, 0, 1, head);
  arrowHead(p, x, y2, 0, -1, head);
  double left = std::max(at.scale().left + at.mm(0.5), x - at.mm(1.5) - at.textWidth(label));
  p.text(left, (y1 + y2 - at.mm(kTextHeightMm)) / 2, label, colors::kBlack);
}

void frontView(Drawing& p, const OutlineLayout& at) {
  double x0 = at.frontLeft_, y0 = at.top_;
  double windowTop = y0 + at.yoke_, seam = y0 + at.H_ - at.yoke_;
  double leftWindow = x0 + at.tongue_ / 2, rightWindow = x0 + at.L_ - at.tongue_ / 2 - at.window_;
  coil(p, {leftWindow, windowTop, leftWindow + at.window_, seam});
  coil(p, {rightWindow, windowTop, rightWindow + at.window_, seam});
  outline(p, {x0, y0, x0 + at.L_, y0 + at.H_}, kCoreColor);
  // the E's legs and tongue end on the I: the seam runs across the whole core
  p.line(x0, seam, x0 + at.L_, seam, kCoreColor);
  for (double x : {leftWindow, leftWindow + at.window_, rightWindow, rightWindow + at.window_})
    p.line(x, windowTop, x, seam, kCoreColor);
  p.line(leftWindow, windowTop, leftWindow + at.window_, windowTop, kCoreColor);
  p.line(rightWindow, windowTop, rightWindow + at.window_, windowTop, kCoreColor);

  double below = y0 + at.H_;
  horizontalDimension(p, at, x0, x0 + at.L_, below, below + at.mm(6), "L=" + generalFormat(at.L_));
  verticalDimension(p, at, y0, y0 + at.H_, x0, x0 - at.mm(4), "H=" + generalFormat(at.H_));
}

void sideView(Drawing& p, const OutlineLayout& at) {
  double x0 = at.sideLeft_, y0 = at.top_;
  double seam = y0 + at.H_ - at.yoke_;
  // the coil wraps the tongue and stands out of the stack by the window width;
  // between the stack's faces the outer leg hides it
  coil(p, {x0 - at.coilOut_, y0 + at.yoke_, x0 + at.b_ + at.coilOut_, seam});
  p.filledBox(x0, y0, x0 + at.b_, y0 + at.H_, colors::kWhite);
  outline(p, {x0, y0, x0 + at.b_, y0 + at.H_}, kCoreColor);
  p.line(x0, seam, x0 + at.b_, seam, kCoreColor);
  double below = y0 + at.H_;
  horizontalDimension(p, at, x0, x0 + at.b_, below, below + at.mm(6), "b=" + generalFormat(at.b_));
}

bool usable(double value) {
  return std::isfinite(value) && value > 0;
}

void outlineFigures(Drawing& picture, double L, double H, double b) {
  if (!usable(L) || !usable(H)) return;
  if (!std::isfinite(b)) b = 0;
  OutlineLayout layout(L, H, b);
  const Rect& s = layout.scale();
  picture.setScale(s.left, s.top, s.right, s.bottom);
  frontView(picture, layout);
  if (b > 0) sideView(picture, layout);
}

// The core's outline dimensions, mm: length, height and stack.
struct OutlineSize {
  double L = 0, H = 0, b = 0;
  bool operator==(const OutlineSize&) const = default;
};

void drawOutlineOf(Drawing& picture, const OutlineSize& size) {
  outlineFigures(picture, size.L, size.H, size.b);
}

}  // namespace

// drawn on the picture's own background when the picture is read
void drawTransformerOutline(Picture& picture, double L, double H, double b) {
  picture.drawOnDemand(picture.backColor(), OutlineSize{L, H, b}, &drawOutlineOf);
}

}  // namespace corvane
