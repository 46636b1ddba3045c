// Speed of a designation search in the shipped bobbin catalogue, as the
// bobbin form runs it on every change of its search text.
#include <benchmark/benchmark.h>

#include <string>

#include "bobbin/catalogue/bobbin_catalogue.h"

namespace corvane {
namespace {

// The search texts the form sends: a core name with a wildcard, the core
// name a bobbin-type click looks up, the empty text that lists the whole
// table, and one that starts with a wildcard.
const char* const kSearches[] = {"EI-48*30*", "EI-66*44", "", "*30"};

void BM_BobbinCatalogueFind(benchmark::State& state) {
  auto catalogue = openBobbinCatalogue(defaultBobbinCataloguePath());
  if (!catalogue) {
    state.SkipWithError(catalogue.reason().c_str());
    return;
  }
  const std::string search = kSearches[state.range(0)];
  state.SetLabel("\"" + search + "\"");
  for (auto _ : state) benchmark::DoNotOptimize(catalogue.value()->find("EIB3", search));
}
BENCHMARK(BM_BobbinCatalogueFind)->DenseRange(0, 3);

void BM_BobbinCatalogueOpen(benchmark::State& state) {
  const std::string path = defaultBobbinCataloguePath();
  for (auto _ : state) benchmark::DoNotOptimize(openBobbinCatalogue(path));
}
BENCHMARK(BM_BobbinCatalogueOpen);

}  // namespace
}  // namespace corvane
