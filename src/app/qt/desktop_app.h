// The desktop program: the workspace holding every form, and a window for
// each form it creates — the main window for MDIForm1, the shaped cover for
// frmCover, and a child window of the main window for every other form. A
// closed form's window goes with it.
#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/workspace.h"

class QMdiSubWindow;

namespace corvane {

class FormView;
class MainWindow;
class QtHost;

class DesktopApp {
 public:
  explicit DesktopApp(QtHost& host);
  ~DesktopApp();
  DesktopApp(const DesktopApp&) = delete;
  DesktopApp& operator=(const DesktopApp&) = delete;

  Workspace& workspace() { return workspace_; }
  MainWindow* mainWindow() const { return main_.get(); }
  FormView* cover() const { return cover_.get(); }
  // The window of a design form, nullptr when it has none.
  FormView* view(const std::string& formName) const;

  // The cover first, or the main window at once. Once the main window is up,
  // a recovery copy left by an abnormal end is offered.
  void start(bool withCover);
  // Opens a file once the main window is up: a project file (*.cvd) as the
  // whole design, any other file as an electrical design file.
  void openDesignFileWhenShown(const std::string& path);
  // Opens a project file as the main window's "打开" does, after the
  // unsaved-changes question.
  void openProjectFile(const std::string& path);

  // The main window's first show (start-up measurement).
  std::function<void()> onMainWindowShown;

 private:
  void formCreated(Form& form);
  void formClosed(const std::string& name);
  void mainWindowShown();
  void openDesignFile(const std::string& path);
  void openElectricalFile(const std::string& path);

  QtHost& host_;
  Workspace workspace_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<FormView> cover_;
  std::map<std::string, QPointer<FormView>> children_;
  std::vector<std::unique_ptr<FormView>> orphans_;  // forms made before the main window
  std::string pendingDesignFile_;
  bool mainShown_ = false;
};

}  // namespace corvane
