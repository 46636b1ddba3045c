// The adapters of the controls that show rather than take a value: the
// label, the frame, the picture box (each a click target) and the status
// panel.
#pragma once

#include <QPointer>

#include "app/qt/control_adapter.h"

class QGroupBox;
class QLabel;

namespace corvane {

class PictureWidget;

// A control a left press of the mouse clicks.
class ClickTargetAdapter : public WidgetAdapter {
 public:
  using WidgetAdapter::WidgetAdapter;
  bool mousePressed() override;
};

// A caption; one of two lines or more wraps.
class LabelAdapter : public ClickTargetAdapter {
 public:
  using ClickTargetAdapter::ClickTargetAdapter;
  void create() override;
  // the room its neighbours leave is known once every widget is placed
  void placed() override;

 protected:
  void showCaption() override;

 private:
  QPointer<QLabel> label_;
  bool placed_ = false;  // a caption written afterwards is fitted at once
};

// The caption sits on the frame's top line, so the rows placed just below
// it stay inside the frame.
class FrameAdapter : public ClickTargetAdapter {
 public:
  using ClickTargetAdapter::ClickTargetAdapter;
  void create() override;

 protected:
  void showCaption() override;

 private:
  QPointer<QGroupBox> frame_;
};

// Paints the control's display list again whenever it changes; a picture
// that holds the program's words paints them in the language shown.
class PictureBoxAdapter : public ClickTargetAdapter {
 public:
  using ClickTargetAdapter::ClickTargetAdapter;
  void create() override;
  void forget() override;

 protected:
  void showCaption() override;

 private:
  QPointer<PictureWidget> picture_;
  int changedId_ = 0;
};

// One panel of the window's status bar, as wide as the control at least;
// the bar lays it out.
class StatusPanelAdapter : public WidgetAdapter {
 public:
  using WidgetAdapter::WidgetAdapter;
  void create() override;
  bool sitsInContainer() const override { return false; }

 protected:
  void showText() override;
  void showGeometry() override {}

 private:
  QPointer<QLabel> panel_;
};

}  // namespace corvane
