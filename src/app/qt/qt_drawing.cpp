#include "app/qt/qt_drawing.h"

#include <QFontMetricsF>
#include <QPen>
#include <cmath>
#include <numbers>

#include "app/qt/qt_convert.h"

namespace corvane {

namespace {
constexpr double kSixteenthsPerRadian = 16 * 180 / std::numbers::pi;
}

QtDrawing::QtDrawing(QPainter& painter, const QRectF& target, const QRectF& defaultScale,
                     QColor back, double penWidth)
    : painter_(painter),
      target_(target),
      left_(defaultScale.left()),
      top_(defaultScale.top()),
      right_(defaultScale.right()),
      bottom_(defaultScale.bottom()),
      back_(back),
      penWidth_(penWidth) {}

void QtDrawing::setScale(double x1, double y1, double x2, double y2) {
  if (x1 == x2 || y1 == y2) return;  // a degenerate scale would divide by zero
  left_ = x1;
  top_ = y1;
  right_ = x2;
  bottom_ = y2;
}

QPointF QtDrawing::map(double x, double y) const {
  return {target_.left() + (x - left_) * target_.width() / (right_ - left_),
          target_.top() + (y - top_) * target_.height() / (bottom_ - top_)};
}

QPen QtDrawing::pen(Rgb color) const {
  QPen pen(toQColor(color));
  pen.setWidthF(penWidth_);
  return pen;
}

void QtDrawing::line(double x1, double y1, double x2, double y2, Rgb color) {
  painter_.setPen(pen(color));
  painter_.drawLine(map(x1, y1), map(x2, y2));
}

// The radius counts in units of the horizontal scale, so a circle stays round
// whatever the vertical scale is. Angles are as seen on the screen,
// counter-clockwise from +x, which is also how QPainter counts them.
void QtDrawing::circle(double cx, double cy, double radius, Rgb color,
                       std::optional<ArcAngles> arc) {
  QPointF centre = map(cx, cy);
  double r = std::fabs(radius * target_.width() / (right_ - left_));
  QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
  painter_.setPen(pen(color));
  painter_.setBrush(Qt::NoBrush);
  if (!arc) {
    painter_.drawEllipse(box);
    return;
  }
  double span = arc->end - arc->start;
  if (span <= 0) span += 2 * std::numbers::pi;  // an arc always runs counter-clockwise
  painter_.drawArc(box, static_cast<int>(std::lround(arc->start * kSixteenthsPerRadian)),
                   static_cast<int>(std::lround(span * kSixteenthsPerRadian)));
}

void QtDrawing::filledBox(double x1, double y1, double x2, double y2, Rgb color) {
  painter_.fillRect(QRectF(map(x1, y1), map(x2, y2)).normalized(), toQColor(color));
}

void QtDrawing::text(double x, double y, const std::string& text, Rgb color) {
  QFontMetricsF metrics(painter_.font(), painter_.device());
  painter_.setPen(toQColor(color));
  painter_.drawText(map(x, y) + QPointF(0, metrics.ascent()), toQString(text));
}

void QtDrawing::setForeColor(Rgb color) {
  fore_ = toQColor(color);
}

void QtDrawing::setBackColor(Rgb color) {
  back_ = toQColor(color);
  clear();
}

void QtDrawing::clear() {
  painter_.fillRect(target_, back_);
}

}  // namespace corvane
