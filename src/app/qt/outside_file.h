// Files that reach the running program from outside it — its command line, or
// a second copy started by a double-click — and the kind each one is.
#pragma once

#include <string>

namespace corvane {

enum class OutsideFileKind {
  ElectricalDesign,  // *.CVN, the electrical form's design file
  DesignProject,     // *.cvd, the whole design as UTF-8 JSON
};

// By the file's extension, letter case aside; a file of any other name is
// read as an electrical design file, as the command line always has.
OutsideFileKind outsideFileKind(const std::string& path);

// `path` made absolute against the current folder, "." and ".." removed.
std::string absoluteFilePath(const std::string& path);

}  // namespace corvane
