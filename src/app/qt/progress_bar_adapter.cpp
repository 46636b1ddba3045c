#include "app/qt/progress_bar_adapter.h"

#include <QProgressBar>
#include <algorithm>

#include "app/qt/qt_convert.h"
#include "model/control.h"
#include "model/value.h"

namespace corvane {

QWidget* createProgressBar(QWidget* canvas) {
  auto* bar = new QProgressBar(canvas);
  bar->setRange(0, 100);
  bar->setTextVisible(true);
  bar->setAlignment(Qt::AlignCenter);
  return bar;
}

bool showProgress(QWidget* widget, const Control& control) {
  auto* bar = qobject_cast<QProgressBar*>(widget);
  if (!bar) return false;
  bar->setValue(static_cast<int>(std::clamp(Val(control.text()), 0.0, 100.0)));
  // the caption as it stands: a per cent sign in it is no placeholder
  QString words = toQString(control.caption());
  bar->setFormat(words.isEmpty() ? QStringLiteral("%p%") : words.replace('%', "%%"));
  return true;
}

}  // namespace corvane
