// A picture box on screen: paints its control's display list.
#pragma once

#include <QWidget>

namespace corvane {

class Picture;

class PictureWidget : public QWidget {
 public:
  PictureWidget(Picture& picture, QWidget* parent);
  // The control's rows may go before the widget does.
  void forgetPicture() { picture_ = nullptr; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture* picture_;
};

}  // namespace corvane
