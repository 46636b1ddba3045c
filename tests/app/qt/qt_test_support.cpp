#include "qt_test_support.h"

#include <cstdlib>

#include "app/qt/fonts.h"

namespace corvane::testing {

QApplication& qtApp() {
  static int argc = 1;
  static char name[] = "corvane-qt-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    auto* created = new QApplication(argc, argv);
    installFontSubstitutions();
    QApplication::setFont(formFont());
    return created;
  }();
  return *app;
}

}  // namespace corvane::testing
