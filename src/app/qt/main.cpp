// corvane: the desktop program.
//   corvane                     the cover, then the main window
//   corvane --no-cover          the main window at once
//   corvane FILE                opens the file (FILE.CVN in the electrical
//                               form, DESIGN.cvd as the whole design); while
//                               a copy runs, hands it to that one
//   corvane --lang en|zh        English or Chinese for this run, whatever the
//                               user chose in the language menu (a script
//                               chooses with its own `language`)
//   corvane --script FILE       runs a script without any window (PDF printing
//                               works, unlike in corvane-script)
//   corvane --measure-startup   prints the milliseconds from the start of
//                               main to the main window's first show, then ends
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "app/qt/desktop_app.h"
#include "app/qt/fonts.h"
#include "app/qt/interface_language.h"
#include "app/qt/program_icon.h"
#include "app/qt/qt_host.h"
#include "app/qt/qt_print_surface.h"
#include "app/script/script_runner.h"
#include "model/print_surface.h"

namespace {

struct Options {
  bool noCover = false;
  bool measureStartup = false;
  const char* script = nullptr;
  const char* designFile = nullptr;  // the first argument that is not an option
  std::optional<corvane::Language> language;
  bool bad = false;
};

Options parseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--no-cover") == 0) {
      options.noCover = true;
    } else if (std::strcmp(arg, "--measure-startup") == 0) {
      options.measureStartup = true;
    } else if (std::strcmp(arg, "--script") == 0) {
      if (i + 1 >= argc)
        options.bad = true;
      else
        options.script = argv[++i];
    } else if (std::strcmp(arg, "--lang") == 0) {
      corvane::Language language;
      if (i + 1 >= argc || !corvane::languageFromCode(argv[++i], language))
        options.bad = true;
      else
        options.language = language;
    } else if (arg[0] == '-') {
      continue;  // Qt's own options (-platform, -style, ...)
    } else if (!options.designFile) {
      options.designFile = arg;
    }
  }
  return options;
}

int runScriptFile(const char* path) {
  std::ifstream script(path, std::ios::binary);
  if (!script) {
    std::cerr << "corvane: cannot read " << path << "\n";
    return 2;
  }
  corvane::InterfaceLanguage speech;
  speech.apply(corvane::Language::Chinese);
  corvane::ScriptEnvironment environment;
  environment.speak = [&speech](corvane::Language chosen) -> const corvane::Translator* {
    return speech.apply(chosen) ? &corvane::interfaceTranslator() : nullptr;
  };
  // a script speaks Chinese until its `language` says otherwise
  environment.pdfPrinter = [](const std::string& pdf) { return corvane::makePdfSurface(pdf); };
  return corvane::runScript(script, std::cout, environment);
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  Options options = parseOptions(argc, argv);
  if (options.bad) {
    std::cerr << "usage: corvane [--no-cover] [--lang en|zh] [--measure-startup] [--script FILE] "
                 "[FILE]\n";
    return 2;
  }
  // a script shows no window, so it needs no display
  if (options.script) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("corvane"));
  QGuiApplication::setDesktopFileName(QStringLiteral(CORVANE_APP_ID));
  corvane::installFontSubstitutions();
  QApplication::setFont(corvane::formFont());
  QApplication::setWindowIcon(corvane::programIcon());
  if (options.script) return runScriptFile(options.script);

  corvane::QtHost host;
  corvane::DesktopApp desktop(host);
  desktop.setLanguage(corvane::InterfaceLanguage::atStart(options.language, host.storedLanguage()),
                      false);
  if (options.measureStartup) {
    desktop.onMainWindowShown = [&clock] {
      std::printf("main window shown after %.1f ms\n", clock.nsecsElapsed() / 1e6);
      std::fflush(stdout);
      QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    };
  }
  if (options.designFile) desktop.openFileFromOutside(options.designFile);
  desktop.start(!options.noCover);
  if (host.quitRequested()) return 0;
  return QApplication::exec();
}
