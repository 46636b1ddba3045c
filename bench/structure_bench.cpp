// The winding-structure form on an 11-row table (two primaries, nine groups):
// one Enter in the wire column recalculates every row, the totals and the
// drawing; the design pass with both runs is what "参数仿真" and the two run
// commands cost together.
#include <benchmark/benchmark.h>

#include "nine_group_design.h"
#include "winding/frmjiegou.h"

namespace corvane {
namespace {

struct StructureDesign : bench::NineGroupDesign {
  Frmjiegou* form = &ws.form<Frmjiegou>(Frmjiegou::kName);
};

void BM_WireEnterOnElevenRows(benchmark::State& state) {
  StructureDesign design;
  if (design.form->highestRow() != 10) state.SkipWithError("the table does not have 11 rows");
  Control& wire = design.form->cell("TXTWIRE", 5);
  for (auto _ : state) design.form->userEnter(wire);
}
BENCHMARK(BM_WireEnterOnElevenRows);

void BM_DesignPassAndBothRunsOnElevenRows(benchmark::State& state) {
  StructureDesign design;
  Frmjiegou& form = *design.form;
  for (auto _ : state) {
    design.ws.runEvent([&] {
      form.FANGZHEN();
      form.determineNoLoadCurrent();
    });
    form.userClick(form.control("Command5"));
    form.userClick(form.control("Command6"));
    design.host.messages.clear();
  }
}
BENCHMARK(BM_DesignPassAndBothRunsOnElevenRows);

}  // namespace
}  // namespace corvane
