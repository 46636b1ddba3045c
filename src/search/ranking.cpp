#include "search/ranking.h"

#include <algorithm>
#include <tuple>

namespace corvane::search {

namespace {

double objectiveValue(const CandidateResult& result, Objective objective) {
  switch (objective) {
    case Objective::Loss:
      return result.lossValue();
    case Objective::Weight:
      return result.weightValue();
    case Objective::Cost:
      break;
  }
  return result.costValue();
}

}  // namespace

bool ranksBefore(const CandidateResult& a, const CandidateResult& b, Objective objective) {
  return std::make_tuple(objectiveValue(a, objective), a.lossValue(), a.costValue(),
                         a.candidate.id) < std::make_tuple(objectiveValue(b, objective),
                                                           b.lossValue(), b.costValue(),
                                                           b.candidate.id);
}

std::vector<const CandidateResult*> ranked(const std::vector<CandidateResult>& results,
                                           Objective objective) {
  std::vector<const CandidateResult*> feasible;
  for (const CandidateResult& result : results)
    if (result.feasible) feasible.push_back(&result);
  std::sort(feasible.begin(), feasible.end(),
            [objective](const CandidateResult* a, const CandidateResult* b) {
              return ranksBefore(*a, *b, objective);
            });
  return feasible;
}

std::vector<const CandidateResult*> paretoFront(
    const std::vector<const CandidateResult*>& feasible) {
  std::vector<const CandidateResult*> byCost = feasible;
  std::sort(byCost.begin(), byCost.end(), [](const CandidateResult* a, const CandidateResult* b) {
    return std::make_tuple(a->costValue(), a->loadRiseValue(), a->candidate.id) <
           std::make_tuple(b->costValue(), b->loadRiseValue(), b->candidate.id);
  });
  // walking up in cost, a design belongs to the front when it runs cooler
  // than every cheaper one
  std::vector<const CandidateResult*> front;
  for (const CandidateResult* result : byCost)
    if (front.empty() || result->loadRiseValue() < front.back()->loadRiseValue())
      front.push_back(result);
  return front;
}

}  // namespace corvane::search
