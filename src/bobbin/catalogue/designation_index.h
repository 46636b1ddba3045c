// The rows of one bobbin table held in memory with their designations in
// order of the letters before the search text's first '*', so a search reads
// only the rows that start with those letters before the full matcher runs.
// Rows found keep their order in the table, as the table scan gives them.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bobbin/catalogue/bobbin_catalogue.h"

namespace corvane {

class DesignationIndex {
 public:
  explicit DesignationIndex(std::vector<BobbinRecord> rows);

  // The rows `searchText` finds, as designationMatches finds them.
  std::vector<BobbinRecord> find(std::string_view searchText) const;

  size_t size() const { return rows_.size(); }

 private:
  std::vector<BobbinRecord> rows_;
  // (designation with its ASCII letters in lower case, row in the table),
  // in order of the folded designation
  std::vector<std::pair<std::string, size_t>> byDesignation_;
};

// The letters every designation found by `searchText` starts with: the
// trimmed text up to its first '*', ASCII letters in lower case.
std::string literalPrefixOf(std::string_view searchText);

}  // namespace corvane
