#include "qt_test_support.h"

#include <QTimer>
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

// A quit leaves the thread's "quit now" mark, which ends every event loop
// started later at once (a dialog's among them) until the application's own
// loop starts again; one short run of that loop clears it.
void clearQuitRequest() {
  QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
}

}  // namespace corvane::testing
