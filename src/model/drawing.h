// The drawing interface every schematic and cross-section draws through. All
// coordinates are in the user scale last set with setScale.
#pragma once

#include <optional>
#include <string>

#include "model/color.h"

namespace corvane {

struct ArcAngles {
  double start = 0;  // radians, counter-clockwise from the positive x axis
  double end = 0;
};

class Drawing {
 public:
  virtual ~Drawing() = default;
  // The picture's user scale: (x1, y1) is the top-left corner, (x2, y2) the
  // bottom-right one.
  virtual void setScale(double x1, double y1, double x2, double y2) = 0;
  virtual void line(double x1, double y1, double x2, double y2, Rgb color) = 0;
  // A full circle, or an arc from start to end angle when `arc` is given.
  virtual void circle(double cx, double cy, double radius, Rgb color,
                      std::optional<ArcAngles> arc = std::nullopt) = 0;
  virtual void filledBox(double x1, double y1, double x2, double y2, Rgb color) = 0;
  // Text with its top-left corner at (x, y).
  virtual void text(double x, double y, const std::string& text, Rgb color) = 0;
  virtual void setForeColor(Rgb color) = 0;
  virtual void setBackColor(Rgb color) = 0;
  virtual void clear() = 0;
};

}  // namespace corvane
