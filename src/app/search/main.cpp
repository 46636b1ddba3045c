// corvane-search DESIGN [options]: the automatic design search on the
// command line. It opens the design as the desktop program would, walks the
// search space on every core, and writes the table of candidates as CSV; or,
// with --replay ID, prints the script that builds candidate ID on the forms.
// A bad option or a design it cannot read: one line on standard error,
// status 2, nothing written.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/form_catalog.h"
#include "app/search/search_design.h"
#include "core/lamination_catalogue.h"
#include "model/file_access.h"
#include "model/value.h"
#include "search/search_csv.h"
#include "search/search_options.h"
#include "search/search_run.h"
#include "search/search_space.h"
#include "search/skip_rule.h"

namespace {

using namespace corvane;
using namespace corvane::search;

int refuse(const std::string& reason) {
  std::cerr << "corvane-search: " << reason << "\n";
  return 2;
}

// The options' space, its defaults taken from the design.
SearchSpace spaceOf(const SearchOptions& options, const SearchBase& base) {
  SearchSpace space = options.space;
  space.laminations = options.laminations.value_or(std::vector<double>{});
  if (!options.laminations)
    for (const auto& row : core::standardLaminations()) space.laminations.push_back(row.length);
  space.grades = options.grades.value_or(std::vector<int>{defaultGrade(base)});
  return space;
}

}  // namespace

int main(int argc, char** argv) {
  Outcome<SearchOptions> parsed =
      parseSearchOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed) return refuse(parsed.reason());
  const SearchOptions& options = parsed.value();
  if (options.help) {
    std::cout << searchUsage();
    return 0;
  }

  Outcome<OpenedDesign> opened = openSearchDesign(options.design);
  if (!opened) return refuse(opened.reason());
  const SearchSpace space = spaceOf(options, opened.value().base);
  Outcome<std::vector<Candidate>> candidates = enumerateCandidates(space);
  if (!candidates) {
    Outcome<long> count = countCandidates(space);
    return refuse(count ? "the search space holds no candidate"
                        : "the search space is too large or holds no candidate (at most " +
                              std::to_string(kMostCandidates) + ")");
  }

  if (options.replay) {
    const std::vector<Candidate>& all = candidates.value();
    auto found = std::find_if(all.begin(), all.end(),
                              [&](const Candidate& c) { return c.id == *options.replay; });
    if (found == all.end())
      return refuse("--replay: " + std::to_string(*options.replay) +
                    " is not a candidate of this search (1 to " + std::to_string(all.size()) + ")");
    for (const std::string& line : opened.value().opening) std::cout << line << "\n";
    std::cout << replayScript(*found, replaySteps(*found, opened.value().base.context));
    return 0;
  }

  const size_t total = candidates.value().size();
  const SearchBase& base = opened.value().base;
  SearchRun run(base, std::move(candidates.value()), registerFormsWithOwnCatalogues, options.jobs,
                certainlyInfeasible(base, registerFormsWithOwnCatalogues));
  run.start();
  run.wait();
  std::vector<CandidateResult> results = run.takeResults();
  const std::string csv = searchCsv(results, {space.objective, options.top, options.all});
  if (options.csv) {
    if (Outcome<> written = files::writeReplacing(*options.csv, csv); !written)
      return refuse("cannot write " + *options.csv + ": " + written.reason());
  } else {
    std::cout << csv;
  }
  const auto feasible = std::count_if(results.begin(), results.end(),
                                      [](const CandidateResult& r) { return r.feasible; });
  const auto skipped = std::count_if(results.begin(), results.end(),
                                     [](const CandidateResult& r) { return r.skipped; });
  std::fprintf(stderr,
               "corvane-search: %zu candidates (%ld skipped), %ld feasible, %.1f s on %d threads\n",
               total, static_cast<long>(skipped), static_cast<long>(feasible), run.elapsedSeconds(),
               run.jobs());
  return 0;
}
