// corvane_bom_script: the desktop program's script mode and window with the
// winding-structure form, the core and the bobbin stood in by the test
// stand-ins, until the real structure form exists.
//   corvane_bom_script --script FILE   runs the script offscreen, PDFs real
//   corvane_bom_script --show FORM     the main window with FORM opened on
//                                      the typical design (for screenshots)
#include <QApplication>
#include <QTimer>
#include <cstring>
#include <fstream>
#include <iostream>

#include "app/qt/desktop_app.h"
#include "app/qt/fonts.h"
#include "app/qt/qt_host.h"
#include "app/qt/qt_print_surface.h"
#include "app/script/script_runner.h"
#include "model/print_surface.h"
#include "support/design_stand_ins.h"

namespace {

int runScriptFile(const char* path) {
  std::ifstream script(path, std::ios::binary);
  if (!script) {
    std::cerr << "corvane_bom_script: cannot read " << path << "\n";
    return 2;
  }
  corvane::ScriptEnvironment environment;
  environment.pdfPrinter = [](const std::string& pdf) { return corvane::makePdfSurface(pdf); };
  environment.extraForms = [](corvane::Workspace& ws) {
    corvane::testing::registerDesignStandIns(ws);
  };
  return corvane::runScript(script, std::cout, environment);
}

int showForm(const char* name) {
  corvane::QtHost host;
  corvane::DesktopApp desktop(host);
  corvane::testing::registerDesignStandIns(desktop.workspace());
  desktop.start(false);
  corvane::Workspace& ws = desktop.workspace();
  corvane::Form& electrical = ws.form("Frmeledata");
  electrical.userSetText(electrical.control("txtudc", 0), "12");
  electrical.userSetText(electrical.control("txtidc", 0), "2");
  ws.runEvent([&] { ws.form(name).show(); });
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  const char* script = nullptr;
  const char* form = nullptr;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--script") == 0) script = argv[i + 1];
    if (std::strcmp(argv[i], "--show") == 0) form = argv[i + 1];
  }
  if (!script && !form) {
    std::cerr << "usage: corvane_bom_script --script FILE | --show FORM\n";
    return 2;
  }
  if (script) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  corvane::installFontSubstitutions();
  QApplication::setFont(corvane::formFont());
  return script ? runScriptFile(script) : showForm(form);
}
