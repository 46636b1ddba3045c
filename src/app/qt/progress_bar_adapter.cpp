#include "app/qt/progress_bar_adapter.h"

#include <QProgressBar>
#include <QSignalBlocker>
#include <algorithm>

#include "app/qt/qt_convert.h"
#include "model/control.h"
#include "model/value.h"

namespace corvane {

void ProgressBarAdapter::create() {
  if (!targets().canvas) return;
  bar_ = new QProgressBar(targets().canvas);
  bar_->setRange(0, 100);
  bar_->setTextVisible(true);
  bar_->setAlignment(Qt::AlignCenter);
  adopt(bar_);
}

void ProgressBarAdapter::showText() {
  if (!bar_) return;
  QSignalBlocker block(bar_);
  bar_->setValue(static_cast<int>(std::clamp(Val(control().text()), 0.0, 100.0)));
}

void ProgressBarAdapter::showCaption() {
  if (!bar_) return;
  // a per cent sign in the caption is no placeholder
  QString words = shownCaption();
  bar_->setFormat(words.isEmpty() ? QStringLiteral("%p%") : words.replace('%', "%%"));
}

}  // namespace corvane
