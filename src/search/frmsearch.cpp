#include "search/frmsearch.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "core/coreform_fields.h"
#include "core/material_grades.h"
#include "model/file_access.h"
#include "model/host.h"
#include "model/picture.h"
#include "model/project_state.h"
#include "model/translator.h"
#include "model/value.h"
#include "model/workspace.h"
#include "search/ranking.h"
#include "search/replay.h"
#include "search/search_csv.h"
#include "search/search_fields.h"
#include "search/search_plot.h"
#include "search/search_progress.h"
#include "search/search_run.h"
#include "search/search_table.h"
#include "search/skip_rule.h"

namespace corvane {

using namespace searchform;
using search::CandidateResult;

namespace {

constexpr const char* kCaption = "Peak Corvane专家系统 - 自动设计";
constexpr const char* kChangedSinceSearch =
    "设计在这次搜索之后已经改动。采用这一行会放回搜索时的设计，放弃之后的改动。是否采用？";
// the marks after the header of the column the table is sorted by
constexpr std::string_view kAscendingMark = "▲";
constexpr std::string_view kDescendingMark = "▼";
constexpr Rgb kSelectedRow{204, 228, 255};
constexpr Rgb kCell{240, 240, 240};

// Two records hold the same design when their forms, shared values and
// layout allowance agree; which windows show and which is active do not count.
bool sameDesign(ProjectRecord a, ProjectRecord b) {
  for (ProjectRecord* record : {&a, &b}) {
    record->activeForm.clear();
    for (FormRecord& form : record->forms) form.visible = false;
  }
  return a == b;
}

}  // namespace

FrmSearch::FrmSearch(Workspace& workspace, search::RegisterForms registerForms)
    : Form(workspace, kName, kCaption), registerForms_(std::move(registerForms)) {
  addControls();
  holdsText({TxtGrades});
  // the word for every lamination, the bobbin type of each row, and the
  // plot's axis titles and legend
  holdsWords({TxtLaminations, TblBobbin, PicPlot});
  addReactions();
}

FrmSearch::~FrmSearch() = default;

void FrmSearch::addReactions() {
  auto command = [this](const char* name, void (FrmSearch::*method)()) {
    on(EventKind::Click, name, [this, method](Control&, const EventArgs&) { (this->*method)(); });
  };
  command(CmdStart, &FrmSearch::start);
  command(CmdStop, &FrmSearch::stop);
  command(CmdAdopt, &FrmSearch::adopt);
  command(CmdExportCsv, &FrmSearch::exportCsvChosen);
  on(EventKind::Tick, TmrProgress, [this](Control&, const EventArgs&) { poll(); });
  on(EventKind::Click, TblHead,
     [this](Control& header, const EventArgs&) { sortBy(header.index()); });
  for (const search::TableColumn& column : search::tableColumns()) {
    auto select = [this](Control& cell, const EventArgs&) { selectRow(cell.index()); };
    on(EventKind::Click, column.field, select);
    on(EventKind::GotFocus, column.field, select);
  }
  auto count = [this](Control&, const EventArgs&) { showCount(); };
  for (const char* field :
       {TxtLaminations, TxtGrades, TxtStackMin, TxtStackMax, TxtStackStep, TxtFluxMin, TxtFluxMax,
        TxtFluxStep, TxtJMin, TxtJMax, TxtJStep, TxtJRatio})
    on(EventKind::Change, field, count);
  for (const char* box : {ChkSingle, ChkDouble, ChkDrawer, OptStackRatio, OptStackMm})
    on(EventKind::Click, box, count);
  // the ranking follows the objective at once; the results stay
  on(EventKind::Choose, CmbObjective, [this](Control&, const EventArgs&) {
    sortColumn_ = -1;
    refresh();
  });
}

void FrmSearch::load() {
  showGradeOfCore();
  showCount();
  drawPlot();
  showProgress();
}

// The grade field follows the core form's choice until the designer types
// another.
void FrmSearch::activated() {
  showGradeOfCore();
  showCount();
}

int FrmSearch::coreGrade() const {
  const Form* core = workspace().existing(forms::kCore);
  return core ? std::max(0, core->control(coreform::Cmbnew).listIndex()) : 0;
}

void FrmSearch::showGradeOfCore() {
  Control& grades = control(TxtGrades);
  if (!grades.text().empty() && grades.text() != filledGrade_) return;
  filledGrade_ = search::gradeNames({coreGrade()});
  grades.setText(filledGrade_);
}

search::SpaceTexts FrmSearch::spaceTexts() const {
  search::SpaceTexts t;
  auto text = [this](const char* name) { return control(name).text(); };
  t.laminations = text(TxtLaminations);
  t.grades = text(TxtGrades);
  t.stackInMillimetres = control(OptStackMm).value() == 1;
  t.stackMin = text(TxtStackMin);
  t.stackMax = text(TxtStackMax);
  t.stackStep = text(TxtStackStep);
  t.fluxMin = text(TxtFluxMin);
  t.fluxMax = text(TxtFluxMax);
  t.fluxStep = text(TxtFluxStep);
  t.densityMin = text(TxtJMin);
  t.densityMax = text(TxtJMax);
  t.densityStep = text(TxtJStep);
  t.densityRatio = text(TxtJRatio);
  t.singleSlot = control(ChkSingle).value() == 1;
  t.doubleSlot = control(ChkDouble).value() == 1;
  t.drawer = control(ChkDrawer).value() == 1;
  const int objective = control(CmbObjective).listIndex();
  t.objective = objective == 1   ? search::Objective::Loss
                : objective == 2 ? search::Objective::Weight
                                 : search::Objective::Cost;
  return t;
}

void FrmSearch::showCount() {
  Outcome<search::SearchSpace> space = search::spaceFromTexts(spaceTexts(), coreGrade());
  Outcome<long> count = space ? search::countCandidates(space.value()) : Outcome<long>(0);
  Control& label = control(LblCount);
  if (!space)
    label.setCaption(space.reason());
  else if (!count)
    label.setCaption(count.reason());
  else
    label.setCaption(kCountCaption + std::to_string(count.value()));
}

bool FrmSearch::running() const {
  return run_ && !run_->finished();
}

void FrmSearch::setRunning(bool running) {
  control(CmdStart).setEnabled(!running);
  control(CmdStop).setEnabled(running);
  control(FrmSpace).setEnabled(!running);
  control(TmrProgress).setEnabled(running && host().runsWorkInBackground());
}

// ---------------------------------------------------------------- the search

void FrmSearch::start() {
  if (running()) return;
  Outcome<search::SearchBase> base = search::captureBase(workspace());
  if (!base) {
    host().showMessage(base.reason(), MessageIcon::Warning, caption());
    return;
  }
  Outcome<search::SearchSpace> space =
      search::spaceFromTexts(spaceTexts(), search::defaultGrade(base.value()));
  Outcome<std::vector<search::Candidate>> candidates =
      space ? search::enumerateCandidates(space.value())
            : Outcome<std::vector<search::Candidate>>::failure(space.reason());
  if (!candidates) {
    host().showMessage("搜索范围有误：" + candidates.reason(), MessageIcon::Warning, caption());
    return;
  }
  run_.reset();
  results_.clear();
  rows_.clear();
  selected_.reset();
  sortColumn_ = -1;
  stopped_ = false;
  base_ = std::move(base.value());
  adopted_.reset();
  run_ =
      std::make_unique<search::SearchRun>(*base_, std::move(candidates.value()), registerForms_, 0,
                                          search::certainlyInfeasible(*base_, registerForms_));
  run_->start();
  setRunning(true);
  refresh();
  // a headless run waits for the end, so a script goes on with the results
  if (!host().runsWorkInBackground()) {
    run_->wait();
    poll();
  }
}

void FrmSearch::stop() {
  if (!running()) return;
  run_->stop();
  stopped_ = true;
  if (!host().runsWorkInBackground()) poll();
}

void FrmSearch::poll() {
  if (!run_) return;
  std::vector<CandidateResult> finished = run_->takeResults();
  const bool ended = run_->finished();
  for (CandidateResult& result : finished) results_.push_back(std::move(result));
  if (ended) finish();
  // ranking every result and drawing every point is the costly part, which
  // the threads would wait for: while they work, the table and the plot
  // follow once a second, the bar at every look
  const auto now = std::chrono::steady_clock::now();
  if (ended || (!finished.empty() && now - lastRefresh_ >= kRefreshInterval)) {
    lastRefresh_ = now;
    refresh();
  } else if (!finished.empty()) {
    showProgress();
  }
}

void FrmSearch::finish() {
  run_->wait();  // a fault inside a thread is raised here
  for (CandidateResult& result : run_->takeResults()) results_.push_back(std::move(result));
  setRunning(false);
}

// ---------------------------------------------------------------- showing

void FrmSearch::refresh() {
  // the best feasible designs by the objective, then the column chosen
  const search::Objective objective = spaceTexts().objective;
  std::optional<size_t> keep = selected_;
  std::vector<const CandidateResult*> best = search::ranked(results_, objective);
  if (best.size() > static_cast<size_t>(kTableRows)) best.resize(kTableRows);
  rows_.clear();
  for (size_t i = 0; i < best.size(); ++i)
    rows_.push_back({static_cast<size_t>(best[i] - results_.data()), i + 1});
  if (sortColumn_ >= 0) {
    const search::TableColumn& column = search::tableColumns()[static_cast<size_t>(sortColumn_)];
    std::stable_sort(rows_.begin(), rows_.end(), [&](const Row& a, const Row& b) {
      const CandidateResult& x = results_[a.result];
      const CandidateResult& y = results_[b.result];
      if (column.numeric) {
        const double u = search::sortValue(column, x, a.rank);
        const double v = search::sortValue(column, y, b.rank);
        return sortAscending_ ? u < v : v < u;
      }
      const std::string s = column.text(x, a.rank), t = column.text(y, b.rank);
      return sortAscending_ ? s < t : t < s;
    });
  }
  selected_.reset();
  for (const Row& row : rows_)
    if (keep && row.result == *keep) selected_ = keep;
  showTable();
  drawPlot();
  showProgress();
  control(CmdAdopt).setEnabled(selected_.has_value());
  control(CmdExportCsv).setEnabled(!rows_.empty());
}

void FrmSearch::showTable() {
  const auto columns = search::tableColumns();
  for (int row = 0; row < kTableRows; ++row) {
    const bool used = row < static_cast<int>(rows_.size());
    const bool chosen = used && selected_ && rows_[static_cast<size_t>(row)].result == *selected_;
    for (const search::TableColumn& column : columns) {
      Control& cell = control(column.field, row);
      if (used) {
        const Row& shown = rows_[static_cast<size_t>(row)];
        cell.setText(column.text(results_[shown.result], shown.rank));
      } else {
        cell.setText("");
      }
      cell.setVisible(used);
      cell.setBackColor(chosen ? kSelectedRow : kCell);
    }
  }
  for (size_t c = 0; c < columns.size(); ++c) {
    std::string header = columns[c].header;
    if (static_cast<int>(c) == sortColumn_)
      header += sortAscending_ ? kAscendingMark : kDescendingMark;
    control(TblHead, static_cast<int>(c)).setCaption(header);
  }
}

std::string FrmSearch::shownCaption(const Control& control, const Translator& translator) const {
  std::string header = control.caption();
  for (std::string_view mark : {kAscendingMark, kDescendingMark})
    if (control.name() == TblHead && header.ends_with(mark)) {
      header.resize(header.size() - mark.size());
      return translateComposed(translator, name(), header) + std::string(mark);
    }
  return Form::shownCaption(control, translator);
}

void FrmSearch::drawPlot() {
  const search::Objective objective = spaceTexts().objective;
  std::vector<const CandidateResult*> feasible = search::ranked(results_, objective);
  const CandidateResult* chosen = selected_ ? &results_[*selected_] : nullptr;
  search::drawSearchPlot(control(PicPlot).picture(), results_, search::paretoFront(feasible),
                         chosen);
}

void FrmSearch::showProgress() {
  Control& bar = control(PrgSearch);
  if (!run_) {
    bar.setText("0");
    bar.setCaption(search::notSearchedText());
    return;
  }
  search::SearchProgress progress;
  progress.state = running()  ? search::SearchState::Running
                   : stopped_ ? search::SearchState::Stopped
                              : search::SearchState::Finished;
  progress.done = run_->done();
  progress.total = run_->total();
  const long percent =
      progress.total == 0 ? 100 : static_cast<long>(progress.done * 100 / progress.total);
  bar.setText(std::to_string(percent));
  for (const CandidateResult& result : results_) {
    if (!result.feasible) continue;
    ++progress.feasible;
    if (!progress.cheapest || result.costValue() < *progress.cheapest)
      progress.cheapest = result.costValue();
  }
  if (running()) progress.secondsLeft = run_->secondsLeft();
  bar.setCaption(search::progressText(progress));
}

// ---------------------------------------------------------------- the table

void FrmSearch::sortBy(int column) {
  if (column < 0 || column >= static_cast<int>(search::tableColumns().size())) return;
  sortAscending_ = column == sortColumn_ ? !sortAscending_ : true;
  sortColumn_ = column;
  refresh();
}

void FrmSearch::selectRow(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  selected_ = rows_[static_cast<size_t>(row)].result;
  showTable();
  drawPlot();
  control(CmdAdopt).setEnabled(true);
}

std::optional<size_t> FrmSearch::selectedResult() const {
  return selected_;
}

// ---------------------------------------------------------------- adopting

bool FrmSearch::designUnchanged() const {
  const ProjectRecord now = captureProject(workspace());
  return sameDesign(now, base_->record) || (adopted_ && sameDesign(now, *adopted_));
}

// The selected design built on the forms: the design the search started from
// put back, then the candidate's replay up to the design pass as the
// designer's own steps, so the change is one to save; the runs, the bill of
// materials and the price then show the row's figures as the designer asks
// for them.
void FrmSearch::adopt() {
  if (!selected_ || !base_) return;
  // the design put back would take what the designer did since: only on their word
  if (!designUnchanged() && !host().askYesNo(kChangedSinceSearch, caption())) return;
  const search::Candidate candidate = results_[*selected_].candidate;
  Workspace& ws = workspace();
  if (Outcome<SkippedParts> restored = restoreProject(ws, base_->record); !restored) {
    host().showMessage(restored.reason(), MessageIcon::Warning, caption());
    return;
  }
  for (const search::ReplayStep& step : search::buildingSteps(candidate, base_->context))
    search::perform(ws, step);
  adopted_ = captureProject(ws);
  if (ws.knowsForm(forms::kStructure)) ws.form(forms::kStructure).show();
}

// ---------------------------------------------------------------- CSV

void FrmSearch::exportCsvChosen() {
  std::optional<std::string> path = host().chooseSaveFile(kCsvFilter);
  if (!path || path->empty()) return;
  exportCsv(*path);
}

bool FrmSearch::exportCsv(const std::string& path) {
  search::CsvChoice choice;
  choice.objective = spaceTexts().objective;
  choice.top = kTableRows;
  Outcome<> written = files::writeReplacing(path, search::searchCsv(results_, choice));
  if (!written) {
    host().showMessage("无法保存“" + path + "”：" + written.reason(), MessageIcon::Warning,
                       caption());
    return false;
  }
  return true;
}

}  // namespace corvane
