#include "app/qt/picture_widget.h"

#include <QPainter>

#include "app/qt/qt_convert.h"
#include "app/qt/qt_drawing.h"
#include "model/picture.h"

namespace corvane {

PictureWidget::PictureWidget(Picture& picture, QWidget* parent)
    : QWidget(parent), picture_(&picture) {}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QColor back = picture_ ? toQColor(picture_->backColor()) : palette().window().color();
  painter.fillRect(rect(), back);
  if (!picture_) return;
  // before any scale the picture counts in twips, as a picture box does
  QRectF twips(0, 0, width() * kTwipsPerPixel, height() * kTwipsPerPixel);
  QtDrawing drawing(painter, QRectF(rect()), twips, back);
  picture_->replay(drawing);
}

}  // namespace corvane
