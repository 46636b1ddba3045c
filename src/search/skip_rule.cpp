#include "search/skip_rule.h"

#include <algorithm>

#include "bobbin/bobbin_types.h"
#include "bobbin/window_figures.h"
#include "core/core_geometry.h"
#include "core/coreform_fields.h"
#include "core/lamination_catalogue.h"
#include "electrical/eledata_fields.h"
#include "model/form_names.h"
#include "model/project_state.h"
#include "model/recording_host.h"
#include "model/shared_values.h"
#include "model/value.h"
#include "model/workspace.h"
#include "simulation/wire_design.h"
#include "winding/jiegou_fields.h"
#include "winding/row_evaluation.h"
#include "winding/slot_arrangement.h"
#include "winding/winding_columns.h"

namespace corvane::search {

namespace {

// What the design pass reads of the design besides the candidate's choices.
struct DesignDuty {
  bool twoPrimaries = false;
  int lastGroup = 0;
  int highestRow = 0;
  double frequency = 0;  // Hz, the core form's
  double inputVoltage1 = 0, inputVoltage2 = 0, primaryCurrent = 0;
  std::vector<double> groupVoltage;  // each group's no-load voltage, which gives its turns
  std::vector<double> groupCurrent;  // each group's winding current
};

class NoCells : public FieldSink {
 public:
  void write(const char*, const std::string&) override {}
};

// The design put back and the core form opened as the replay opens it.
DesignDuty readDuty(const SearchBase& base, const RegisterForms& registerForms) {
  RecordingHost host(base.today);
  Workspace workspace(host);
  workspace.keepNoHistory();
  registerForms(workspace);
  DesignDuty duty;
  if (!restoreProject(workspace, base.record)) return duty;
  Candidate any;
  for (const ReplayStep& step : replaySteps(any, base.context)) {
    perform(workspace, step);
    if (step.control == eledata::cmdcore) break;
  }
  const Form& electrical = workspace.form(forms::kElectrical);
  auto number = [&](const char* name, int row = -1) {
    const Control* field = electrical.find(name, row);
    return field ? field->num() : 0.0;
  };
  duty.twoPrimaries = base.twoPrimaries;
  duty.lastGroup = base.lastGroup;
  duty.highestRow = base.context.highestRow;
  duty.frequency = workspace.form(forms::kCore).control(coreform::TxtF).num();
  duty.inputVoltage1 = number(eledata::TXTUIN1);
  duty.inputVoltage2 = number(eledata::TXTUIN2);
  duty.primaryCurrent = number(eledata::TXTIIN);
  for (int g = 0; g <= base.lastGroup; ++g) {
    duty.groupVoltage.push_back(number(eledata::TXTUNLOAD, g));
    duty.groupCurrent.push_back(number(eledata::txtsiac, g));
  }
  return duty;
}

const core::StandardEiRow* laminationOf(double length) {
  for (const core::StandardEiRow& row : core::standardLaminations())
    if (row.length == length) return &row;
  return nullptr;
}

// The build (mm) of each slot the design pass would give the candidate;
// none where its arithmetic stops.
std::optional<std::array<double, 2>> slotBuilds(const DesignDuty& duty, const Candidate& c,
                                                double section, double slotWidth) {
  const auto arrangement = winding::slotArrangement(c.bobbin == kSingleSlot,
                                                    c.bobbin == kDoubleSlot, c.bobbin == kDrawer);
  // the strands of a new row
  std::string strands;
  for (const winding::WindingColumn& column : winding::kWindingColumns)
    if (std::string_view(column.name) == jiegou::TXTQ) strands = column.text;
  SharedValues shared;
  NoCells cells;
  std::array<double, 2> builds{0, 0};
  try {
    for (const winding::PlannedRow& row :
         winding::plannedRows(duty.twoPrimaries, duty.lastGroup, arrangement, duty.highestRow)) {
      const bool secondary = row.role == winding::RowRole::Secondary;
      const size_t g = static_cast<size_t>(std::max(0, row.group));
      const double voltage = secondary                                    ? duty.groupVoltage.at(g)
                             : row.role == winding::RowRole::FirstPrimary ? duty.inputVoltage1
                                                                          : duty.inputVoltage2;
      const double current = secondary ? duty.groupCurrent.at(g) : duty.primaryCurrent;
      winding::RowInputs in;
      in.role = row.role;
      in.turnsFromVoltage = winding::TurnsFromVoltage{voltage, duty.frequency, c.flux, section};
      in.wire =
          simulation::designedWireDiameter(current, secondary ? c.secondaryDensity : c.density);
      in.wireType = std::string(winding::kWireTypes[0]);
      in.strands = strands;
      in.slotWidth = slotWidth;
      in.current = current;
      builds[row.slot == 2 ? 1 : 0] += winding::evaluateRow(shared, in, cells);
    }
  } catch (const RecalcAbort&) {
    return std::nullopt;
  }
  return builds;
}

}  // namespace

SkipRule certainlyInfeasible(const SearchBase& base, const RegisterForms& registerForms) {
  const DesignDuty duty = readDuty(base, registerForms);
  if (duty.frequency <= 0) return {};
  return [duty](const Candidate& c) -> std::string {
    const core::StandardEiRow* row = laminationOf(c.lamination);
    if (!row) return {};
    // the section the stack's confirmation gives, the slots the bobbin proposes
    const double section = Val(core::confirmedSectionText(row->tongue, c.stack));
    const bobbin::SlotProposal slots =
        bobbin::proposedSlots(bobbin::kBobbinTypes.at(static_cast<size_t>(c.bobbin)),
                              core::windowHeightOf(*row), row->windowWidth, row->tongue, c.stack);
    const double width = Val(slots.slotWidth), depth = Val(slots.depth);
    if (width <= 0 || depth <= 0 || section <= 0) return {};
    const std::optional<std::array<double, 2>> builds = slotBuilds(duty, c, section, width);
    if (!builds) return {};
    const int fuller = (*builds)[1] > (*builds)[0] ? 1 : 0;
    if ((*builds)[fuller] <= kCertainOverfill * depth) return {};
    return "skipped: 槽" + std::to_string(fuller + 1) + "的绕组共厚 " +
           formatFixed((*builds)[fuller], 1) + " mm，槽厚只有 " + generalFormat(depth) + " mm";
  };
}

}  // namespace corvane::search
