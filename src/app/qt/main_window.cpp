#include "app/qt/main_window.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <algorithm>

#include "app/qt/form_view.h"
#include "app/qt/guarded_event.h"
#include "app/qt/qt_convert.h"
#include "model/form.h"
#include "model/workspace.h"

namespace corvane {

namespace {
// marks a child window that has had its first place
constexpr const char* kPlacedProperty = "corvanePlaced";
// the size the window takes to show its whole form, kept when it is added
constexpr const char* kWholeSizeProperty = "corvaneWholeSize";
// windows opened one after another step down this many times, then start over
constexpr int kCascadeSteps = 8;
}  // namespace

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
    runGuardedEvent(form->workspace(), [form] { form->workspace().activate(*form); });
  });
  setCentralWidget(mdi_);
  binding_ = std::make_unique<FormBinding>(form, BindingTargets{nullptr, menuBar(), statusBar()});
  binding_->window.title = [this](const QString& title) { setWindowTitle(title); };
  binding_->window.visibility = [this](bool visible) {
    if (!visible) {
      hide();
      return;
    }
    showFitted();
    raise();
  };
  setWindowTitle(binding_->title());
  resize(binding_->contentSize());
}

// The window opens at its design size in the middle of the screen's free
// area (without the panels); a screen too small for it gets it maximised, so
// that its status bar and the windows' close buttons stay on the screen.
void MainWindow::showFitted() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen || isVisible()) {
    show();
    return;
  }
  const QRect area = screen->availableGeometry();
  // room for the window manager's title bar and borders
  const QSize frame(16, 40);
  const QSize design = binding_->contentSize();
  if (design.width() + frame.width() > area.width() ||
      design.height() + frame.height() > area.height()) {
    setGeometry(area);
    showMaximized();
    keepFrameInside(area);
    return;
  }
  QRect placed({}, design);
  placed.moveCenter(area.center());
  setGeometry(placed);
  show();
  keepFrameInside(area);
}

// Where no window manager maximises the window, its own frame must not pass
// the edges of the free area either.
void MainWindow::keepFrameInside(const QRect& area) {
  if (area.contains(frameGeometry())) return;
  const QMargins frame(
      geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
      frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  QRect inner = geometry().intersected(area.marginsRemoved(frame));
  setGeometry(inner.isEmpty() ? area.marginsRemoved(frame) : inner);
}

void MainWindow::addLanguageMenu(std::function<void(Language)> choose) {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("语言 / Language"));
  menu->setObjectName(QStringLiteral("languageMenu"));
  auto* choices = new QActionGroup(menu);
  auto add = [&](const QString& name, Language language) {
    QAction* item = menu->addAction(name);
    item->setCheckable(true);
    item->setActionGroup(choices);
    item->setObjectName(QStringLiteral("language_") + QString::fromUtf8(languageCode(language)));
    connect(item, &QAction::triggered, this, [choose, language] { choose(language); });
    return item;
  };
  chinese_ = add(QStringLiteral("中文"), Language::Chinese);
  english_ = add(QStringLiteral("English"), Language::English);
}

void MainWindow::showLanguage(Language language) {
  if (chinese_) chinese_->setChecked(language == Language::Chinese);
  if (english_) english_->setChecked(language == Language::English);
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
  child->setProperty(kWholeSizeProperty, child->size());
  view->onVisibility = [this, child](bool visible) {
    if (!visible) {
      child->hide();
      return;
    }
    child->show();
    placeInside(child);
    child->raise();
    mdi_->setActiveSubWindow(child);
  };
  child->hide();
  if (view->form() && view->form()->visible()) view->onVisibility(true);
  return child;
}

// A window opened for the first time goes below and right of the last one
// opened (a cascade from the top left), unless the step would cut it; a
// window larger than the document area is shrunk to it, its form scrolling
// inside. A window already placed
// keeps its place unless part of it is outside the area.
void MainWindow::placeInside(QMdiSubWindow* child) {
  const QRect area = mdi_->viewport()->rect();
  if (area.isEmpty()) return;
  QRect placed = child->geometry();
  if (!child->property(kPlacedProperty).toBool()) {
    child->setProperty(kPlacedProperty, true);
    const int step = cascadeStep_++ % kCascadeSteps;
    const int offset = step * QFontMetrics(child->font()).height() * 3 / 2;
    placed.moveTopLeft(area.topLeft() + QPoint(offset, offset));
    // a window the cascade step would cut starts at the area's edge instead:
    // the free area is used before the form scrolls
    if (placed.width() > area.width() - offset) placed.moveLeft(area.left());
    if (placed.height() > area.height() - offset) placed.moveTop(area.top());
  } else if (area.contains(placed)) {
    return;
  }
  // fitted afresh from the whole form, so a window cut by a smaller area
  // grows back as the area grows
  const QSize whole = child->property(kWholeSizeProperty).toSize();
  placed.setSize(fittedSize(child, whole.isValid() ? whole : placed.size(), area.size()));
  placed.moveLeft(std::clamp(placed.left(), area.left(), area.right() - placed.width() + 1));
  placed.moveTop(std::clamp(placed.top(), area.top(), area.bottom() - placed.height() + 1));
  child->setGeometry(placed);
}

// A window cut in one direction scrolls its form in that direction; its scroll
// bar takes room the other direction gets from the free area, so that a form
// a little taller than the area shows one scroll bar, not two.
QSize MainWindow::fittedSize(const QMdiSubWindow* child, QSize size, const QSize& area) const {
  const QSize whole = child->property(kWholeSizeProperty).toSize();
  if (whole.isValid() && size.width() <= whole.width() && size.height() <= whole.height()) {
    const int bar = child->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    if (whole.height() > area.height() && size.width() >= whole.width())
      size.setWidth(whole.width() + bar);
    if (whole.width() > area.width() && size.height() >= whole.height())
      size.setHeight(whole.height() + bar);
  }
  return size.boundedTo(area);
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

// A press on the empty document area arranges the open windows in cascade;
// when the area shrinks, the windows move back inside it.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mdi_->viewport() && event->type() == QEvent::MouseButtonPress)
    mdi_->cascadeSubWindows();
  if (watched == mdi_->viewport() && event->type() == QEvent::Resize)
    for (QMdiSubWindow* child : mdi_->subWindowList())
      if (child->isVisible()) placeInside(child);
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace corvane
