// Reading back what the export wrote: the netlist lines (comments and blank
// lines left out) keyed by their first word, and the numbers in them.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace corvane::testing {

using NetlistLines = std::map<std::string, std::vector<std::string>>;

// Each netlist line's words, under its first word (the element or dot command;
// a repeated dot command keeps its last line).
inline NetlistLines netlistLines(const std::string& text) {
  NetlistLines lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '*') continue;
    std::istringstream words(line);
    std::vector<std::string> split;
    for (std::string word; words >> word;) split.push_back(word);
    lines[split.front()] = split;
  }
  return lines;
}

// Every netlist line (not comments) in order.
inline std::vector<std::string> netlistLinesInOrder(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '*') lines.push_back(line);
  return lines;
}

inline double number(const std::string& word) {
  return std::stod(word);
}

}  // namespace corvane::testing
