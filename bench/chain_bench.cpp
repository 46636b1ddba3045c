// A whole design from nothing, as one run of the batch driver makes it: the
// nine-group requirements with two primaries, core, bobbin, the structure
// form with its design pass, both runs and the cost form; and the long
// session of design work in bench/scripts driven through the script grammar.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/form_catalog.h"
#include "app/script/script_runner.h"
#include "bobbin/catalogue/catalogue_shelf.h"
#include "design_chain.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

void BM_WholeDesignChain(benchmark::State& state) {
  // the designs share the bobbin catalogue read once, as the scripts of a batch do
  const auto catalogues = std::make_shared<CatalogueShelf>();
  for (auto _ : state) {
    testing::FakeHost host;
    host.questions.assign(8, true);
    Workspace ws(host);
    registerAllForms(ws, catalogues);
    bench::nineGroupDesign(ws);
    Form& structure = ws.form("Frmjiegou");
    bench::click(structure, "Command5");  // load run
    bench::click(structure, "Command6");  // no-load run
    bench::click(structure, "Command4");  // the cost form
    Form& cost = ws.form("FrmBomList");
    bench::click(cost, "Command12");
    bench::click(cost, "Command13");
    benchmark::DoNotOptimize(cost.control("TxtSelsCost").text().data());
  }
}
BENCHMARK(BM_WholeDesignChain)->Unit(benchmark::kMicrosecond);

std::string longScript() {
  std::ifstream file(CORVANE_BENCH_SCRIPTS "/long_design.cvs", std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Commands in the script: lines that are neither blank nor comments.
int commandCount(const std::string& script) {
  int count = 0;
  std::istringstream lines(script);
  for (std::string line; std::getline(lines, line);)
    if (!line.empty() && line[0] != '#') ++count;
  return count;
}

void BM_LongDesignScript(benchmark::State& state) {
  const std::string script = longScript();
  const int commands = commandCount(script);
  if (commands == 0) state.SkipWithError("bench/scripts/long_design.cvs is missing");
  for (auto _ : state) {
    std::istringstream in(script);
    std::ostringstream out;
    if (runScript(in, out) != 0) state.SkipWithError("the long script did not run cleanly");
  }
  state.SetItemsProcessed(state.iterations() * commands);
  state.counters["commands"] = commands;
}
BENCHMARK(BM_LongDesignScript)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
