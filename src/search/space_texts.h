// The search space as the automatic-design form's fields show it, read into
// a search space; the reason, naming the field, for the first field that
// does not read.
#pragma once

#include <string>

#include "model/outcome.h"
#include "search/search_space.h"

namespace corvane::search {

// The text of the lamination field that means every lamination.
inline constexpr const char* kEveryLamination = "全部";

struct SpaceTexts {
  std::string laminations;  // "全部" (or "all"), or EI48,EI57,…
  std::string grades;       // G1,G2,…; empty: the grade chosen on the core form
  bool stackInMillimetres = false;
  std::string stackMin, stackMax, stackStep;        // multiples of a, or mm
  std::string fluxMin, fluxMax, fluxStep;           // T; an empty maximum: each grade's rating
  std::string densityMin, densityMax, densityStep;  // A/mm²
  std::string densityRatio;
  bool singleSlot = true, doubleSlot = true, drawer = false;
  Objective objective = Objective::Cost;
};

Outcome<SearchSpace> spaceFromTexts(const SpaceTexts& texts, int defaultGrade);

// The names of the grades, as the grade field shows them: "50H800,H12".
std::string gradeNames(const std::vector<int>& grades);

}  // namespace corvane::search
