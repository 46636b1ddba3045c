// The Drawing interface painted with a QPainter: a picture box on screen, or
// a picture placed on a report page.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "model/drawing.h"

namespace corvane {

class QtDrawing : public Drawing {
 public:
  // Paints into `target` (the painter's coordinates). Until setScale, the
  // user coordinates of the whole target are `defaultScale` (a picture box
  // counts in twips by default). `penWidth` is in the painter's units.
  QtDrawing(QPainter& painter, const QRectF& target, const QRectF& defaultScale, QColor back,
            double penWidth = 1);

  void setScale(double x1, double y1, double x2, double y2) override;
  void line(double x1, double y1, double x2, double y2, Rgb color) override;
  void circle(double cx, double cy, double radius, Rgb color,
              std::optional<ArcAngles> arc = std::nullopt) override;
  void filledBox(double x1, double y1, double x2, double y2, Rgb color) override;
  void text(double x, double y, const std::string& text, Rgb color) override;
  void setForeColor(Rgb color) override;
  void setBackColor(Rgb color) override;
  void clear() override;

  QPointF map(double x, double y) const;

 private:
  QPen pen(Rgb color) const;

  QPainter& painter_;
  QRectF target_;
  double left_, top_, right_, bottom_;  // user scale of the target
  QColor back_;
  QColor fore_ = Qt::black;
  double penWidth_;
};

}  // namespace corvane
