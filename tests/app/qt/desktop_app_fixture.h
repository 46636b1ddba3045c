// A fixture for tests that start the whole desktop program: a fresh folder
// holds its lock, settings and data, and a recording host answers its
// questions. The program stops before the host goes.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <optional>

#include "app/qt/desktop_app.h"
#include "qt_test_support.h"

namespace corvane::testing {

class DesktopAppFixture : public ::testing::Test {
 protected:
  QString lockPath() const { return dir.filePath("corvane.lock"); }
  // Starts the program on `host`, with the cover first when `withCover`.
  DesktopApp& start(bool withCover) {
    app_.emplace(host);
    app_->start(withCover);
    return *app_;
  }

 private:
  QApplication& application_ = qtApp();  // before any host is made

 protected:
  QTemporaryDir dir;
  RecordingQtHost host{lockPath()};

 private:
  std::optional<DesktopApp> app_;
};

}  // namespace corvane::testing
