#include "search/candidate_runner.h"

#include "model/form.h"
#include "model/form_names.h"
#include "model/programming_error.h"
#include "model/project_state.h"
#include "model/value.h"
#include "search/search_space.h"
#include "winding/jiegou_fields.h"
#include "winding/slot_arrangement.h"

namespace corvane::search {

namespace {

// The cells the design pass writes in every row, and those it writes in a
// secondary's row only, with what each holds.
struct PassCell {
  const char* column;
  const char* what;
};
constexpr PassCell kRowCells[] = {
    {jiegou::TXTTURN, "圈数"},    {jiegou::TXTWIRE, "线径"},       {jiegou::TXTLN, "层匝数"},
    {jiegou::TXTL, "层数"},       {jiegou::TXTHT, "厚度"},         {jiegou::txtlt, "匝长"},
    {jiegou::TXTCUWEIGH, "铜重"}, {jiegou::TXTDCR20, "冷阻"},      {jiegou::TXTDCRHOT, "热阻"},
    {jiegou::TXTUD, "压降"},      {jiegou::TXTULOADE, "稳态电压"}, {jiegou::TXTPCU, "铜损"},
};
constexpr PassCell kSecondaryCells[] = {
    {jiegou::txtlud, "电压偏差"},
    {jiegou::CMBLINK, "直流负载电压"},
};

}  // namespace

CandidateRunner::CandidateRunner(const SearchBase& base, const RegisterForms& registerForms)
    : base_(base), host_(base.today), workspace_(host_) {
  workspace_.keepNoHistory();
  registerForms(workspace_);
}

std::string CandidateRunner::incompleteRow() const {
  const Form* structure = workspace_.existing(forms::kStructure);
  if (!structure) return "结构仿真没有打开";
  for (int row = 0; row <= base_.context.highestRow; ++row) {
    const Control* label = structure->find(jiegou::TXTWN, row);
    if (!label) return "结构仿真的绕组表没有第" + std::to_string(row + 1) + "行";
    const std::string name = "绕组" + label->text();
    for (const PassCell& cell : kRowCells) {
      if (!startsWithNumber(structure->find(cell.column, row)->text()))
        return "结构仿真未完成：" + name + "的" + cell.what + "没有数值";
      // a wire wider than the slot leaves no turn in a layer
      if (cell.column == jiegou::TXTLN && structure->find(jiegou::TXTLN, row)->num() <= 0)
        return "结构仿真未完成：" + name + "的线径大于槽宽，每层绕不下一匝";
    }
    if (winding::groupOfRow(row, base_.twoPrimaries) < 0) continue;
    for (const PassCell& cell : kSecondaryCells)
      if (!startsWithNumber(structure->find(cell.column, row)->text()))
        return "结构仿真未完成：" + name + "的" + cell.what + "没有数值";
  }
  return {};
}

std::vector<int> CandidateRunner::slotsOfRows(int bobbin) const {
  const auto arrangement =
      winding::slotArrangement(bobbin == kSingleSlot, bobbin == kDoubleSlot, bobbin == kDrawer);
  std::vector<int> slots(static_cast<size_t>(base_.context.highestRow) + 1, 1);
  for (const winding::PlannedRow& row : winding::plannedRows(base_.twoPrimaries, base_.lastGroup,
                                                             arrangement, base_.context.highestRow))
    slots[static_cast<size_t>(row.row)] = row.slot;
  return slots;
}

CandidateResult CandidateRunner::run(const Candidate& candidate) {
  CandidateResult result;
  result.candidate = candidate;
  if (Outcome<SkippedParts> restored = restoreProject(workspace_, base_.record); !restored)
    throw ProgrammingError("the search's design could not be put back: " + restored.reason());
  host_.takeMessages();

  const std::vector<ReplayStep> steps = replaySteps(candidate, base_.context);
  std::vector<std::string> loadMessages, noLoadMessages;
  std::string incomplete;
  for (const ReplayStep& step : steps) {
    const bool structureCommand = step.verb == Verb::Click && step.form == forms::kStructure;
    // the table as the design pass left it, before the runs
    if (structureCommand && step.control == jiegou::Command5) incomplete = incompleteRow();
    if (std::optional<std::string> shown = perform(workspace_, step)) {
      result.printed.push_back(*shown);
      continue;
    }
    std::vector<std::string> shown = host_.takeMessages();
    result.messages.insert(result.messages.end(), shown.begin(), shown.end());
    if (structureCommand && step.control == jiegou::Command5) loadMessages = shown;
    if (structureCommand && step.control == jiegou::Command6) noLoadMessages = shown;
  }
  judge(result, steps, incomplete, loadMessages, noLoadMessages, slotsOfRows(candidate.bobbin));
  return result;
}

}  // namespace corvane::search
