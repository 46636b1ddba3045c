// The plot of the automatic-design form: the cost price against the load
// rise of every candidate run so far, feasible and infeasible in two
// colours, the Pareto front of the feasible ones as a line, the row
// selected in the table marked.
#pragma once

#include <vector>

#include "model/drawing.h"
#include "search/candidate_result.h"

namespace corvane::search {

// `front` as paretoFront gives it (ascending cost); `selected` the result of
// the table's selected row, or nullptr.
void drawSearchPlot(Drawing& drawing, const std::vector<CandidateResult>& results,
                    const std::vector<const CandidateResult*>& front,
                    const CandidateResult* selected);

// A step of 1, 2 or 5 times a power of ten that divides `span` into about
// `parts` parts: where the axis marks go.
double axisStep(double span, int parts);

}  // namespace corvane::search
