#include "app/qt/timer_adapter.h"

#include <QTimer>

#include "app/qt/qt_convert.h"
#include "model/form.h"

namespace corvane {

void TimerAdapter::create() {
  timer_ = new QTimer(context().owner);
  timer_->setTimerType(Qt::PreciseTimer);  // the seconds counter must not run fast or slow
  timer_->setObjectName(toQString(control().address()));
  QObject::connect(timer_, &QTimer::timeout, context().owner,
                   [this] { run([](Form& form, Control& timer) { form.tick(timer); }); });
}

void TimerAdapter::apply(Property property) {
  if (property == Property::Interval || property == Property::Enabled) showRunning();
}

void TimerAdapter::showRunning() {
  if (!timer_) return;
  const Control& c = control();
  if (!following_ || !c.enabled() || c.interval() <= 0) {
    timer_->stop();
    return;
  }
  if (timer_->isActive() && timer_->interval() == c.interval()) return;
  timer_->start(c.interval());
}

void TimerAdapter::forget() {
  following_ = false;
  if (timer_) timer_->stop();
}

void TimerAdapter::remove() {
  if (timer_) timer_->deleteLater();
}

}  // namespace corvane
