#include "app/qt/desktop_app.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <cctype>
#include <filesystem>

#include "app/form_catalog.h"
#include "app/forms/cover_form.h"
#include "app/forms/main_window_form.h"
#include "app/qt/cover_window.h"
#include "app/qt/form_view.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_host.h"
#include "electrical/design_file.h"
#include "electrical/frmeledata.h"
#include "model/design_session.h"
#include "model/project_file.h"

namespace corvane {

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
  orphans_.clear();
  main_.reset();
}

FormView* DesktopApp::view(const std::string& formName) const {
  auto it = children_.find(formName);
  return it == children_.end() ? nullptr : it->second.data();
}

void DesktopApp::start(bool withCover) {
  startProgram(workspace_, withCover);
}

void DesktopApp::formCreated(Form& form) {
  if (form.name() == MainWindowForm::kName) {
    main_ = std::make_unique<MainWindow>(form);
    // the close button ends the program as "关闭" does, after the same question
    main_->onClose = [this] {
      bool ends = false;
      workspace_.runEvent([&] { ends = workspace_.session().endProgram(); });
      return ends;
    };
    main_->onFirstShow = [this] { mainWindowShown(); };
    return;
  }
  if (form.name() == CoverForm::kName) {
    cover_ = makeCoverWindow(form);
    return;
  }
  if (!main_) {
    orphans_.push_back(std::make_unique<FormView>(form));
    children_[form.name()] = orphans_.back().get();
    return;
  }
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
  auto it = children_.find(name);
  if (it == children_.end()) return;
  if (FormView* view = it->second) {
    view->detach();
    QWidget* window = view->parentWidget() ? view->parentWidget() : view;
    window->hide();
    for (auto orphan = orphans_.begin(); orphan != orphans_.end(); ++orphan)
      if (orphan->get() == view) {
        orphan->release();
        orphans_.erase(orphan);
        break;
      }
    window->deleteLater();
  }
  children_.erase(it);
}

void DesktopApp::mainWindowShown() {
  mainShown_ = true;
  // once the main window has painted: the recovery question (a dialog over
  // an empty screen would puzzle) and the file named on the command line
  QTimer::singleShot(0, main_.get(), [this] {
    workspace_.runEvent([this] { workspace_.session().offerRecovery(); });
    if (!pendingDesignFile_.empty()) openDesignFile(std::exchange(pendingDesignFile_, {}));
  });
  if (onMainWindowShown) onMainWindowShown();
}

void DesktopApp::openDesignFileWhenShown(const std::string& path) {
  if (mainShown_)
    openDesignFile(path);
  else
    pendingDesignFile_ = path;
}

void DesktopApp::openDesignFile(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == kProjectFileExtension)
    openProjectFile(path);
  else
    openElectricalFile(path);
}

void DesktopApp::openProjectFile(const std::string& path) {
  workspace_.runEvent([&] { workspace_.session().openFile(path); });
}

// A design file named on the command line opens in the electrical form, as
// that form's "打开" would open it, and the form is shown.
void DesktopApp::openElectricalFile(const std::string& path) {
  if (!workspace_.knowsForm(Frmeledata::kName)) return;
  workspace_.runEvent([&] {
    auto& electrical = workspace_.form<Frmeledata>(Frmeledata::kName);
    electrical.show();
    corvane::openDesignFile(electrical, path);
  });
}

}  // namespace corvane
