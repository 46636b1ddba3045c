#include "app/qt/button_adapters.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/qt/field_hints.h"
#include "app/qt/qt_convert.h"

namespace corvane {

void ButtonAdapter::adoptButton(QAbstractButton* button) {
  button_ = button;
  QObject::connect(button, &QAbstractButton::clicked, context().owner, [this] {
    if (userClick()) showValue();
  });
  adopt(button);
}

void ButtonAdapter::showCaption() {
  QSignalBlocker block(button_);
  button_->setText(shownCaption());
}

void ButtonAdapter::placed() {
  if (button_) fitCaption(*button_);
}

void CheckBoxAdapter::create() {
  if (targets().canvas) adoptButton(new QCheckBox(targets().canvas));
}

void CheckBoxAdapter::showValue() {
  auto* box = static_cast<QCheckBox*>(button());
  const int value = control().value();
  QSignalBlocker block(box);
  box->setTristate(value == 2);
  box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void OptionButtonAdapter::create() {
  if (!targets().canvas) return;
  auto* option = new QRadioButton(targets().canvas);
  option->setAutoExclusive(false);
  adoptButton(option);
}

void OptionButtonAdapter::showValue() {
  QSignalBlocker block(button());
  button()->setChecked(control().value() != 0);
}

void CommandButtonAdapter::create() {
  if (!targets().canvas) return;
  auto* button = new QPushButton(targets().canvas);
  button->setAutoDefault(false);
  adoptButton(button);
}

}  // namespace corvane
