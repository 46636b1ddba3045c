#include "app/qt/cover_window.h"

#include <QGuiApplication>
#include <QRegion>
#include <QScreen>

#include "app/forms/cover_form.h"
#include "app/qt/form_view.h"

namespace corvane {

std::unique_ptr<FormView> makeCoverWindow(Form& cover) {
  auto view = std::make_unique<FormView>(cover);
  view->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  QSize size = view->preferredSize();
  view->setFixedSize(size);
  const int* e = CoverForm::kEllipse;  // left, top, right, bottom in pixels
  view->setMask(QRegion(QRect(e[0], e[1], e[2] - e[0], e[3] - e[1]), QRegion::Ellipse));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    view->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
  }
  return view;
}

}  // namespace corvane
