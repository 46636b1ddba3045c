// The widget of a ProgressBar control: a bar filled to the per cent its
// text holds, with its caption written over it.
#pragma once

class QWidget;

namespace corvane {

class Control;

QWidget* createProgressBar(QWidget* canvas);
// Brings the bar in step with the control's text and caption; false when
// the widget is no progress bar.
bool showProgress(QWidget* widget, const Control& control);

}  // namespace corvane
