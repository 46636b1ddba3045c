// A candidate's replay: the user actions that build it on the forms, starting
// from the electrical form as the designer left it, and the figures read
// along the way. The same steps run on a workspace (the search) and print as
// a script in the driver's grammar (corvane-script, --replay), so both show
// the same figures.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "search/search_space.h"

namespace corvane {
class Workspace;
}

namespace corvane::search {

// What a print step reads.
enum class Reading {
  None,
  SlotDepth,     // the bobbin's slot depth TXTCh, mm
  RowBuild,      // one winding's build TXTHT, mm
  CoreWeight,    // txtwe, g
  CopperWeight,  // TxtCuWt, kg
  LoadRise,      // TXTTEMP after the load run, K
  EnclosedRise,  // Tp2 after the load run, K
  TotalLoss,     // txtpLOST after the load run, W
  NoLoadRise,    // TXTTEMP after the no-load run, K
  Cost,          // TxtMtCost, 元
};

enum class Verb { Click, Set, Enter, Choose, Print };

struct ReplayStep {
  Verb verb = Verb::Click;
  std::string form;
  std::string control;
  int index = -1;     // the array element; -1 for a single control
  std::string value;  // Set: the text; Choose: the item
  Reading reading = Reading::None;
};

// What the replay needs of the design it starts from.
struct ReplayContext {
  // the structure form is open: "上一步" closes it first, so "结构仿真"
  // builds its table afresh from the core and bobbin just chosen
  bool structureOpen = false;
  int highestRow = 0;  // the winding table's last row for this design
};

std::vector<ReplayStep> replaySteps(const Candidate& candidate, const ReplayContext& context);
// The steps of the replay that build the candidate on the forms, up to the
// design pass of "结构仿真": what "采用" carries out, leaving the runs and
// the price to the designer.
std::vector<ReplayStep> buildingSteps(const Candidate& candidate, const ReplayContext& context);

// One step as a line of the script grammar.
std::string scriptLine(const ReplayStep& step);
// The whole replay: a comment naming the candidate, the steps, then
// `messages` (the verdicts the runs showed).
std::string replayScript(const Candidate& candidate, const std::vector<ReplayStep>& steps);

// Carries out one step through the forms' user entry points, as the script
// driver does: an action on a control a user could not reach (disabled, in a
// disabled frame) does nothing. A print step gives what the control shows.
std::optional<std::string> perform(Workspace& workspace, const ReplayStep& step);

// The bobbin type's caption: 工字, 王字, 抽屉式.
std::string bobbinCaption(int bobbin);

}  // namespace corvane::search
