// The columns of the automatic-design form's table: what each shows of a
// result, its header with the unit, and how a click on the header orders
// the rows.
#pragma once

#include <span>
#include <string>

#include "search/candidate_result.h"

namespace corvane::search {

struct TableColumn {
  const char* field;   // the control array of its cells
  const char* header;  // caption, with the unit
  int width;           // twips
  const char* tip;
  // the cell's text for a result ranked `rank` (1, 2, …)
  std::string (*text)(const CandidateResult& result, size_t rank);
  // what the column sorts by: a number (true), or the text
  bool numeric;
};

std::span<const TableColumn> tableColumns();

// The value a numeric column sorts by: the number the cell shows (the
// lamination's length for "EI48"); a cell with no number sorts last.
double sortValue(const TableColumn& column, const CandidateResult& result, size_t rank);

}  // namespace corvane::search
