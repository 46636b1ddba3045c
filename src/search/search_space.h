// The space an automatic design search walks: which laminations, stacks,
// steel grades, flux densities, current densities and bobbin types it
// combines, and the candidates that result, each with a number that names it
// within the same space.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/outcome.h"

namespace corvane::search {

// Values from `min` to `max` inclusive in steps of `step`.
struct Steps {
  double min = 0;
  double max = 0;
  double step = 0;
};

// The stack is given in mm, or as multiples of the lamination's tongue width
// a, rounded to whole mm.
enum class StackRule { Millimetres, TongueRatio };

// What the search ranks the feasible designs by.
enum class Objective { Cost, Loss, Weight };

// Bobbin types by their index in bobbin::kBobbinTypes: 工字, 王字, 抽屉式.
inline constexpr int kSingleSlot = 0;
inline constexpr int kDoubleSlot = 1;
inline constexpr int kDrawer = 2;
// The command line's names of the bobbin types, in the same order.
inline constexpr const char* kBobbinWords[] = {"single", "double", "drawer"};

struct SearchSpace {
  std::vector<double> laminations;  // lamination lengths L (mm), catalogue keys
  StackRule stackRule = StackRule::TongueRatio;
  Steps stack{1, 2, 0.25};
  std::vector<int> grades;  // indices of core::materialGrades()
  // T; no maximum: up to each grade's rated flux density
  double fluxMin = 1.0;
  std::optional<double> fluxMax;
  double fluxStep = 0.05;
  Steps density{2, 5, 0.5};  // A/mm² of the primary
  double densityRatio = 1;   // secondary current density over the primary's
  std::vector<int> bobbins{kSingleSlot, kDoubleSlot};
  Objective objective = Objective::Cost;
};

// One design the search tries. The texts are what the replay types into
// the forms; the numbers are the same values.
struct Candidate {
  int id = 0;  // 1, 2, … in the order the space is walked
  double lamination = 0;
  double stack = 0;  // mm
  int grade = 0;
  double flux = 0;
  double density = 0;
  double secondaryDensity = 0;
  int bobbin = kSingleSlot;

  std::string laminationText() const;  // "48", "76.2"
  std::string stackText() const;       // "30"
  std::string gradeName() const;       // "50H800"
  std::string fluxText() const;        // "1.35"
  std::string densityText() const;     // "2.5"
  std::string secondaryDensityText() const;
};

// More candidates than a search takes on: a space this large is a typing
// slip (a step of 0.0001), not a design question.
inline constexpr long kMostCandidates = 200000;

// The values of a range; the reason when the range is no range (a step not
// above 0, a minimum above the maximum) or holds more than `most` values.
Outcome<std::vector<double>> stepValues(const Steps& steps, long most = kMostCandidates);

// The stacks (mm) of a lamination with tongue width `tongue`: each value of
// the rule, rounded to whole mm for the tongue ratio, every stack once and
// above 0, in ascending order.
Outcome<std::vector<double>> stacksFor(const SearchSpace& space, double tongue);

// The flux densities a grade is tried at.
Outcome<std::vector<double>> fluxesFor(const SearchSpace& space, int grade);

// Every candidate of the space: laminations in the order given, then stack,
// grade, flux density, current density and bobbin type. The reason when a
// range is no range, a lamination or grade is not in the catalogue, a list is
// empty, or the space holds more than kMostCandidates.
Outcome<std::vector<Candidate>> enumerateCandidates(const SearchSpace& space);

// The number of candidates the space holds, without making them.
Outcome<long> countCandidates(const SearchSpace& space);

}  // namespace corvane::search
