// Speed of the value rules and of a long recalculation cascade.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>

#include "model/form.h"
#include "model/host.h"
#include "model/print_surface.h"
#include "model/value.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

void BM_ValFieldText(benchmark::State& state) {
  const std::string texts[] = {"35.5W", "130℃", "", "  12", "2653uF-6634uF", "1.25e-3"};
  for (auto _ : state)
    for (const std::string& t : texts) benchmark::DoNotOptimize(Val(t));
  state.SetItemsProcessed(state.iterations() * 6);
}
BENCHMARK(BM_ValFieldText);

void BM_FormatFixed(benchmark::State& state) {
  const int decimals = static_cast<int>(state.range(0));
  double v = 40.26;
  for (auto _ : state) {
    benchmark::DoNotOptimize(formatFixed(v, decimals));
    v += 0.001;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatFixed)->Arg(0)->Arg(1)->Arg(3)->Arg(6);

void BM_GeneralFormat(benchmark::State& state) {
  double v = 12.2;
  for (auto _ : state) {
    benchmark::DoNotOptimize(generalFormat(v));
    v += 0.1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GeneralFormat);

// A chain of fields, each change writing the next: one user write cascades
// through `length` reactions, in batches the depth guard allows.
class ChainForm : public Form {
 public:
  ChainForm(Workspace& ws, int length) : Form(ws, "frmChain", "chain") {
    ControlArray& cells = addArray("Cell", ControlKind::TextBox);
    for (int i = 1; i < length; ++i) cells.load(i, {});
    on(EventKind::Change, "Cell", [this, length](Control& c, const EventArgs&) {
      int next = c.index() + 1;
      if (next % 100 == 0 || next >= length) return;  // the next batch starts fresh
      control("Cell", next).setText(generalFormat(c.num() + 1));
    });
  }
};

void BM_TenThousandWriteCascade(benchmark::State& state) {
  static constexpr int kLength = 10000;
  testing::FakeHost host;
  Workspace ws(host);
  ws.registerForm("frmChain", [](Workspace& w) { return std::make_unique<ChainForm>(w, kLength); });
  Form& form = ws.form("frmChain");
  double start = 0;
  for (auto _ : state) {
    start += 1;
    for (int batch = 0; batch < kLength; batch += 100)
      form.userSetText(form.control("Cell", batch), generalFormat(start + batch));
  }
  state.SetItemsProcessed(state.iterations() * kLength);
}
BENCHMARK(BM_TenThousandWriteCascade)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
