#include "app/qt/field_hints.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/qt/qt_convert.h"
#include "model/control.h"
#include "model/empty_field_reason.h"
#include "model/field_reading.h"

namespace corvane {

namespace {

// room the frame and the text margins of a line edit take, in pixels
constexpr int kEditPadding = 8;
// room the arrow and the frame of a drop-down's list take beside its items
constexpr int kListPadding = 32;
constexpr const char* kWarningFrame = "QLineEdit { border: 2px solid #d00000; }";

// Shrinks the widget's face in half points until `text` fits `room` pixels.
void shrinkToFit(QWidget& widget, const QString& text, int room);

QString joined(const QString& first, const QString& second) {
  if (first.isEmpty()) return second;
  if (second.isEmpty()) return first;
  return first + QLatin1Char('\n') + second;
}

}  // namespace

void showFieldHints(QLineEdit& edit, const Control& control, const ShownText& shown) {
  const QString tip = shown(control.toolTip());
  const QString text = edit.text();
  // only what the user typed is marked: a value the program wrote is its own
  const bool typed = control.enabled() && !control.locked() && control.typedByUser();
  const bool cut = edit.fontMetrics().horizontalAdvance(text) > edit.width() - kEditPadding;
  const QString note = typed ? shown(readingNote(control)) : QString();
  QString hint = tip;
  const std::string emptyReason = emptyFieldReasonOf(control);
  if (!emptyReason.empty())
    hint = joined(tip, shown(emptyReason));
  else if (!note.isEmpty())
    hint = joined(QStringLiteral("“") + text + QStringLiteral("”") + note, tip);
  else if (cut)
    hint = joined(text, tip);
  if (edit.toolTip() != hint) edit.setToolTip(hint);
  // a number longer than its field may hide a wrong digit; a name or a
  // description longer than its field is nothing to warn of, its tip shows it
  const bool number =
      control.content() != Control::Content::Text && control.content() != Control::Content::Words;
  const bool warn = !note.isEmpty() || (typed && cut && number);
  const QString frame = warn ? QString::fromUtf8(kWarningFrame) : QString();
  if (edit.styleSheet() != frame) edit.setStyleSheet(frame);
}

void showListHints(QComboBox& combo, const Control& control, const ShownText& shown) {
  int widest = 0;
  for (int i = 0; i < combo.count(); ++i)
    widest = std::max(widest, combo.fontMetrics().horizontalAdvance(combo.itemText(i)));
  combo.view()->setMinimumWidth(std::max(widest + kListPadding, combo.width()));
  const QString text = combo.currentText();
  // an item longer than the list's field (an English one) shrinks a little first
  if (!text.isEmpty()) shrinkToFit(combo, text, combo.width() - kListPadding);
  const bool cut = combo.fontMetrics().horizontalAdvance(text) > combo.width() - kListPadding;
  const QString tip = shown(control.toolTip());
  const QString hint = cut ? joined(text, tip) : tip;
  if (combo.toolTip() != hint) combo.setToolTip(hint);
}

namespace {

// The face the layout gave the widget, kept the first time a caption is fitted.
constexpr const char* kDesignFontProperty = "corvaneDesignFont";
// how far a caption's face may shrink to fit its box
constexpr double kSmallestFontShare = 0.75;

void shrinkToFit(QWidget& widget, const QString& text, int room) {
  const QVariant kept = widget.property(kDesignFontProperty);
  if (kept.isValid())
    widget.setFont(kept.value<QFont>());
  else
    widget.setProperty(kDesignFontProperty, widget.font());
  QFont font = widget.font();
  const double smallest = font.pointSizeF() * kSmallestFontShare;
  while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() - 0.5 >= smallest)
    font.setPointSizeF(font.pointSizeF() - 0.5);
  if (font != widget.font()) widget.setFont(font);
}

}  // namespace

void fitCaption(QAbstractButton& button) {
  const QString text = button.text().remove(QLatin1Char('&'));
  if (text.isEmpty()) return;
  // the box or circle of a check box or option, or a push button's margins
  const int decoration = qobject_cast<QPushButton*>(&button) ? kEditPadding : 2 * kEditPadding + 8;
  const int room = button.width() - decoration;
  shrinkToFit(button, text, room);
  const bool cut = button.fontMetrics().horizontalAdvance(text) > room;
  if (cut && button.toolTip().isEmpty()) button.setToolTip(text);
}

void fitCaption(QLabel& label) {
  if (label.text().isEmpty()) return;
  if (label.property(kDesignFontProperty).isValid())
    label.setFont(label.property(kDesignFontProperty).value<QFont>());
  if (label.wordWrap()) return;
  const int needed = label.fontMetrics().horizontalAdvance(label.text()) + 2;
  if (needed <= label.width()) return;
  // the room to the right up to the nearest widget beside it, or the edge
  QWidget* parent = label.parentWidget();
  int limit = parent ? parent->width() : label.x() + needed;
  if (parent)
    for (QObject* object : parent->children()) {
      auto* other = qobject_cast<QWidget*>(object);
      if (!other || other == &label || other->isHidden()) continue;
      const QRect r = other->geometry();
      const bool beside = r.top() < label.geometry().bottom() && r.bottom() > label.y();
      if (beside && r.left() > label.x()) limit = std::min(limit, r.left() - 2);
    }
  const int width = std::max(label.width(), std::min(needed, limit - label.x()));
  label.resize(width, label.height());
  if (needed > width) shrinkToFit(label, label.text(), width - 2);
  const bool cut = label.fontMetrics().horizontalAdvance(label.text()) + 2 > width;
  if (cut && label.toolTip().isEmpty()) label.setToolTip(label.text());
}

}  // namespace corvane
