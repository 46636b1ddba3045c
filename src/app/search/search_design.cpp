#include "app/search/search_design.h"

#include <filesystem>
#include <sstream>

#include "app/form_catalog.h"
#include "app/script/script_driver.h"
#include "app/script/scripted_host.h"
#include "electrical/design_file.h"
#include "model/ascii.h"
#include "model/file_access.h"
#include "model/project_file.h"
#include "model/project_state.h"
#include "model/workspace.h"

namespace corvane {

namespace {

// A project file is JSON; the name may say otherwise.
bool isProject(const std::string& path, const std::string& bytes) {
  const std::string extension = std::filesystem::path(path).extension().string();
  if (ascii::equalIgnoringCase(extension, kProjectFileExtension)) return true;
  const size_t first = bytes.find_first_not_of(" \t\r\n");
  return first != std::string::npos && bytes[first] == '{';
}

std::string dateLine(const CalendarDate& date) {
  char text[32];
  std::snprintf(text, sizeof text, "today %04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

}  // namespace

Outcome<OpenedDesign> openSearchDesign(const std::string& path) {
  const std::string cannot = "cannot read " + path + ": ";
  Outcome<std::string> bytes = files::readWhole(path, kLargestProjectFile, "the file is too large");
  if (!bytes) return Failure{cannot + bytes.reason()};
  const bool project = isProject(path, bytes.value());
  if (project) {
    if (Outcome<ProjectRecord> record = parseProjectFile(bytes.value()); !record)
      return Failure{cannot + record.reason()};
  } else if (Outcome<DesignRecordFile> design = parseDesignFile(bytes.value()); !design) {
    return Failure{cannot + design.reason()};
  }

  std::error_code failed;
  std::string absolute = std::filesystem::absolute(path, failed).lexically_normal().string();
  if (failed) absolute = path;
  OpenedDesign opened;
  ScriptedHost host;
  opened.opening.push_back(dateLine(host.today()));
  if (project) {
    opened.opening.push_back("file " + absolute);
    opened.opening.push_back("click MDIForm1.OPEN");
  } else {
    opened.opening.push_back("click MDIForm1.NEW");
    opened.opening.push_back("file " + absolute);
    opened.opening.push_back("click Frmeledata.OPEN");
  }

  Workspace workspace(host);
  registerAllForms(workspace);
  ScriptEnvironment environment;
  std::ostringstream out;
  ScriptDriver driver(workspace, host, out, environment);
  int number = 0;
  for (const std::string& line : opened.opening)
    if (!driver.runLine(line, ++number)) return Failure{cannot + out.str()};
  // an open that failed said why in a message, and left the program as it was
  if (!host.messages().empty()) return Failure{cannot + host.messages().front().text};
  Outcome<search::SearchBase> base = search::captureBase(workspace);
  if (!base) return Failure{path + ": " + base.reason()};
  opened.base = std::move(base.value());
  return opened;
}

}  // namespace corvane
