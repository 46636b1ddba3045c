// Shared pieces of the Qt tests: one QApplication for the whole test binary
// (offscreen unless the environment says otherwise), and a Qt host whose
// message boxes are recorded instead of shown, whose questions and file
// choosers take queued answers (none: No, cancel) and whose settings and
// program data live beside its lock file.
#pragma once

#include <QApplication>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "app/qt/qt_host.h"
#include "support/queued_answers.h"

namespace corvane::testing {

// Creates the application object on first use.
QApplication& qtApp();
// After a test that asked the program to quit: dialogs run their loop again.
void clearQuitRequest();

class RecordingQtHost : public QueuedDialogs<QtHost> {
 public:
  explicit RecordingQtHost(const QString& lockFile) : QueuedDialogs<QtHost>(lockFile) {
    const QString folder = QFileInfo(lockFile).absolutePath();
    setSettingsFile(folder + "/settings.ini");
    setDataFolder(folder + "/data");
  }
  void showMessage(const std::string& text, MessageIcon, const std::string&) override {
    messages.push_back(text);
  }

  std::vector<std::string> messages;
};

}  // namespace corvane::testing
