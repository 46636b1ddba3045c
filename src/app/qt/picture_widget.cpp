#include "app/qt/picture_widget.h"

#include <QPainter>

#include "app/qt/qt_convert.h"
#include "app/qt/qt_drawing.h"
#include "model/picture.h"

namespace corvane {

namespace {

// Passes every figure on, each text as the language shown reads it.
class ShownTextDrawing final : public Drawing {
 public:
  ShownTextDrawing(Drawing& target, const PictureWidget::ShownText& shown)
      : target_(target), shown_(shown) {}
  void setScale(double x1, double y1, double x2, double y2) override {
    target_.setScale(x1, y1, x2, y2);
  }
  void line(double x1, double y1, double x2, double y2, Rgb color) override {
    target_.line(x1, y1, x2, y2, color);
  }
  void circle(double cx, double cy, double radius, Rgb color,
              std::optional<ArcAngles> arc) override {
    target_.circle(cx, cy, radius, color, arc);
  }
  void filledBox(double x1, double y1, double x2, double y2, Rgb color) override {
    target_.filledBox(x1, y1, x2, y2, color);
  }
  void text(double x, double y, const std::string& text, Rgb color) override {
    target_.text(x, y, shown_(text), color);
  }
  void setForeColor(Rgb color) override { target_.setForeColor(color); }
  void setBackColor(Rgb color) override { target_.setBackColor(color); }
  void clear() override { target_.clear(); }

 private:
  Drawing& target_;
  const PictureWidget::ShownText& shown_;
};

}  // namespace

PictureWidget::PictureWidget(Picture& picture, QWidget* parent)
    : QWidget(parent), picture_(&picture) {}

void PictureWidget::showTextsAs(ShownText shown) {
  shown_ = std::move(shown);
  update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QColor back = picture_ ? toQColor(picture_->backColor()) : palette().window().color();
  painter.fillRect(rect(), back);
  if (!picture_) return;
  // before any scale the picture counts in twips, as a picture box does
  QRectF twips(0, 0, width() * kTwipsPerPixel, height() * kTwipsPerPixel);
  QtDrawing drawing(painter, QRectF(rect()), twips, back);
  if (!shown_) {
    picture_->replay(drawing);
    return;
  }
  ShownTextDrawing translated(drawing, shown_);
  picture_->replay(translated);
}

}  // namespace corvane
