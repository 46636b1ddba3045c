// Designs saved by the program before the project file stored only the
// design (format version 1: every control with its layout) still open, and
// every form shows exactly what it showed when the file was written. The
// files and the dumps beside them are in data/v1 (see its README).
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/script/script_runner.h"
#include "support/test_files.h"

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kFolder = fs::path(CORVANE_SOURCE_DIR) / "tests/app/project/data/v1";

// The forms a dump shows, in its order: "Frmcore.TxtB = …" names Frmcore.
std::vector<std::string> formsOf(const std::string& dump) {
  std::vector<std::string> forms;
  std::istringstream lines(dump);
  for (std::string line; std::getline(lines, line);) {
    const std::string form = line.substr(0, line.find('.'));
    if (forms.empty() || forms.back() != form) forms.push_back(form);
  }
  return forms;
}

// The control a dump line shows ("Frmcore.TxtB" of "Frmcore.TxtB = …"), or ""
// for a line that is no control's (a message).
std::string controlOf(const std::string& line) {
  const std::size_t equals = line.find(" = ");
  return equals == std::string::npos ? std::string() : line.substr(0, equals);
}

// The lines of a reopened design's dump that the file's dump can speak for:
// a control the program gained after the file was written (a new button)
// shows its design-time state, which no version-1 file holds.
std::string linesOfControlsIn(const std::string& dump, const std::string& stored) {
  std::set<std::string> known;
  std::istringstream storedLines(stored);
  for (std::string line; std::getline(storedLines, line);) known.insert(controlOf(line));
  std::string kept;
  std::istringstream lines(dump);
  for (std::string line; std::getline(lines, line);) {
    const std::string control = controlOf(line);
    if (control.empty() || known.count(control) != 0) kept += line + "\n";
  }
  return kept;
}

class VersionOneFile : public ::testing::TestWithParam<std::string> {};

TEST_P(VersionOneFile, ReopensToTheDumpOfTheDesignThatWroteIt) {
  const fs::path file = kFolder / (GetParam() + ".cvd");
  const std::string expected = fileContents(kFolder / (GetParam() + ".dump"));
  ASSERT_FALSE(expected.empty());
  ASSERT_NE(fileContents(file).find("\"version\": 1,"), std::string::npos);

  // the open goes through the main window, as a user's would; every message
  // box would show in the output
  std::string script = "file " + file.string() + "\nclick MDIForm1.OPEN\nmessages\n";
  for (const std::string& form : formsOf(expected)) script += "dump " + form + "\n";
  std::istringstream in(script);
  std::ostringstream out;
  EXPECT_EQ(runScript(in, out), 0);
  EXPECT_EQ(linesOfControlsIn(out.str(), expected), expected);
}

std::vector<std::string> versionOneFiles() {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(kFolder))
    if (entry.path().extension() == ".cvd") names.insert(entry.path().stem().string());
  return {names.begin(), names.end()};
}

INSTANTIATE_TEST_SUITE_P(Written, VersionOneFile, ::testing::ValuesIn(versionOneFiles()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace corvane::testing
