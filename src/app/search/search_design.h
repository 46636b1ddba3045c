// The design corvane-search starts from: the file read and checked, then
// opened on a fresh program by the same script lines a replay starts with,
// so `corvane-script` shows what the search saw.
#pragma once

#include <string>
#include <vector>

#include "model/outcome.h"
#include "search/search_base.h"

namespace corvane {

struct OpenedDesign {
  search::SearchBase base;
  // the script lines that open the design on a fresh program
  std::vector<std::string> opening;
};

// The reason, naming the file, when it cannot be read, is no design, or
// holds no electrical specification to search for.
Outcome<OpenedDesign> openSearchDesign(const std::string& path);

}  // namespace corvane
