// corvane-texts: the list of the program's Chinese texts that the English
// interface translates, made by walking every form and by running scripts
// that reach the messages and the reports.
//   corvane-texts [SCRIPT...]              prints "context<TAB>text" lines
//   corvane-texts --check TS [SCRIPT...]   one line per text TS lacks a
//                                          finished translation of; exit 1
//                                          when there is one
//   corvane-texts --update TS [SCRIPT...]  adds those texts to TS, unfinished
// Each script runs on a fresh design, as corvane-script runs it; its files
// are read and written relative to the current folder.
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/form_catalog.h"
#include "app/script/script_driver.h"
#include "app/script/scripted_host.h"
#include "app/texts/shown_texts.h"
#include "app/texts/ts_file.h"
#include "model/file_access.h"
#include "model/workspace.h"

namespace {

using namespace corvane;

// Every form at its design-time state, then after the script's run.
bool noteScript(const char* path, NotingTranslator& noted) {
  ScriptedHost host;
  host.setTranslator(&noted);
  Workspace workspace(host);
  registerAllForms(workspace);
  if (path) {
    std::ifstream script(path, std::ios::binary);
    if (!script) {
      std::cerr << "corvane-texts: cannot read " << path << "\n";
      return false;
    }
    std::ostringstream transcript;
    ScriptEnvironment environment;
    ScriptDriver driver(workspace, host, transcript, environment);
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!driver.runLine(line, ++number)) break;
    }
    if (driver.exitStatus() == 2) {
      std::cerr << "corvane-texts: " << path << " stopped:\n" << transcript.str();
      return false;
    }
  }
  askForFormTexts(workspace, noted);
  if (!path) askForGeneratedTexts(workspace, noted);
  return true;
}

std::string escapedLine(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\\n") : std::string(1, c);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  enum class Mode { List, Check, Update } mode = Mode::List;
  const char* tsPath = nullptr;
  int first = 1;
  if (argc >= 3 &&
      (std::strcmp(argv[1], "--check") == 0 || std::strcmp(argv[1], "--update") == 0)) {
    mode = std::strcmp(argv[1], "--check") == 0 ? Mode::Check : Mode::Update;
    tsPath = argv[2];
    first = 3;
  }
  NotingTranslator noted;
  if (!noteScript(nullptr, noted)) return 2;
  for (int i = first; i < argc; ++i)
    if (!noteScript(argv[i], noted)) return 2;

  if (mode == Mode::List) {
    for (const auto& [context, texts] : noted.texts())
      for (const std::string& text : texts)
        std::cout << context << "\t" << escapedLine(text) << "\n";
    return 0;
  }
  // a .ts of the whole interface is some hundred kilobytes
  Outcome<std::string> read = files::readWhole(tsPath, 64u << 20, "too large");
  if (!read) {
    std::cerr << "corvane-texts: cannot read " << tsPath << ": " << read.reason() << "\n";
    return 2;
  }
  Outcome<std::vector<TsMessage>> messages = parseTs(read.value());
  if (!messages) {
    std::cerr << "corvane-texts: " << tsPath << ": " << messages.reason() << "\n";
    return 2;
  }
  if (mode == Mode::Update) {
    Outcome<> written =
        files::writeReplacing(tsPath, writeTs(withMissingAdded(noted.texts(), messages.value())));
    if (!written) {
      std::cerr << "corvane-texts: cannot write " << tsPath << ": " << written.reason() << "\n";
      return 2;
    }
    return 0;
  }
  std::vector<std::string> problems = translationProblems(noted.texts(), messages.value());
  // a quoted text of the program's own stays Chinese in English
  for (const std::string& quoted : quotedOwnTexts(noted))
    problems.push_back("quotes the program's own text as a value: " + quoted);
  for (const std::string& problem : problems) std::cout << problem << "\n";
  size_t count = 0;
  for (const auto& entry : noted.texts()) count += entry.second.size();
  std::cout << count << " texts shown, " << problems.size() << " without a finished translation\n";
  return problems.empty() ? 0 : 1;
}
