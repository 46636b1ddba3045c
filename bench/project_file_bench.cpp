// The whole nine-group design (two primaries, eleven winding rows, core,
// bobbin, pictures) as a project file: what a save costs (capture and
// write to text) and what an open costs (read, try on a scratch copy of the
// forms, restore).
#include <benchmark/benchmark.h>

#include "app/form_catalog.h"
#include "model/project_state.h"
#include "nine_group_design.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

void BM_SaveNineGroupDesign(benchmark::State& state) {
  bench::NineGroupDesign design;
  size_t bytes = 0;
  for (auto _ : state) bytes = encodeProjectFile(captureProject(design.ws)).value().size();
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveNineGroupDesign)->Unit(benchmark::kMillisecond);

void BM_OpenNineGroupDesign(benchmark::State& state) {
  bench::NineGroupDesign design;
  const std::string bytes = encodeProjectFile(captureProject(design.ws)).value();
  testing::FakeHost host;
  Workspace target(host);
  registerAllForms(target);
  for (auto _ : state) {
    Outcome<ProjectRecord> record = parseProjectFile(bytes);
    if (!checkProjectFits(target, record.value()) || !restoreProject(target, record.value()))
      state.SkipWithError("the saved design did not open");
  }
}
BENCHMARK(BM_OpenNineGroupDesign)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
