// Ranking the feasible designs by the objective, and the Pareto front of
// cost price against load rise.
#pragma once

#include <vector>

#include "search/candidate_result.h"
#include "search/search_space.h"

namespace corvane::search {

// True when `a` ranks before `b`: the lower objective, ties to the lower
// loss, then the lower cost, then the earlier candidate.
bool ranksBefore(const CandidateResult& a, const CandidateResult& b, Objective objective);

// The feasible results, best first.
std::vector<const CandidateResult*> ranked(const std::vector<CandidateResult>& results,
                                           Objective objective);

// The feasible results no other feasible one beats on both cost price and
// load rise (lower or equal on both, lower on one), by ascending cost.
std::vector<const CandidateResult*> paretoFront(
    const std::vector<const CandidateResult*>& feasible);

}  // namespace corvane::search
