// The desktop program: the workspace holding every form, and a window for
// each form it creates — the main window for MDIForm1, the shaped cover for
// frmCover, and a child window of the main window for every other form. A
// closed form's window goes with it. Files from outside the program (its
// command line, or a second copy's hand-over) open through one function.
#pragma once

#include <QPointer>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/interface_language.h"
#include "model/workspace.h"

class QMdiSubWindow;
class QString;
class QTimer;

namespace corvane {

class FileHandOffServer;
class FormView;
class HelpWindow;
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
  // The help window, once the help form exists.
  HelpWindow* helpWindow() const { return help_.get(); }
  // The window of a design form, nullptr when it has none.
  FormView* view(const std::string& formName) const;

  // The cover first, or the main window at once. The first copy takes the
  // single-instance lock and listens for files from later copies; a later
  // copy started with a file hands it to the first and quits, and one
  // without a file (or whose hand-over fails) is refused as before.
  void start(bool withCover);
  // Opens a file from outside the program by its kind: a design file in the
  // electrical form, a project file through the project open. Relative paths
  // are taken against the current folder; before the main window is up the
  // file waits for it.
  void openFileFromOutside(const std::string& path);
  // Opens a project file as the main window's "打开" does, after the
  // unsaved-changes question.
  void openProjectFile(const std::string& path);
  // Whether this copy listens for files handed over by later copies.
  bool takesHandedFiles() const;

  // The language every window, dialog and report speaks from now on: every
  // open window shows its texts again at once. With `remember` the choice
  // is kept in the user's settings for the next start. False when the
  // English texts cannot be had.
  bool setLanguage(Language language, bool remember);
  Language language() const { return language_.current(); }

  // The main window's first show (start-up measurement).
  std::function<void()> onMainWindowShown;

 private:
  void formCreated(Form& form);
  void formClosed(const std::string& name);
  void addChildWindow(Form& form);
  void mainWindowShown();
  void openDesignFile(const std::string& path);
  bool handPendingFilesToRunningCopy();
  void listenForHandedFiles();
  void receiveHandedFile(const QString& path);
  void openHandedFiles();
  void bringMainWindowToFront();

  void retranslateWindows();

  QtHost& host_;
  InterfaceLanguage language_;
  Workspace workspace_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<FormView> cover_;
  std::unique_ptr<HelpWindow> help_;
  // the child windows, owned by the main window's MDI area
  std::map<std::string, QPointer<FormView>> children_;
  std::vector<std::string> waitingForMainWindow_;  // forms made before the main window
  std::vector<std::string> pendingFiles_;          // waiting for the main window
  std::unique_ptr<FileHandOffServer> handOff_;
  std::deque<std::string> handedFiles_;  // waiting for a modal dialog to close
  std::unique_ptr<QTimer> handedFileTimer_;
  bool mainShown_ = false;
};

}  // namespace corvane
