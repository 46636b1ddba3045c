// Shared pieces of the Qt tests: one QApplication for the whole test binary
// (offscreen unless the environment says otherwise), and a Qt host whose
// message boxes are recorded instead of shown.
#pragma once

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "app/qt/qt_host.h"

namespace corvane::testing {

// Creates the application object on first use.
QApplication& qtApp();

class RecordingQtHost : public QtHost {
 public:
  explicit RecordingQtHost(const QString& lockFile) : QtHost(lockFile) {}
  void showMessage(const std::string& text, MessageIcon, const std::string&) override {
    messages.push_back(text);
  }
  bool askYesNo(const std::string&, const std::string&) override { return false; }
  std::vector<std::string> messages;
};

}  // namespace corvane::testing
