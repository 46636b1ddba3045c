#include "search/replay.h"

#include "bobbin/bobbin_types.h"
#include "bobbin/bobbinform_fields.h"
#include "bom/bomform_fields.h"
#include "core/coreform_fields.h"
#include "electrical/eledata_fields.h"
#include "model/form.h"
#include "model/form_names.h"
#include "model/programming_error.h"
#include "model/workspace.h"
#include "winding/jiegou_fields.h"

namespace corvane::search {

namespace {

ReplayStep click(const char* form, const char* control) {
  return {Verb::Click, form, control, -1, {}, Reading::None};
}
ReplayStep set(const char* form, const char* control, std::string value) {
  return {Verb::Set, form, control, -1, std::move(value), Reading::None};
}
ReplayStep enter(const char* form, const char* control) {
  return {Verb::Enter, form, control, -1, {}, Reading::None};
}
ReplayStep choose(const char* form, const char* control, std::string item) {
  return {Verb::Choose, form, control, -1, std::move(item), Reading::None};
}
ReplayStep print(const char* form, const char* control, Reading reading, int index = -1) {
  return {Verb::Print, form, control, index, {}, reading};
}

// A user reaches a control that is enabled, in frames that are enabled; a
// locked field takes no typing.
bool reachable(const Control& control, bool typing) {
  if (!control.enabled() || (typing && control.locked())) return false;
  const Control* inner = &control;
  for (int depth = 0; depth < 32 && !inner->container().empty(); ++depth) {
    const Control* frame = control.form().find(inner->container());
    if (!frame) break;
    if (!frame->enabled()) return false;
    inner = frame;
  }
  return true;
}

}  // namespace

std::string bobbinCaption(int bobbin) {
  return bobbin::kBobbinTypes.at(static_cast<size_t>(bobbin)).caption;
}

std::vector<ReplayStep> buildingSteps(const Candidate& c, const ReplayContext& context) {
  using namespace forms;
  std::vector<ReplayStep> steps;
  if (context.structureOpen) steps.push_back(click(kStructure, jiegou::Command2));
  // the core: grade first (it proposes a flux density), then the current
  // densities (which size the section from the power), the lamination and the
  // stack, whose confirmation gives the section, and the flux density last
  steps.push_back(click(kElectrical, eledata::cmdcore));
  steps.push_back(choose(kCore, coreform::Cmbnew, c.gradeName()));
  steps.push_back(set(kCore, coreform::TxtJ, c.densityText()));
  steps.push_back(set(kCore, coreform::txtjsec, c.secondaryDensityText()));
  steps.push_back(set(kCore, coreform::TXTL, c.laminationText()));
  steps.push_back(enter(kCore, coreform::TXTL));
  steps.push_back(set(kCore, coreform::TxtB, c.stackText()));
  steps.push_back(enter(kCore, coreform::TxtB));
  steps.push_back(set(kCore, coreform::TxtBm, c.fluxText()));
  steps.push_back(enter(kCore, coreform::TxtBm));
  // the bobbin, back to the electrical form, and the design pass
  steps.push_back(click(kCore, coreform::CMDBB));
  steps.push_back(click(kBobbin, bobbin::kBobbinTypes.at(static_cast<size_t>(c.bobbin)).option));
  steps.push_back(click(kBobbin, bobbinform::cmdele));
  steps.push_back(click(kElectrical, eledata::CMDJIEDOU));
  return steps;
}

std::vector<ReplayStep> replaySteps(const Candidate& c, const ReplayContext& context) {
  using namespace forms;
  std::vector<ReplayStep> steps = buildingSteps(c, context);
  steps.push_back(print(kBobbin, bobbinform::TXTCh, Reading::SlotDepth));
  for (int row = 0; row <= context.highestRow; ++row)
    steps.push_back(print(kStructure, jiegou::TXTHT, Reading::RowBuild, row));
  steps.push_back(print(kCore, coreform::txtwe, Reading::CoreWeight));
  steps.push_back(print(kStructure, jiegou::TxtCuWt, Reading::CopperWeight));
  // the two runs and the price
  steps.push_back(click(kStructure, jiegou::Command5));
  steps.push_back(print(kStructure, jiegou::TXTTEMP, Reading::LoadRise));
  steps.push_back(print(kStructure, jiegou::Tp2, Reading::EnclosedRise));
  steps.push_back(print(kStructure, jiegou::txtpLOST, Reading::TotalLoss));
  steps.push_back(click(kStructure, jiegou::Command6));
  steps.push_back(print(kStructure, jiegou::TXTTEMP, Reading::NoLoadRise));
  steps.push_back(click(kStructure, jiegou::Command4));
  steps.push_back(click(kCost, bomform::Command12));
  steps.push_back(click(kCost, bomform::Command13));
  steps.push_back(print(kCost, bomform::TxtMtCost, Reading::Cost));
  return steps;
}

std::string scriptLine(const ReplayStep& step) {
  std::string address = step.form + "." + step.control;
  if (step.index >= 0) address += "(" + std::to_string(step.index) + ")";
  switch (step.verb) {
    case Verb::Click:
      return "click " + address;
    case Verb::Set:
      return "set " + address + " " + step.value;
    case Verb::Enter:
      return "enter " + address;
    case Verb::Choose:
      return "choose " + address + " " + step.value;
    case Verb::Print:
      return "print " + address;
  }
  return {};
}

std::string replayScript(const Candidate& c, const std::vector<ReplayStep>& steps) {
  std::string script = "# 候选方案 " + std::to_string(c.id) + "：EI" + c.laminationText() +
                       "，叠厚 " + c.stackText() + " mm，" + c.gradeName() + "，Bm " +
                       c.fluxText() + " T，J " + c.densityText() + "/" + c.secondaryDensityText() +
                       " A/mm²，" + bobbinCaption(c.bobbin) + "骨架\n";
  for (const ReplayStep& step : steps) script += scriptLine(step) + "\n";
  return script + "messages\n";
}

std::optional<std::string> perform(Workspace& workspace, const ReplayStep& step) {
  Form& form = workspace.form(step.form);
  Control* control = form.find(step.control, step.index);
  if (!control) {
    if (step.verb == Verb::Print) return std::string();
    throw ProgrammingError("the replay names " + step.form + "." + step.control +
                           ", which the form does not have");
  }
  switch (step.verb) {
    case Verb::Print:
      return control->displayText();
    case Verb::Click:
      if (reachable(*control, false)) form.userClick(*control);
      break;
    case Verb::Set:
      if (reachable(*control, true)) form.userSetText(*control, step.value);
      break;
    case Verb::Enter:
      if (reachable(*control, false)) form.userEnter(*control);
      break;
    case Verb::Choose:
      if (int item = control->findItem(step.value); item >= 0 && reachable(*control, false))
        form.userChoose(*control, item);
      break;
  }
  return std::nullopt;
}

}  // namespace corvane::search
