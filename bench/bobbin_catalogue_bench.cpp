// Speed of a designation search in the shipped bobbin catalogue, as the
// bobbin form runs it on every change of its search text.
#include <benchmark/benchmark.h>

#include <string>

#include "bobbin/catalogue/bobbin_catalogue.h"

namespace corvane {
namespace {

void BM_BobbinCatalogueFind(benchmark::State& state) {
  std::string error;
  auto catalogue = openBobbinCatalogue(defaultBobbinCataloguePath(), error);
  if (!catalogue) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(catalogue->find("EIB3", "EI-48*30*", error));
}
BENCHMARK(BM_BobbinCatalogueFind);

void BM_BobbinCatalogueOpen(benchmark::State& state) {
  const std::string path = defaultBobbinCataloguePath();
  std::string error;
  for (auto _ : state) benchmark::DoNotOptimize(openBobbinCatalogue(path, error));
}
BENCHMARK(BM_BobbinCatalogueOpen);

}  // namespace
}  // namespace corvane
