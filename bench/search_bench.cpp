// The automatic design search for the typical design (220 V, 12 V / 2 A
// bridge with capacitor, silicon diodes): one candidate run on a workspace
// of its own, the base design put back before it in two ways, and a small
// search on every core.
#include <benchmark/benchmark.h>

#include "app/form_catalog.h"
#include "bench/typical_search.h"
#include "model/project_state.h"
#include "search/candidate_runner.h"
#include "search/search_run.h"

namespace corvane {
namespace {

using namespace corvane::search;

// A feasible candidate of the default space: EI57 × 24, 2 A/mm², one slot.
Candidate oneCandidate(const SearchBase& base) {
  SearchSpace space = bench::typicalSpace(base);
  space.laminations = {57};
  space.stackRule = StackRule::Millimetres;
  space.stack = {24, 24, 1};
  space.fluxMin = 1.2;
  space.fluxMax = 1.2;
  space.density = {3, 3, 1};
  space.bobbins = {kSingleSlot};
  return enumerateCandidates(space).value().front();
}

// What the search does per candidate: the design put back quietly on the
// thread's workspace, then the replay.
void BM_CandidateOnOwnWorkspace(benchmark::State& state) {
  const SearchBase base = bench::typicalBase();
  const Candidate candidate = oneCandidate(base);
  CandidateRunner runner(base, registerFormsWithOwnCatalogues);
  for (auto _ : state) benchmark::DoNotOptimize(runner.run(candidate).cost.data());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CandidateOnOwnWorkspace)->Unit(benchmark::kMillisecond);

// The other way to start each candidate from the design: a fresh workspace
// with the forms registered, the design put back into it.
void BM_CandidateOnFreshWorkspace(benchmark::State& state) {
  const SearchBase base = bench::typicalBase();
  const Candidate candidate = oneCandidate(base);
  for (auto _ : state) {
    CandidateRunner runner(base, registerFormsWithOwnCatalogues);
    benchmark::DoNotOptimize(runner.run(candidate).cost.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CandidateOnFreshWorkspace)->Unit(benchmark::kMillisecond);

// The quiet restore alone.
void BM_RestoreBase(benchmark::State& state) {
  const SearchBase base = bench::typicalBase();
  CandidateRunner runner(base, registerFormsWithOwnCatalogues);
  for (auto _ : state) benchmark::DoNotOptimize(restoreProject(runner.workspace(), base.record));
}
BENCHMARK(BM_RestoreBase)->Unit(benchmark::kMillisecond);

// EI48 to EI66 of the default space, on one thread and on every core.
void BM_SearchTypical(benchmark::State& state) {
  const SearchBase base = bench::typicalBase();
  SearchSpace space = bench::typicalSpace(base);
  space.laminations = {48, 54, 57, 60, 64, 66};
  const std::vector<Candidate> candidates = enumerateCandidates(space).value();
  for (auto _ : state)
    benchmark::DoNotOptimize(runSearch(base, candidates, registerFormsWithOwnCatalogues,
                                       static_cast<int>(state.range(0)))
                                 .size());
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(candidates.size()));
  state.counters["candidates"] = static_cast<double>(candidates.size());
}
BENCHMARK(BM_SearchTypical)->Arg(1)->Arg(0)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace corvane
