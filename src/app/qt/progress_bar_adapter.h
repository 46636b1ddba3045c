// The adapter of a ProgressBar control: a bar filled to the per cent its
// text holds, with its caption written over it.
#pragma once

#include "app/qt/control_adapter.h"

class QProgressBar;

namespace corvane {

class ProgressBarAdapter : public WidgetAdapter {
 public:
  using WidgetAdapter::WidgetAdapter;
  void create() override;

 protected:
  void showText() override;
  void showCaption() override;

 private:
  QPointer<QProgressBar> bar_;
};

}  // namespace corvane
