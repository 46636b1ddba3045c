#include "app/qt/field_adapters.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "app/qt/field_hints.h"
#include "app/qt/qt_convert.h"
#include "model/form.h"
#include "model/translator.h"
#include "model/value.h"

namespace corvane {

namespace {

// A line edit would undo its own text on Ctrl+Z and claim the key; the
// design's undo (the main window's "编辑" menu) takes back the whole step
// with its cascade, so the keys pass through to it.
class PassUndoKeys : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool undoKey = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                         key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
    if (!undoKey) return false;
    event->ignore();
    return true;
  }
};

void passUndoKeys(QLineEdit* edit) {
  if (edit) edit->installEventFilter(new PassUndoKeys(edit));
}

}  // namespace

// ---------------------------------------------------------------- text box

void TextBoxAdapter::create() {
  if (!targets().canvas) return;
  edit_ = new QLineEdit(targets().canvas);
  QObject::connect(edit_, &QLineEdit::textEdited, context().owner,
                   [this](const QString& text) { userSetText(text); });
  passUndoKeys(edit_);
  adopt(edit_);
}

bool TextBoxAdapter::holdsName() const {
  return control().content() == Control::Content::Text ||
         control().content() == Control::Content::Words;
}

void TextBoxAdapter::showText() {
  const bool words = control().content() == Control::Content::Words && context().translator;
  QString text =
      toQString(words ? translateComposed(*context().translator,
                                          wordsContext(context().textContext), control().text())
                      : control().text());
  QSignalBlocker block(edit_);
  if (edit_->text() == text) return;  // an equal text keeps the cursor
  edit_->setText(text);
  // a text too long for its field shows its beginning, not its end
  if (!edit_->hasFocus()) edit_->setCursorPosition(0);
}

void TextBoxAdapter::showLocked() {
  edit_->setReadOnly(control().locked());
}

void TextBoxAdapter::showHints() {
  showFieldHints(*edit_, control(), [this](const std::string& text) { return shown(text); });
}

// ---------------------------------------------------------------- drop-down list

void ComboBoxAdapter::create() {
  if (!targets().canvas) return;
  combo_ = new QComboBox(targets().canvas);
  combo_->setEditable(!control().listOnly());
  combo_->setInsertPolicy(QComboBox::NoInsert);
  QObject::connect(combo_, &QComboBox::activated, context().owner,
                   [this](int index) { userChoose(index); });
  if (QLineEdit* edit = combo_->lineEdit()) {
    QObject::connect(edit, &QLineEdit::textEdited, context().owner, [this](const QString& text) {
      run([typed = typedText(text)](Form& form, Control& list) { form.userSetText(list, typed); });
    });
    passUndoKeys(edit);
  }
  adopt(combo_);
}

QLineEdit* ComboBoxAdapter::lineEdit() const {
  return combo_ ? combo_->lineEdit() : nullptr;
}

void ComboBoxAdapter::showBeginning() {
  if (!combo_->hasFocus()) combo_->lineEdit()->setCursorPosition(0);
}

QString ComboBoxAdapter::shownText() const {
  const std::string& text = control().text();
  const std::vector<std::string>& items = control().items();
  if (std::find(items.begin(), items.end(), text) != items.end()) return shown(text);
  return toQString(text);
}

std::string ComboBoxAdapter::typedText(const QString& text) const {
  for (const std::string& item : control().items())
    if (shown(item) == text) return item;
  return toStd(text);
}

void ComboBoxAdapter::showText() {
  QString text = shownText();
  if (!combo_->isEditable() || combo_->currentText() == text) return;
  QSignalBlocker block(combo_);
  QSignalBlocker blockEdit(combo_->lineEdit());
  combo_->setEditText(text);
  showBeginning();
}

void ComboBoxAdapter::showItems() {
  {
    QSignalBlocker block(combo_);
    QSignalBlocker blockEdit(combo_->lineEdit());
    combo_->clear();
    combo_->addItems(shownItems());
  }
  showListIndex();
  showText();
  showHints();
}

void ComboBoxAdapter::showListIndex() {
  QSignalBlocker block(combo_);
  QSignalBlocker blockEdit(combo_->lineEdit());
  combo_->setCurrentIndex(control().listIndex());
  if (!combo_->isEditable()) return;
  combo_->setEditText(shownText());
  showBeginning();
}

void ComboBoxAdapter::showHints() {
  showListHints(*combo_, control(), [this](const std::string& text) { return shown(text); });
}

// ---------------------------------------------------------------- list box

void ListBoxAdapter::create() {
  if (!targets().canvas) return;
  list_ = new QListWidget(targets().canvas);
  QObject::connect(list_, &QListWidget::currentRowChanged, context().owner,
                   [this](int row) { userChoose(row); });
  adopt(list_);
}

void ListBoxAdapter::showItems() {
  {
    QSignalBlocker block(list_);
    list_->clear();
    list_->addItems(shownItems());
  }
  showListIndex();
  showHints();
}

void ListBoxAdapter::showListIndex() {
  QSignalBlocker block(list_);
  list_->setCurrentRow(control().listIndex());
}

// ---------------------------------------------------------------- slider

void SliderAdapter::create() {
  if (!targets().canvas) return;
  slider_ = new QSlider(Qt::Horizontal, targets().canvas);
  slider_->setRange(control().minimum(), control().maximum());
  QObject::connect(slider_, &QSlider::valueChanged, context().owner,
                   [this](int value) { userSetText(QString::number(value)); });
  adopt(slider_);
}

void SliderAdapter::showText() {
  // the text may hold any number; the handle stops at the ends of the range
  const Control& c = control();
  double position = std::clamp(Val(c.text()), double(c.minimum()), double(c.maximum()));
  QSignalBlocker block(slider_);
  slider_->setValue(static_cast<int>(position));
}

}  // namespace corvane
