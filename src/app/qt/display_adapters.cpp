#include "app/qt/display_adapters.h"

#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStatusBar>

#include "app/qt/field_hints.h"
#include "app/qt/picture_widget.h"
#include "app/qt/qt_convert.h"
#include "model/form.h"
#include "model/picture.h"
#include "model/translator.h"

namespace corvane {

bool ClickTargetAdapter::mousePressed() {
  userClick();
  return true;
}

// ---------------------------------------------------------------- label

void LabelAdapter::create() {
  if (!targets().canvas) return;
  label_ = new QLabel(targets().canvas);
  label_->setTextFormat(Qt::PlainText);
  adopt(label_);
}

void LabelAdapter::placed() {
  placed_ = true;
  if (label_) fitCaption(*label_);
}

void LabelAdapter::showCaption() {
  QSignalBlocker block(label_);
  label_->setText(shownCaption());
  label_->setWordWrap(twipsToPixels(control().geometry().height) >=
                      2 * label_->fontMetrics().height());
  // a caption the form writes as the design changes ("槽厚 9mm")
  if (placed_) fitCaption(*label_);
}

// ---------------------------------------------------------------- frame

void FrameAdapter::create() {
  if (!targets().canvas) return;
  frame_ = new QGroupBox(targets().canvas);
  frame_->setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.6em; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
  adopt(frame_);
}

void FrameAdapter::showCaption() {
  QSignalBlocker block(frame_);
  frame_->setTitle(shownCaption());
}

// ---------------------------------------------------------------- picture

void PictureBoxAdapter::create() {
  if (!targets().canvas) return;
  picture_ = new PictureWidget(control().picture(), targets().canvas);
  changedId_ = control().picture().changed.connect([widget = picture_] {
    if (widget) widget->update();
  });
  adopt(picture_);
}

// the words are shown again whenever the language shown may have changed
void PictureBoxAdapter::showCaption() {
  if (control().content() != Control::Content::Words || !context().translator) return;
  const Translator* translator = context().translator;
  picture_->showTextsAs(
      [translator, words = wordsContext(context().textContext)](const std::string& text) {
        return translateComposed(*translator, words, text);
      });
}

void PictureBoxAdapter::forget() {
  if (changedId_) control().picture().changed.disconnect(changedId_);
  changedId_ = 0;
  if (picture_) picture_->forgetPicture();
}

// ---------------------------------------------------------------- status panel

void StatusPanelAdapter::create() {
  QStatusBar* bar = targets().statusBar;
  if (!bar) return;
  panel_ = new QLabel(bar);
  panel_->setTextFormat(Qt::PlainText);
  panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel_->setMinimumWidth(twipsToPixels(control().geometry().width));
  bar->addWidget(panel_);
  adopt(panel_);
}

void StatusPanelAdapter::showText() {
  QSignalBlocker block(panel_);
  panel_->setText(shown(control().text()));
}

}  // namespace corvane
