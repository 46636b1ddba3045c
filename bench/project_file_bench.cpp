// The whole nine-group design (two primaries, eleven winding rows, core,
// bobbin, pictures) as a project file: what a save costs (capture and
// write to text) and what an open costs (read, try on a scratch copy of the
// forms, restore).
#include <benchmark/benchmark.h>

#include "app/form_catalog.h"
#include "design_chain.h"
#include "model/project_state.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

struct NineGroupDesign {
  NineGroupDesign() {
    host.questions.assign(8, true);
    registerAllForms(ws);
    bench::nineGroupDesign(ws);
  }
  testing::FakeHost host;
  Workspace ws{host};
};

void BM_SaveNineGroupDesign(benchmark::State& state) {
  NineGroupDesign design;
  size_t bytes = 0;
  for (auto _ : state) bytes = encodeProjectFile(captureProject(design.ws)).value().size();
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveNineGroupDesign)->Unit(benchmark::kMillisecond);

void BM_OpenNineGroupDesign(benchmark::State& state) {
  NineGroupDesign design;
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
