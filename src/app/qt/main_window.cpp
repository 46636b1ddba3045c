#include "app/qt/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>

#include "app/qt/form_view.h"
#include "app/qt/qt_convert.h"
#include "model/form.h"
#include "model/workspace.h"

namespace corvane {

MainWindow::MainWindow(Form& form, QWidget* parent) : QMainWindow(parent) {
  setObjectName(toQString(form.name()));
  menuBar()->setNativeMenuBar(false);
  mdi_ = new QMdiArea(this);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->viewport()->installEventFilter(this);
  // a window the user brings to the front becomes the model's active form
  connect(mdi_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* child) {
    auto* view = child ? dynamic_cast<FormView*>(child->widget()) : nullptr;
    if (!view || !view->form()) return;
    Form* form = view->form();
    form->workspace().runEvent([form] { form->workspace().activate(*form); });
  });
  setCentralWidget(mdi_);
  binding_ = std::make_unique<FormBinding>(form, BindingTargets{nullptr, menuBar(), statusBar()});
  binding_->onFormEvent = [this](const FormEvent& event) { formEvent(event); };
  setWindowTitle(toQString(form.caption()));

  QSize size = binding_->contentSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableSize());
  resize(size);
}

MainWindow::~MainWindow() {
  binding_.reset();
}

void MainWindow::detach() {
  binding_->detach();
}

QMdiSubWindow* MainWindow::addChild(FormView* view) {
  QMdiSubWindow* child = mdi_->addSubWindow(view);
  child->setAttribute(Qt::WA_DeleteOnClose, false);
  child->setWindowTitle(view->windowTitle());
  child->adjustSize();
  view->onVisibility = [this, child](bool visible) {
    if (!visible) {
      child->hide();
      return;
    }
    child->show();
    child->raise();
    mdi_->setActiveSubWindow(child);
  };
  child->hide();
  if (view->form() && view->form()->visible()) view->onVisibility(true);
  return child;
}

void MainWindow::formEvent(const FormEvent& event) {
  Form* form = binding_->form();
  if (!form) return;
  switch (event.kind) {
    case FormEventKind::Caption:
      setWindowTitle(toQString(form->caption()));
      break;
    case FormEventKind::Shown:
      show();
      break;
    case FormEventKind::Hidden:
      hide();
      break;
    default:
      break;
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->setAccepted(!onClose || onClose());
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  if (onFirstShow) onFirstShow();
}

// A press on the empty document area arranges the open windows in cascade.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mdi_->viewport() && event->type() == QEvent::MouseButtonPress)
    mdi_->cascadeSubWindows();
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace corvane
