// corvane-script: runs a script file (or standard input) against the
// headless forms and prints what the script asks for.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "app/script/script_runner.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cout << "usage: corvane-script [SCRIPT]  (standard input when no file is given)\n";
    return 2;
  }
  corvane::ScriptEnvironment environment;
  environment.diagnostics = &std::cerr;
  std::string path = argc == 2 ? argv[1] : "-";
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
