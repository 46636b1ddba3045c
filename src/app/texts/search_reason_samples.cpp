#include <limits>

#include "app/texts/reason_samples.h"
#include "search/search_space.h"
#include "search/space_texts.h"

namespace corvane {

namespace {

using search::SearchSpace;
using search::SpaceTexts;

// One field after another without a number, below zero or past its maximum.
std::vector<SpaceTexts> unreadableTexts() {
  std::vector<SpaceTexts> samples;
  auto with = [&samples](auto change) {
    SpaceTexts t;  // as the form shows it at first, which reads
    change(t);
    samples.push_back(t);
  };
  with([](SpaceTexts& t) { t.laminations = "EI1"; });
  with([](SpaceTexts& t) { t.grades = "X"; });
  using Range = std::string SpaceTexts::*;
  const Range ranges[][3] = {
      {&SpaceTexts::stackMin, &SpaceTexts::stackMax, &SpaceTexts::stackStep},
      {&SpaceTexts::fluxMin, &SpaceTexts::fluxMax, &SpaceTexts::fluxStep},
      {&SpaceTexts::densityMin, &SpaceTexts::densityMax, &SpaceTexts::densityStep},
  };
  for (const auto& range : ranges) {
    for (Range field : range) with([field](SpaceTexts& t) { t.*field = "x"; });
    with([&range](SpaceTexts& t) { t.*range[0] = "0"; });
    with([&range](SpaceTexts& t) { t.*range[2] = "0"; });
    with([&range](SpaceTexts& t) {
      t.*range[0] = "3";
      t.*range[1] = "2";
    });
  }
  with([](SpaceTexts& t) { t.densityRatio = "x"; });
  with([](SpaceTexts& t) { t.densityRatio = "0"; });
  with([](SpaceTexts& t) { t.singleSlot = t.doubleSlot = t.drawer = false; });
  return samples;
}

// Spaces the fields cannot give but a command line can: each range beyond
// what can be counted, empty lists, too many candidates, none at all.
std::vector<SearchSpace> uncountableSpaces() {
  SearchSpace usable;
  usable.laminations = {48};
  usable.grades = {0};
  std::vector<SearchSpace> spaces(12, usable);
  const double endless = std::numeric_limits<double>::infinity();
  spaces[0].stack = {1, 1e9, 1e-9};
  spaces[1].fluxStep = 1e-12;
  spaces[2].density = {1, 1e9, 1e-9};
  spaces[3].stack = {1, endless, 1};
  spaces[4].fluxMin = endless;
  spaces[5].density = {1, endless, 1};
  spaces[6].laminations.clear();
  spaces[7].grades.clear();
  spaces[8].bobbins.clear();
  spaces[9].densityRatio = 0;
  spaces[10].density = {0.001, 200, 0.001};
  spaces[11].stack = {0.0001, 0.0002, 0.0001};
  return spaces;
}

}  // namespace

std::vector<std::string> searchReasonSamples() {
  std::vector<std::string> reasons;
  for (const SpaceTexts& texts : unreadableTexts())
    if (auto space = search::spaceFromTexts(texts, 0); !space) reasons.push_back(space.reason());
  for (const SearchSpace& space : uncountableSpaces())
    if (auto count = search::countCandidates(space); !count) reasons.push_back(count.reason());
  return reasons;
}

}  // namespace corvane
