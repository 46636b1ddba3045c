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

// Built with no texts given, it holds what the form's fields show at first:
// the form's design-time texts come from here.
struct SpaceTexts {
  std::string laminations = kEveryLamination;  // "全部" (or "all"), or EI48,EI57,…
  std::string grades;  // G1,G2,…; empty: the grade chosen on the core form
  bool stackInMillimetres = false;
  // multiples of a, or mm
  std::string stackMin = "1", stackMax = "2", stackStep = "0.25";
  // T; an empty maximum: each grade's rating
  std::string fluxMin = "1.00", fluxMax, fluxStep = "0.05";
  // A/mm²
  std::string densityMin = "2", densityMax = "5", densityStep = "0.5";
  std::string densityRatio = "1";  // secondary over primary current density
  bool singleSlot = true, doubleSlot = true, drawer = false;
  Objective objective = Objective::Cost;
};

Outcome<SearchSpace> spaceFromTexts(const SpaceTexts& texts, int defaultGrade);

// The names of the grades, as the grade field shows them: "50H800,H12".
std::string gradeNames(const std::vector<int>& grades);

}  // namespace corvane::search
