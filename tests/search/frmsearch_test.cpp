// The automatic-design form in the desktop program's way of working: the
// search on its threads while the timer brings the results in, a stop that
// keeps them, the table written as CSV, and the messages of a search that
// cannot start.
#include "search/frmsearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "app/form_catalog.h"
#include "model/translator.h"
#include "model/workspace.h"
#include "search/search_csv.h"
#include "search/search_fields.h"
#include "support/fake_host.h"
#include "support/test_files.h"

namespace corvane::testing {
namespace {

using namespace searchform;

// The desktop program's host: long work runs in the background.
class DesktopHost : public FakeHost {
 public:
  bool runsWorkInBackground() const override { return background; }
  bool background = true;
};

class FrmSearchTest : public ::testing::Test {
 protected:
  FrmSearchTest() { registerAllForms(workspace); }

  void typicalDesign() {
    Form& main = workspace.form("MDIForm1");
    main.userClick(main.control("NEW"));
    Form& e = workspace.form("Frmeledata");
    set(e, "TXTUIN1", "220");
    set(e, "txtudc", "12", 0);
    e.userEnter(e.control("txtudc", 0));
    set(e, "txtidc", "2", 0);
    e.userEnter(e.control("txtidc", 0));
    choose(e, "CMBZL", "全桥电容", 0);
    choose(e, "cmbdio", "硅管", 0);
  }
  FrmSearch& search() { return workspace.form<FrmSearch>(FrmSearch::kName); }
  void set(Form& form, const char* name, const char* text, int row = -1) {
    form.userSetText(form.control(name, row), text);
  }
  void choose(Form& form, const char* name, const char* item, int row = -1) {
    Control& list = form.control(name, row);
    form.userChoose(list, list.findItem(item));
  }
  void click(const char* name) { search().userClick(search().control(name)); }
  std::string caption(const char* name) { return search().control(name).caption(); }
  // Ticks the timer as the event loop would, until the search has ended.
  void tickUntilEnded() {
    Control& timer = search().control(TmrProgress);
    for (int i = 0; i < 6000 && timer.enabled(); ++i) {
      search().tick(timer);
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_FALSE(timer.enabled());
  }

  DesktopHost host;
  Workspace workspace{host};
};

TEST_F(FrmSearchTest, TheSearchRunsBesideTheProgramAndTheTimerBringsItsResults) {
  typicalDesign();
  set(search(), TxtLaminations, "EI60,EI64");
  click(CmdStart);
  // the click returns at once: the threads work, the start waits for its end
  EXPECT_FALSE(search().control(CmdStart).enabled());
  EXPECT_TRUE(search().control(CmdStop).enabled());
  EXPECT_FALSE(search().control(FrmSpace).enabled());
  EXPECT_TRUE(search().control(TmrProgress).enabled());
  tickUntilEnded();
  EXPECT_EQ(search().control(PrgSearch).text(), "100");
  EXPECT_EQ(caption(PrgSearch).rfind("搜索完成：1820/1820，可行方案：", 0), 0u)
      << caption(PrgSearch);
  EXPECT_NE(caption(PrgSearch).find("最低成本价：17.10 元"), std::string::npos);
  EXPECT_EQ(search().control(TblCost, 0).text(), "17.10");
  EXPECT_TRUE(search().control(CmdStart).enabled());
  EXPECT_FALSE(search().control(CmdStop).enabled());
  EXPECT_TRUE(search().control(FrmSpace).enabled());
  EXPECT_TRUE(search().control(PicPlot).picture().hasDrawing());
}

// The header of the column sorted by carries its mark: in English the header
// is translated and the mark stays after it.
TEST_F(FrmSearchTest, TheSortedColumnsHeaderReadsTranslatedWithItsMark) {
  class OneWord : public Translator {
   public:
    std::string translate(std::string_view, const std::string& source) const override {
      return source == "骨架" ? "Bobbin" : source;
    }
  } english;
  typicalDesign();
  Control& header = search().control(TblHead, 7);
  search().userClick(header);
  ASSERT_EQ(header.caption(), "骨架▲");
  EXPECT_EQ(search().shownCaption(header, english), "Bobbin▲");
  search().userClick(header);
  EXPECT_EQ(search().shownCaption(header, english), "Bobbin▼");
  EXPECT_EQ(search().shownCaption(search().control(TblHead, 6), english), "J(A/mm²)");
}

TEST_F(FrmSearchTest, StopKeepsTheResultsSoFar) {
  typicalDesign();
  set(search(), TxtLaminations, "全部");
  click(CmdStart);
  Control& timer = search().control(TmrProgress);
  // the smallest laminations come first, all skipped: the time left is
  // reckoned from candidates run
  auto anyRun = [&] {
    const auto& results = search().results();
    return std::any_of(results.begin(), results.end(),
                       [](const search::CandidateResult& r) { return !r.skipped; });
  };
  for (int i = 0; i < 6000 && !anyRun(); ++i) {
    search().tick(timer);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_TRUE(anyRun());
  // while it runs the bar says how long the rest will take
  EXPECT_NE(caption(PrgSearch).find("剩余约 "), std::string::npos) << caption(PrgSearch);
  click(CmdStop);
  tickUntilEnded();
  const size_t kept = search().results().size();
  EXPECT_LT(kept, 38038u);
  EXPECT_EQ(caption(PrgSearch).rfind("已停止：" + std::to_string(kept) + "/38038", 0), 0u)
      << caption(PrgSearch);
  // the results stay: another tick changes nothing
  search().tick(timer);
  EXPECT_EQ(search().results().size(), kept);
}

TEST_F(FrmSearchTest, TheTableIsWrittenAsCsvOrTheFailureNamesTheFile) {
  host.background = false;
  typicalDesign();
  set(search(), TxtLaminations, "EI64");
  click(CmdStart);
  TestFolder folder("corvane-search-csv");
  const std::string path = folder.file("best.csv");
  host.files.push_back(path);
  click(CmdExportCsv);
  search::CsvChoice choice;
  choice.top = FrmSearch::kTableRows;
  EXPECT_EQ(fileContents(path), search::searchCsv(search().results(), choice));
  EXPECT_EQ(fileContents(path).rfind("id,rank,feasible,", 0), 0u);
  // a folder that is not there: one message, no file
  const std::string nowhere = folder.file("missing/best.csv");
  host.files.push_back(nowhere);
  click(CmdExportCsv);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text.rfind("无法保存“" + nowhere + "”：", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(nowhere));
}

TEST_F(FrmSearchTest, ASearchThatCannotStartSaysWhyAndRunsNothing) {
  // no design yet
  click(CmdStart);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "还没有电气规格：请先新建或打开一个设计");
  typicalDesign();
  set(search(), TxtJStep, "0");
  EXPECT_EQ(caption(LblCount), "电流密度的步长必须大于0");
  click(CmdStart);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].text, "搜索范围有误：电流密度的步长必须大于0");
  EXPECT_TRUE(search().results().empty());
  EXPECT_TRUE(search().control(CmdStart).enabled());
  EXPECT_EQ(caption(PrgSearch), "尚未搜索");
}

}  // namespace
}  // namespace corvane::testing
