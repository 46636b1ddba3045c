// The operating analysis of the nine-group design: every figure of the form
// worked out afresh, as each showing of the form and each "计算" does.
#include <benchmark/benchmark.h>

#include "nine_group_design.h"
#include "operating/frmoperating.h"
#include "operating/operating_fields.h"
#include "winding/frmjiegou.h"

namespace corvane {
namespace {

struct OperatingDesign : bench::NineGroupDesign {
  Frmjiegou* structure = &ws.form<Frmjiegou>(Frmjiegou::kName);
  FrmOperating* form = &ws.form<FrmOperating>(FrmOperating::kName);
};

void BM_OperatingAnalysisOfNineGroups(benchmark::State& state) {
  OperatingDesign design;
  if (design.form->control(operatingform::AverageEfficiency).text().empty())
    state.SkipWithError("the analysis has no average efficiency");
  for (auto _ : state) design.ws.runEvent([&] { design.form->calculate(); });
}
BENCHMARK(BM_OperatingAnalysisOfNineGroups);

}  // namespace
}  // namespace corvane
