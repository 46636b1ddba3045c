// The adapters of the controls the user clicks: the check box, the option
// button and the command button.
#pragma once

#include <QAbstractButton>
#include <QPointer>

#include "app/qt/control_adapter.h"

namespace corvane {

// What the three share: a caption, and a click handed to the form.
class ButtonAdapter : public WidgetAdapter {
 public:
  using WidgetAdapter::WidgetAdapter;

 protected:
  // Takes the button made by create() and forwards its clicks; the widget
  // then shows what the model decided of its value.
  void adoptButton(QAbstractButton* button);
  void showCaption() override;
  void placed() override;
  QAbstractButton* button() const { return button_; }

 private:
  QPointer<QAbstractButton> button_;
};

// 0 unchecked, 1 checked, 2 greyed.
class CheckBoxAdapter : public ButtonAdapter {
 public:
  using ButtonAdapter::ButtonAdapter;
  void create() override;

 protected:
  void showValue() override;
};

// The form decides which option of a group is on, not the widget.
class OptionButtonAdapter : public ButtonAdapter {
 public:
  using ButtonAdapter::ButtonAdapter;
  void create() override;

 protected:
  void showValue() override;
};

// Enter on a focused button clicks it.
class CommandButtonAdapter : public ButtonAdapter {
 public:
  using ButtonAdapter::ButtonAdapter;
  void create() override;
  void enterPressed() override { userClick(); }

 protected:
  std::pair<QPalette::ColorRole, QPalette::ColorRole> colourRoles() const override {
    return {QPalette::ButtonText, QPalette::Button};
  }
};

}  // namespace corvane
