// The search's promise: a candidate's replay, run in corvane-script on the
// design file it was found for, shows every figure the search read, digit
// for digit, and the same verdicts. Feasible and infeasible candidates of
// every kind, from a design file alone and from a whole design whose
// structure and cost forms are open.
#include <gtest/gtest.h>

#include <sstream>

#include "app/form_catalog.h"
#include "app/script/script_runner.h"
#include "app/search/search_design.h"
#include "model/design_history.h"
#include "search/candidate_runner.h"
#include "search/search_options.h"
#include "typical_designs.h"

namespace corvane::testing {
namespace {

using namespace corvane::search;

// What a script run printed: the texts of its prints, and the messages.
struct ScriptOutput {
  std::vector<std::string> printed;
  std::vector<std::string> messages;
};

ScriptOutput runReplay(const OpenedDesign& design, const Candidate& candidate) {
  std::string script;
  for (const std::string& line : design.opening) script += line + "\n";
  script += replayScript(candidate, replaySteps(candidate, design.base.context));
  std::istringstream in(script);
  std::ostringstream out;
  EXPECT_EQ(runScript(in, out), 0) << out.str();
  ScriptOutput output;
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) {
    if (const size_t at = line.find(" = \""); at != std::string::npos)
      output.printed.push_back(line.substr(at + 4, line.size() - at - 5));
    else if (line.rfind("[information] ", 0) == 0)
      output.messages.push_back(line.substr(14));
    else if (line.rfind("[warning] ", 0) == 0)
      output.messages.push_back(line.substr(10));
  }
  return output;
}

Candidate candidate(const char* lamination, double stack, const char* grade, double flux,
                    double density, int bobbin) {
  Candidate c;
  c.id = 1;
  c.lamination = *laminationNamed(lamination);
  c.stack = stack;
  c.grade = *gradeNamed(grade);
  c.flux = flux;
  c.density = density;
  c.secondaryDensity = density;
  c.bobbin = bobbin;
  return c;
}

class ReplayTest : public ::testing::Test {
 protected:
  // Runs each candidate in the search and through the script, and compares.
  void expectSameFigures(const std::string& file, const std::vector<Candidate>& candidates,
                         std::vector<bool> feasible) {
    Outcome<OpenedDesign> design = openSearchDesign(file);
    ASSERT_TRUE(design) << design.reason();
    CandidateRunner runner(design.value().base, registerFormsWithOwnCatalogues);
    for (size_t i = 0; i < candidates.size(); ++i) {
      const Candidate& c = candidates[i];
      SCOPED_TRACE("EI" + c.laminationText() + " × " + c.stackText() + ", " + c.gradeName() + ", " +
                   c.fluxText() + " T, " + c.densityText() + " A/mm², bobbin " +
                   std::to_string(c.bobbin));
      const CandidateResult searched = runner.run(c);
      EXPECT_EQ(searched.feasible, feasible[i]) << searched.reason;
      const ScriptOutput replayed = runReplay(design.value(), c);
      EXPECT_EQ(replayed.printed, searched.printed);
      EXPECT_EQ(replayed.messages, searched.messages);
    }
    // the candidates ran without an undo history, the script with one: the
    // history costs a quarter of a candidate and changes no figure
    EXPECT_EQ(runner.workspace().history().size(), 0u);
  }

  TestFolder folder{"corvane-replay"};
  TypicalDesigns designs{folder};
};

TEST_F(ReplayTest, EveryFigureOfTheSearchComesBackInTheScript) {
  ASSERT_EQ(designs.status, 0);
  expectSameFigures(designs.electrical,
                    {
                        candidate("EI64", 20, "H12", 1.6, 5, kSingleSlot),  // the cheapest
                        candidate("EI64", 20, "H12", 1.6, 5, kDoubleSlot),  // two slots
                        candidate("EI66", 28, "50H800", 1.5, 4, kDrawer),   // drawer, 50H800
                        candidate("EI48", 16, "H12", 1.0, 2, kSingleSlot),  // serious warning
                        candidate("EI38", 26, "H12", 1.5, 2, kSingleSlot),  // overheats on load
                        candidate("EI57", 24, "H12", 1.2, 3, kSingleSlot),  // windings overfill
                        candidate("EI14", 4, "H12", 1.0, 2, kDoubleSlot),   // pass incomplete
                    },
                    {true, true, true, false, false, false, false});
}

// A design saved with its structure and cost forms open: the replay closes
// the structure form first, and the cost form prices the new core and copper
// at the designer's price of the core.
TEST_F(ReplayTest, AWholeDesignWithItsLaterFormsOpenReplaysAlike) {
  ASSERT_EQ(designs.status, 0);
  expectSameFigures(designs.priced,
                    {candidate("EI64", 20, "H12", 1.6, 5, kSingleSlot),
                     candidate("EI57", 24, "50H800", 1.2, 3, kSingleSlot)},
                    {true, false});
}

}  // namespace
}  // namespace corvane::testing
