#include "app/qt/form_view.h"

#include <QCloseEvent>
#include <QHash>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/qt/guarded_event.h"
#include "app/qt/qt_convert.h"
#include "model/form.h"
#include "model/workspace.h"

namespace corvane {

namespace {
QHash<const Form*, FormView*>& liveViews() {
  static QHash<const Form*, FormView*> views;
  return views;
}
}  // namespace

FormView::FormView(Form& form, QWidget* parent) : QWidget(parent), key_(&form) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  if (FormBinding::hasControlOfKind(form, ControlKind::MenuItem)) {
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    layout->setMenuBar(menuBar_);
  }
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  canvas_ = new QWidget;
  canvas_->setObjectName(toQString(form.name()));
  scroll_->setWidget(canvas_);
  layout->addWidget(scroll_);
  if (FormBinding::hasControlOfKind(form, ControlKind::StatusPanel)) {
    statusBar_ = new QStatusBar(this);
    layout->addWidget(statusBar_);
  }
  binding_ = std::make_unique<FormBinding>(form, BindingTargets{canvas_, menuBar_, statusBar_});
  binding_->window.title = [this](const QString& title) { setWindowTitle(title); };
  binding_->window.visibility = [this](bool visible) {
    if (onVisibility)
      onVisibility(visible);
    else
      setVisible(visible);
    if (visible) focusSoon();
  };
  // a new row may reach past the client area
  binding_->window.rowAdded = [this] {
    canvas_->resize(canvas_->size().expandedTo(binding_->contentSize()));
  };
  canvas_->resize(binding_->contentSize());
  setWindowTitle(binding_->title());
  liveViews().insert(key_, this);
}

FormView::~FormView() {
  liveViews().remove(key_);
  binding_.reset();  // before the widgets it points at go
}

FormView* FormView::find(const Form& form) {
  return liveViews().value(&form, nullptr);
}

QSize FormView::preferredSize() const {
  QSize size = canvas_->size();
  if (menuBar_) size.rheight() += menuBar_->sizeHint().height();
  if (statusBar_) size.rheight() += statusBar_->sizeHint().height();
  return size;
}

void FormView::detach() {
  liveViews().remove(key_);
  binding_->detach();
}

// The focus moves once the event that showed the form has ended, so that the
// field's got-focus reaction runs after it, as the user's own would; a window
// that is not yet active takes it when it becomes active.
void FormView::focusSoon() {
  QTimer::singleShot(0, this, [this] { focusIfInFront(); });
}

// A window behind the active one waits until it is brought to the front:
// taking the focus would bring it there and run its activation.
void FormView::focusIfInFront() {
  const Form* form = binding_->form();
  if (!form) return;
  focusPending_ = !isActiveWindow() || form->workspace().activeForm() != form;
  if (!focusPending_) binding_->focusFirstInput();
}

bool FormView::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && focusPending_)
    QTimer::singleShot(0, this, [this] { focusIfInFront(); });
  return QWidget::event(event);
}

// Closing a form's window hides the form: its design values stay, as they
// do when the form moves on to the next stage.
void FormView::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (Form* form = binding_->form()) runGuardedEvent(form->workspace(), [form] { form->hide(); });
}

}  // namespace corvane
