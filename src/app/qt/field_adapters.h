// The adapters of the fields that take a value: the text box, the
// drop-down list (editable or not), the list box and the slider.
#pragma once

#include <QLineEdit>
#include <QPointer>

#include "app/qt/control_adapter.h"

class QComboBox;
class QListWidget;
class QSlider;

namespace corvane {

// A field whose value the user types or picks: its colours are those of
// the text and of the field's base.
class ValueFieldAdapter : public WidgetAdapter {
 public:
  using WidgetAdapter::WidgetAdapter;

 protected:
  std::pair<QPalette::ColorRole, QPalette::ColorRole> colourRoles() const override {
    return {QPalette::Text, QPalette::Base};
  }
};

class TextBoxAdapter : public ValueFieldAdapter {
 public:
  using ValueFieldAdapter::ValueFieldAdapter;
  void create() override;
  QLineEdit* lineEdit() const override { return edit_; }
  bool takesTyping() const override { return true; }
  bool holdsName() const override;

 protected:
  void showText() override;
  void showLocked() override;
  void showHints() override;

 private:
  QPointer<QLineEdit> edit_;
};

class ComboBoxAdapter : public ValueFieldAdapter {
 public:
  using ValueFieldAdapter::ValueFieldAdapter;
  void create() override;
  QLineEdit* lineEdit() const override;
  bool takesTyping() const override { return true; }

 protected:
  void showText() override;
  void showItems() override;
  void showListIndex() override;
  void showHints() override;

 private:
  // an editable list's text goes back to its beginning unless it is typed in
  void showBeginning();
  // An item chosen shows as the item does, in the language shown; a text
  // typed shows as it is. What is typed goes back as the item it shows.
  QString shownText() const;
  std::string typedText(const QString& text) const;

  QPointer<QComboBox> combo_;
};

class ListBoxAdapter : public ValueFieldAdapter {
 public:
  using ValueFieldAdapter::ValueFieldAdapter;
  void create() override;

 protected:
  void showItems() override;
  void showListIndex() override;

 private:
  QPointer<QListWidget> list_;
};

// The slider's text holds its position, a whole number within its range.
class SliderAdapter : public WidgetAdapter {
 public:
  using WidgetAdapter::WidgetAdapter;
  void create() override;

 protected:
  void showText() override;

 private:
  QPointer<QSlider> slider_;
};

}  // namespace corvane
