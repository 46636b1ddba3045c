// corvane-script: runs a script file (or standard input) against the
// headless forms and prints what the script asks for. Given several scripts
// it runs them one after the other in the same process, each on a fresh
// workspace, their output in the order given.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "app/script/script_runner.h"
#include "bobbin/catalogue/catalogue_shelf.h"

namespace {

// One script, "-" for standard input; its exit status (2 when it cannot be read).
int runOne(const std::string& path, const corvane::ScriptEnvironment& environment) {
  if (path == "-") return corvane::runScript(std::cin, std::cout, environment);
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    std::cout << "ERROR: cannot read " << path << ": " << std::strerror(EISDIR) << "\n";
    return 2;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::cout << "ERROR: cannot read " << path << ": " << std::strerror(errno) << "\n";
    return 2;
  }
  return corvane::runScript(file, std::cout, environment);
}

}  // namespace

int main(int argc, char** argv) {
  corvane::ScriptEnvironment environment;
  environment.diagnostics = &std::cerr;
  // the scripts of a batch read the bobbin catalogue once
  environment.catalogues = std::make_shared<corvane::CatalogueShelf>();
  if (argc <= 2) return runOne(argc == 2 ? argv[1] : "-", environment);
  // a batch: a script that fails does not stop the next; the status is the
  // worst of them
  int status = 0;
  for (int i = 1; i < argc; ++i) status = std::max(status, runOne(argv[i], environment));
  std::cout.flush();
  return status;
}
