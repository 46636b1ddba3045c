// The command line of corvane-search: the design file and the options that
// shape the search space, the ranking and the output. Reading it checks
// every option and gives the reason, naming the option, for the first one
// that is wrong; nothing is read or written before it has passed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/outcome.h"
#include "search/search_space.h"

namespace corvane::search {

struct SearchOptions {
  std::string design;  // the .cvd or .CVN file
  // the space; laminations and grades not given fall back to the defaults
  // (every lamination; the grade chosen on the core form)
  std::optional<std::vector<double>> laminations;
  std::optional<std::vector<int>> grades;
  SearchSpace space;
  std::optional<size_t> top;
  bool all = false;
  int jobs = 0;  // 0: one per core
  std::optional<std::string> csv;
  std::optional<int> replay;
  bool help = false;
};

// The arguments after the program's name.
Outcome<SearchOptions> parseSearchOptions(const std::vector<std::string>& arguments);

// "EI48", "ei48", "48", "EI-48" or "76.2": a lamination of the catalogue by
// its length L; none for anything else.
std::optional<double> laminationNamed(const std::string& text);
// A grade by its name in any of the three makers' lists, ASCII case
// ignored: "50H800", "50A800" and "50RM800" name the same grade.
std::optional<int> gradeNamed(const std::string& text);

// The usage text --help prints.
const char* searchUsage();

}  // namespace corvane::search
