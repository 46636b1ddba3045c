#include "app/script/script_runner.h"

#include <istream>
#include <ostream>
#include <string>

#include "app/form_catalog.h"
#include "app/script/script_driver.h"
#include "app/script/scripted_host.h"
#include "model/print_surface.h"
#include "model/workspace.h"

namespace corvane {

int runScript(std::istream& script, std::ostream& out, const ScriptEnvironment& environment) {
  ScriptedHost host;
  host.setPdfFactory(environment.pdfPrinter);
  if (environment.diagnostics)
    host.setNote(
        [&environment](const std::string& line) { *environment.diagnostics << line << "\n"; });
  Workspace workspace(host);
  registerAllForms(workspace, environment.catalogues);
  if (environment.extraForms) environment.extraForms(workspace);

  ScriptDriver driver(workspace, host, out, environment);
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    ++number;
    // a script written on Windows ends its lines with CR LF
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!driver.runLine(line, number)) break;
  }
  out.flush();
  if (environment.diagnostics) {
    std::ostream& log = *environment.diagnostics;
    if (host.unusedAnswers() > 0)
      log << host.unusedAnswers() << " queued answer(s) were never asked for\n";
    log << driver.checks() << " check(s), " << driver.failedChecks() << " failed\n";
  }
  return driver.exitStatus();
}

}  // namespace corvane
