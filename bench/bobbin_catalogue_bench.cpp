// Speed of a designation search in the shipped bobbin catalogue, as the
// bobbin form runs it on every change of its search text.
#include <benchmark/benchmark.h>

#include <string>

#include "bobbin/catalogue/bobbin_catalogue.h"

namespace corvane {
namespace {

void BM_BobbinCatalogueFind(benchmark::State& state) {
  auto catalogue = openBobbinCatalogue(defaultBobbinCataloguePath());
  if (!catalogue) {
    state.SkipWithError(catalogue.reason().c_str());
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(catalogue.value()->find("EIB3", "EI-48*30*"));
}
BENCHMARK(BM_BobbinCatalogueFind);

void BM_BobbinCatalogueOpen(benchmark::State& state) {
  const std::string path = defaultBobbinCataloguePath();
  for (auto _ : state) benchmark::DoNotOptimize(openBobbinCatalogue(path));
}
BENCHMARK(BM_BobbinCatalogueOpen);

}  // namespace
}  // namespace corvane
