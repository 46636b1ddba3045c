// The search on its threads and the candidates it skips: every thread shows
// what one thread alone shows, a stop keeps what was finished, and every
// candidate the rule skips is one the forms would show overfilled.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/form_catalog.h"
#include "app/search/search_design.h"
#include "model/value.h"
#include "search/candidate_runner.h"
#include "search/search_run.h"
#include "search/skip_rule.h"
#include "typical_designs.h"

namespace corvane::testing {
namespace {

using namespace corvane::search;

class SearchRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(designs.status, 0);
    Outcome<OpenedDesign> opened = openSearchDesign(designs.electrical);
    ASSERT_TRUE(opened) << opened.reason();
    base = opened.value().base;
  }
  // Laminations from too small to big enough for the typical design, every
  // bobbin type, a few flux and current densities.
  std::vector<Candidate> mixedCandidates() const {
    SearchSpace space;
    space.laminations = {24, 30, 38, 48, 57, 64};
    space.grades = {defaultGrade(base)};
    space.fluxMin = 1.0;
    space.fluxStep = 0.3;
    space.density = {2, 5, 1.5};
    space.bobbins = {kSingleSlot, kDoubleSlot, kDrawer};
    return enumerateCandidates(space).value();
  }

  TestFolder folder{"corvane-search-run"};
  TypicalDesigns designs{folder};
  SearchBase base;
};

TEST_F(SearchRunTest, ThreadsShowWhatOneThreadShows) {
  // every sixth candidate: laminations too small and big enough alike, where
  // the first hundred would all be of the smallest
  std::vector<Candidate> candidates;
  const std::vector<Candidate> all = mixedCandidates();
  for (size_t i = 0; i < all.size(); i += 6) candidates.push_back(all[i]);
  const std::vector<CandidateResult> alone =
      runSearch(base, candidates, registerFormsWithOwnCatalogues, 1);
  const std::vector<CandidateResult> together =
      runSearch(base, candidates, registerFormsWithOwnCatalogues, 3);
  ASSERT_EQ(alone.size(), candidates.size());
  ASSERT_EQ(together.size(), candidates.size());
  int feasible = 0;
  for (size_t i = 0; i < alone.size(); ++i) {
    EXPECT_EQ(together[i].candidate.id, alone[i].candidate.id);
    EXPECT_EQ(together[i].printed, alone[i].printed) << alone[i].candidate.id;
    EXPECT_EQ(together[i].messages, alone[i].messages);
    EXPECT_EQ(together[i].reason, alone[i].reason);
    feasible += alone[i].feasible;
  }
  EXPECT_GT(feasible, 0);
  EXPECT_LT(feasible, static_cast<int>(alone.size()));
}

TEST_F(SearchRunTest, AStopKeepsWhatWasFinished) {
  const std::vector<Candidate> candidates = mixedCandidates();
  SearchRun run(base, candidates, registerFormsWithOwnCatalogues, 2);
  run.start();
  std::vector<CandidateResult> results;
  while (results.empty()) {
    std::vector<CandidateResult> some = run.takeResults();
    results.insert(results.end(), some.begin(), some.end());
  }
  run.stop();
  run.wait();
  for (CandidateResult& result : run.takeResults()) results.push_back(std::move(result));
  EXPECT_TRUE(run.finished());
  EXPECT_EQ(results.size(), run.done());
  EXPECT_LT(results.size(), candidates.size());
  for (const CandidateResult& result : results) EXPECT_FALSE(result.printed.empty());
}

// Skipped candidates take next to no time: the time left is reckoned from
// the candidates run alone, and is none while none has run.
TEST_F(SearchRunTest, TheTimeLeftCountsOnlyTheCandidatesToRun) {
  std::vector<Candidate> candidates = mixedCandidates();
  candidates.resize(40);
  SearchRun everySkipped(base, candidates, registerFormsWithOwnCatalogues, 2,
                         [](const Candidate&) { return std::string("skipped: test"); });
  EXPECT_FALSE(everySkipped.secondsLeft());
  everySkipped.start();
  everySkipped.wait();
  EXPECT_EQ(everySkipped.done(), candidates.size());
  EXPECT_FALSE(everySkipped.secondsLeft());

  // all but the last two skipped: once those have run nothing is left
  const int last = candidates[candidates.size() - 2].id;
  SearchRun twoRun(base, candidates, registerFormsWithOwnCatalogues, 2, [last](const Candidate& c) {
    return c.id < last ? std::string("skipped: test") : std::string();
  });
  twoRun.start();
  twoRun.wait();
  ASSERT_TRUE(twoRun.secondsLeft());
  EXPECT_EQ(*twoRun.secondsLeft(), 0);
  std::vector<CandidateResult> results = twoRun.takeResults();
  EXPECT_EQ(std::count_if(results.begin(), results.end(),
                          [](const CandidateResult& r) { return r.skipped; }),
            static_cast<long>(candidates.size()) - 2);
}

TEST_F(SearchRunTest, EverySkippedCandidateOverfillsItsBobbinWhenRun) {
  const SkipRule skip = certainlyInfeasible(base, registerFormsWithOwnCatalogues);
  ASSERT_TRUE(skip);
  CandidateRunner runner(base, registerFormsWithOwnCatalogues);
  int skipped = 0, kept = 0;
  for (const Candidate& candidate : mixedCandidates()) {
    const std::string reason = skip(candidate);
    if (reason.empty()) {
      ++kept;
      continue;
    }
    ++skipped;
    EXPECT_EQ(reason.rfind("skipped: 槽", 0), 0u) << reason;
    const CandidateResult run = runner.run(candidate);
    EXPECT_FALSE(run.feasible) << candidate.id;
    // the pass stopped, or the windings showed more than the slot holds
    if (run.reason.rfind("结构仿真未完成", 0) != 0) {
      EXPECT_GT(Val(run.fill), 1) << candidate.id << " " << reason << " / " << run.reason;
    }
  }
  EXPECT_GT(skipped, 50);
  EXPECT_GT(kept, 50);
}

}  // namespace
}  // namespace corvane::testing
