// A picture box on screen: paints its control's display list.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

namespace corvane {

class Picture;

class PictureWidget : public QWidget {
 public:
  // What the user reads for a text drawn on the picture.
  using ShownText = std::function<std::string(const std::string&)>;

  PictureWidget(Picture& picture, QWidget* parent);
  // The control's rows may go before the widget does.
  void forgetPicture() { picture_ = nullptr; }
  // The texts of a picture whose words are the program's own (a plot's axis
  // titles and legend) are painted as `shown` gives them; none paints every
  // text as drawn, a label being a design value.
  void showTextsAs(ShownText shown);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture* picture_;
  ShownText shown_;
};

}  // namespace corvane
