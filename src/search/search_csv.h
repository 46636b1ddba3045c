// The search's table as CSV: UTF-8, LF line ends, one header line, the
// feasible designs in the order of the objective with their rank, then (on
// request) every other candidate in the order of its number with the reason
// it failed. Numbers as the forms show them, without their units.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "search/candidate_result.h"
#include "search/search_space.h"

namespace corvane::search {

// The header line's columns, in their order.
std::vector<std::string> csvColumns();

struct CsvChoice {
  Objective objective = Objective::Cost;
  std::optional<size_t> top;    // the best N feasible designs; all when none
  bool everyCandidate = false;  // the infeasible and skipped ones too
};

std::string searchCsv(const std::vector<CandidateResult>& results, const CsvChoice& choice);

// One result's row, its rank 0 for none.
std::vector<std::string> csvRow(const CandidateResult& result, size_t rank);

}  // namespace corvane::search
