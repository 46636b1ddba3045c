// The adapter of a timer: a Qt timer that runs while its control is
// enabled with an interval, and hands each tick to the form.
#pragma once

#include <QPointer>
#include <QTimer>

#include "app/qt/control_adapter.h"

namespace corvane {

class TimerAdapter : public ControlAdapter {
 public:
  using ControlAdapter::ControlAdapter;
  void create() override;
  void apply(Property property) override;
  void applyAll() override { showRunning(); }
  QTimer* timer() const override { return timer_; }
  void forget() override;
  void remove() override;

 private:
  void showRunning();

  QPointer<QTimer> timer_;
  bool following_ = true;
};

}  // namespace corvane
