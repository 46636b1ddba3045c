#include "app/qt/program_icon.h"

#include <QPainter>
#include <QPixmap>

namespace corvane {

namespace {

// The E (three legs, the middle one twice as wide) and the I that closes it,
// in a 32-pixel square: left, top, width, height.
constexpr int kLamination[][4] = {
    {3, 4, 24, 4},   // E back
    {3, 4, 4, 24},   // E top leg
    {11, 4, 8, 24},  // E middle leg
    {23, 4, 4, 24},  // E bottom leg
    {3, 24, 24, 4},  // I
};

}  // namespace

QIcon programIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  for (const auto& r : kLamination) painter.fillRect(r[0], r[1], r[2], r[3], QColor(0, 0, 160));
  // the winding fills both windows beside the middle leg
  for (int left : {7, 19}) painter.fillRect(left, 10, 4, 12, QColor(200, 120, 40));
  return QIcon(pixmap);
}

}  // namespace corvane
