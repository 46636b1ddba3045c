#include "app/qt/desktop_app.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "app/form_catalog.h"
#include "app/forms/cover_form.h"
#include "app/forms/help_form.h"
#include "app/forms/main_window_form.h"
#include "app/forms/product.h"
#include "app/qt/cover_window.h"
#include "app/qt/file_hand_off.h"
#include "app/qt/form_view.h"
#include "app/qt/guarded_event.h"
#include "app/qt/help_window.h"
#include "app/qt/main_window.h"
#include "app/qt/outside_file.h"
#include "app/qt/qt_host.h"
#include "electrical/design_file.h"
#include "electrical/frmeledata.h"
#include "model/design_session.h"
#include "model/project_file.h"

namespace corvane {

namespace {

// how often a handed-over file looks again whether the modal dialog that
// holds it back has closed
constexpr int kModalRetryMs = 250;

}  // namespace

DesktopApp::DesktopApp(QtHost& host) : host_(host), workspace_(host) {
  registerAllForms(workspace_);
  workspace_.formCreated.connect([this](Form& form) { formCreated(form); });
  workspace_.formClosed.connect([this](const std::string& name) { formClosed(name); });
}

DesktopApp::~DesktopApp() {
  // the windows go first: they unsubscribe from forms that still exist
  for (auto& entry : children_)
    if (entry.second) entry.second->detach();
  cover_.reset();
  help_.reset();
  main_.reset();
}

bool DesktopApp::takesHandedFiles() const {
  return handOff_ && handOff_->isListening();
}

FormView* DesktopApp::view(const std::string& formName) const {
  auto it = children_.find(formName);
  return it == children_.end() ? nullptr : it->second.data();
}

void DesktopApp::start(bool withCover) {
  if (!host_.anotherInstanceRunning()) {
    listenForHandedFiles();
  } else if (!pendingFiles_.empty() && handPendingFilesToRunningCopy()) {
    host_.quit();
    return;
  }
  // a copy refused here learns it in the main window's load step
  runGuarded(host_, product::kTitle, [&] { startProgram(workspace_, withCover); });
}

bool DesktopApp::handPendingFilesToRunningCopy() {
  for (const std::string& path : pendingFiles_)
    if (!handFileToRunningCopy(host_.handOffServerName(), QString::fromStdString(path)))
      return false;
  pendingFiles_.clear();
  return true;
}

void DesktopApp::listenForHandedFiles() {
  handedFileTimer_ = std::make_unique<QTimer>();
  handedFileTimer_->setSingleShot(true);
  QObject::connect(handedFileTimer_.get(), &QTimer::timeout, [this] { openHandedFiles(); });
  handOff_ =
      std::make_unique<FileHandOffServer>([this](const QString& path) { receiveHandedFile(path); });
  // without the socket the program runs on; later copies are then refused
  handOff_->listen(host_.handOffServerName());
}

void DesktopApp::receiveHandedFile(const QString& path) {
  handedFiles_.push_back(path.toStdString());
  handedFileTimer_->start(0);
}

// The request arrives from the event loop, which may be the loop of a modal
// dialog inside a form's event; the file waits until that event has ended.
void DesktopApp::openHandedFiles() {
  if (QApplication::activeModalWidget()) {
    handedFileTimer_->start(kModalRetryMs);
    return;
  }
  bringMainWindowToFront();
  while (!handedFiles_.empty()) {
    std::string path = std::move(handedFiles_.front());
    handedFiles_.pop_front();
    openFileFromOutside(path);
  }
}

void DesktopApp::bringMainWindowToFront() {
  if (!main_ || !mainShown_) return;
  main_->setWindowState((main_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  main_->show();
  main_->raise();
  main_->activateWindow();
}

bool DesktopApp::setLanguage(Language language, bool remember) {
  if (!language_.apply(language)) return false;
  if (remember) host_.storeLanguage(language);
  retranslateWindows();
  return true;
}

void DesktopApp::retranslateWindows() {
  if (main_) {
    main_->binding().retranslate();
    main_->showLanguage(language_.current());
  }
  if (cover_) cover_->binding().retranslate();
  if (help_) help_->retranslate(language_.current());
  for (auto& entry : children_)
    if (entry.second) entry.second->binding().retranslate();
}

void DesktopApp::formCreated(Form& form) {
  if (form.name() == MainWindowForm::kName) {
    main_ = std::make_unique<MainWindow>(form);
    main_->addLanguageMenu([this](Language language) { setLanguage(language, true); });
    main_->showLanguage(language_.current());
    // the close button ends the program as "关闭" does, after the same question
    main_->onClose = [this] {
      bool ends = false;
      runGuardedEvent(workspace_, [&] { ends = workspace_.session().endProgram(); });
      return ends;
    };
    main_->onFirstShow = [this] { mainWindowShown(); };
    for (const std::string& name : std::exchange(waitingForMainWindow_, {}))
      if (Form* waiting = workspace_.existing(name)) addChildWindow(*waiting);
    return;
  }
  if (form.name() == CoverForm::kName) {
    cover_ = makeCoverWindow(form);
    return;
  }
  // the manual reads beside the forms, in a window of its own
  if (form.name() == HelpForm::kName) {
    help_ = std::make_unique<HelpWindow>(form, language_.current());
    return;
  }
  // every view is a child window of the main window, owned by it; a form
  // made before the main window gets its window when the main window comes
  if (!main_) {
    waitingForMainWindow_.push_back(form.name());
    return;
  }
  addChildWindow(form);
}

void DesktopApp::addChildWindow(Form& form) {
  auto* view = new FormView(form);
  main_->addChild(view);
  children_[form.name()] = view;
}

void DesktopApp::formClosed(const std::string& name) {
  // the close may come from inside one of the window's own events
  if (name == CoverForm::kName && cover_) {
    cover_->detach();
    cover_->hide();
    cover_.release()->deleteLater();
    return;
  }
  if (name == HelpForm::kName && help_) {
    help_->detach();
    help_->hide();
    help_.release()->deleteLater();
    return;
  }
  std::erase(waitingForMainWindow_, name);
  auto it = children_.find(name);
  if (it == children_.end()) return;
  if (FormView* view = it->second) {
    view->detach();
    QWidget* window = view->parentWidget() ? view->parentWidget() : view;
    window->hide();
    window->deleteLater();
  }
  children_.erase(it);
}

void DesktopApp::mainWindowShown() {
  mainShown_ = true;
  // once the main window has painted: the recovery question (a dialog over
  // an empty screen would puzzle), then the files named on the command line
  QTimer::singleShot(0, main_.get(), [this] {
    runGuardedEvent(workspace_, [this] { workspace_.session().offerRecovery(); });
    for (const std::string& path : std::exchange(pendingFiles_, {})) openFileFromOutside(path);
  });
  if (onMainWindowShown) onMainWindowShown();
}

void DesktopApp::openFileFromOutside(const std::string& path) {
  std::string absolute = absoluteFilePath(path);
  if (!mainShown_) {
    pendingFiles_.push_back(absolute);
    return;
  }
  switch (outsideFileKind(absolute)) {
    case OutsideFileKind::ElectricalDesign:
      openDesignFile(absolute);
      return;
    case OutsideFileKind::DesignProject:
      openProjectFile(absolute);
      return;
  }
}

// A design file from outside opens in the electrical form, as that form's
// "打开" would open it, and the form is shown.
void DesktopApp::openDesignFile(const std::string& path) {
  if (!workspace_.knowsForm(Frmeledata::kName)) return;
  runGuardedEvent(workspace_, [&] {
    // the file replaces the electrical design: unsaved changes are offered a save first
    if (!workspace_.session().settleUnsavedChanges()) return;
    auto& electrical = workspace_.form<Frmeledata>(Frmeledata::kName);
    electrical.show();
    corvane::openDesignFile(electrical, path);
  });
}

// A project file from outside replaces the whole design, after the
// unsaved-changes question, as the main window's "打开" does.
void DesktopApp::openProjectFile(const std::string& path) {
  runGuardedEvent(workspace_, [&] { workspace_.session().openFile(path); });
}

}  // namespace corvane
