// The automatic-design form "自动设计": the search space of the design in
// hand, "开始搜索" on threads of its own while the program goes on serving
// the designer, a progress bar with the count done, the best cost so far and
// the time left, "停止" that keeps the results so far, the best 50 feasible
// designs in a table sortable by any column, the plot of cost price against
// load rise, "采用" that builds the selected design on the forms, and
// "导出CSV". Not part of the design: it stays open across designs, and a
// row is adopted only into the design it was found for.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/form.h"
#include "model/form_names.h"
#include "model/project_file.h"
#include "search/candidate_result.h"
#include "search/candidate_runner.h"
#include "search/search_base.h"
#include "search/search_space.h"
#include "search/space_texts.h"

namespace corvane {

namespace search {
class SearchRun;
}

class FrmSearch : public Form {
 public:
  static constexpr const char* kName = forms::kSearch;
  static constexpr int kTableRows = 50;
  static constexpr const char* kCsvFilter = "CSV(*.csv)|*.csv|(*.*)|*.*";
  // milliseconds between two looks at the search's threads
  static constexpr int kPollInterval = 250;
  // the least time between two redraws of the table and the plot while the
  // search runs
  static constexpr std::chrono::milliseconds kRefreshInterval{1000};
  // what LblCount says before the number of candidates the space holds
  static constexpr const char* kCountCaption = "候选方案数：";

  FrmSearch(Workspace& workspace, search::RegisterForms registerForms);
  ~FrmSearch() override;
  void load() override;
  void activated() override;
  // A column's header with the mark of its sort order: the header
  // translated, the mark after it.
  std::string shownCaption(const Control& control, const Translator& translator) const override;

  // --- commands
  void start();  // 开始搜索
  void stop();   // 停止
  void adopt();  // 采用
  void exportCsvChosen();
  // The table as CSV; false after the message naming the file and the reason.
  bool exportCsv(const std::string& path);
  // The timer: what the threads finished since the last look.
  void poll();
  // A click on a column's header: ascending, a second click descending.
  void sortBy(int column);
  void selectRow(int row);

  bool running() const;
  // every candidate finished so far, in the order they finished
  const std::vector<search::CandidateResult>& results() const { return results_; }

 private:
  void addControls();
  void addSpaceFrame();
  void addCommands();
  void addTable();
  void addReactions();

  search::SpaceTexts spaceTexts() const;
  int coreGrade() const;
  void showGradeOfCore();
  void showCount();
  void finish();
  void refresh();
  void showTable();
  void drawPlot();
  void showProgress();
  void setRunning(bool running);
  std::optional<size_t> selectedResult() const;
  bool designUnchanged() const;

  search::RegisterForms registerForms_;
  std::unique_ptr<search::SearchRun> run_;
  std::optional<search::SearchBase> base_;
  std::vector<search::CandidateResult> results_;
  // the rows the table shows: results_ indices with their rank
  struct Row {
    size_t result;
    size_t rank;
  };
  std::vector<Row> rows_;
  std::optional<size_t> selected_;  // results_ index of the selected row
  int sortColumn_ = -1;             // -1: the order of the objective
  bool sortAscending_ = true;
  bool stopped_ = false;
  std::chrono::steady_clock::time_point lastRefresh_;
  // the grade the form last filled in from the core form
  std::string filledGrade_;
  // the design as the last "采用" left it
  std::optional<ProjectRecord> adopted_;
};

}  // namespace corvane
