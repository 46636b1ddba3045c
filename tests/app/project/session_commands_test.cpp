// The main window's file commands and every way of ending the program: the
// unsaved-changes question, new designs, recent designs and the recovery
// copy.
#include <gtest/gtest.h>

#include "project_fixture.h"
#include "support/file_size_limit.h"
#include "wiretools/frmwiretools.h"

namespace corvane::testing {
namespace {

using Session = ProjectTest;
namespace fs = std::filesystem;

constexpr const char* kQuestion = "是否保存对设计的修改？";

// A small design with a change not yet saved.
void edited(ProgramRun& run) {
  run.click("MDIForm1", "NEW");
  run.set("Frmeledata", "txtudc", "12", 0);
  run.enter("Frmeledata", "txtudc", 0);
}

// The small design saved as `path` and changed once more since; gives what
// the file holds.
std::string savedThenChanged(ProgramRun& run, const std::string& path) {
  edited(run);
  EXPECT_TRUE(run.session().saveTo(path));
  const std::string saved = fileContents(path);
  run.set("Frmeledata", "txtidc", "2", 0);
  return saved;
}

std::string caption(ProgramRun& run) {
  return run.form("MDIForm1").caption();
}

// Mended: "关闭" of the main window, of the core form and of the wire tools
// ended the program and lost the design without a word.
TEST_F(Session, EveryCloseAsksAndYesSavesNoDiscardsCancelStays) {
  struct Way {
    const char* form;
    const char* command;
  };
  for (Way way : {Way{"MDIForm1", "OVER"}, Way{"Frmcore", "OVER"}, Way{"FrmWireTools", "OP"}}) {
    SCOPED_TRACE(way.form);
    ProgramRun run;
    edited(run);
    run.form(way.form);
    ASSERT_TRUE(run.session().saveTo(file("d.cvd")));
    run.set("Frmeledata", "txtidc", "2", 0);
    const std::string savedBefore = contents(file("d.cvd"));

    run.host.threeWayAnswers = {Answer::Cancel};
    run.click(way.form, way.command);
    EXPECT_EQ(run.host.quits, 0);
    EXPECT_TRUE(run.session().hasUnsavedChanges());
    EXPECT_EQ(run.host.questionsAsked.back(), kQuestion);

    run.host.threeWayAnswers = {Answer::No};
    run.click(way.form, way.command);
    EXPECT_EQ(run.host.quits, 1);
    EXPECT_EQ(contents(file("d.cvd")), savedBefore);

    run.host.threeWayAnswers = {Answer::Yes};
    run.click(way.form, way.command);
    EXPECT_EQ(run.host.quits, 2);
    EXPECT_NE(contents(file("d.cvd")), savedBefore);
    EXPECT_FALSE(run.session().hasUnsavedChanges());
  }
}

TEST_F(Session, YesOnAnUntitledDesignAsksForAFileAndACancelledChooserKeepsRunning) {
  ProgramRun run;
  edited(run);
  run.host.threeWayAnswers = {Answer::Yes};
  run.click("MDIForm1", "OVER");
  EXPECT_EQ(run.host.quits, 0);
  EXPECT_EQ(run.host.filtersSeen, (std::vector<std::string>{kProjectFileFilter}));

  run.host.threeWayAnswers = {Answer::Yes};
  run.host.files = {file("named")};  // typed without an extension
  run.click("MDIForm1", "OVER");
  EXPECT_EQ(run.host.quits, 1);
  EXPECT_TRUE(fs::exists(file("named.cvd")));
}

TEST_F(Session, ASavedOrOpenedDesignClosesWithoutAQuestion) {
  ProgramRun run;
  edited(run);
  ASSERT_TRUE(run.session().saveTo(file("d.cvd")));
  run.click("MDIForm1", "OVER");
  EXPECT_EQ(run.host.quits, 1);

  ProgramRun other;
  ASSERT_TRUE(other.session().openFile(file("d.cvd")));
  other.click("Frmcore", "OVER");
  EXPECT_EQ(other.host.quits, 1);
  EXPECT_TRUE(other.host.questionsAsked.empty());
}

TEST_F(Session, WireToolsSayFarewellOnlyWhenTheProgramEnds) {
  ProgramRun run;
  edited(run);
  run.click("MDIForm1", "Tools");
  run.host.threeWayAnswers = {Answer::Cancel};
  run.click("FrmWireTools", "OP");
  EXPECT_TRUE(run.host.messages.empty());
  EXPECT_TRUE(run.form("FrmWireTools").visible());

  run.host.threeWayAnswers = {Answer::No};
  run.click("FrmWireTools", "OP");
  EXPECT_EQ(run.host.messageTexts(), std::vector<std::string>{FrmWireTools::kGoodbye});
  EXPECT_EQ(run.host.quits, 1);
}

TEST_F(Session, OnlyTheUsersEditsOfDesignValuesCount) {
  ProgramRun run;
  run.click("MDIForm1", "NEW");  // the form's load sets its defaults
  run.click("MDIForm1", "Tools");
  Form& main = run.form("MDIForm1");
  Form& tools = run.form("FrmWireTools");
  for (int i = 0; i < 5; ++i) {
    main.tick(main.control("Tim1"));    // the seconds counter
    tools.tick(tools.control("Tim1"));  // the clock
  }
  EXPECT_FALSE(run.session().hasUnsavedChanges());
  EXPECT_EQ(caption(run), "Peak Corvane专家系统 欢迎使用");
  run.click("MDIForm1", "OVER");
  EXPECT_TRUE(run.host.questionsAsked.empty());

  run.set("Frmeledata", "TXTTEMP20", "30");
  EXPECT_TRUE(run.session().hasUnsavedChanges());
  EXPECT_EQ(caption(run), "Peak Corvane专家系统 - 未命名设计*");
}

TEST_F(Session, TitleNamesTheFileAndMarksUnsavedChanges) {
  ProgramRun run;
  edited(run);
  run.host.files = {file("motor.cvd")};
  run.click("MDIForm1", "SAVE");
  EXPECT_EQ(caption(run), "Peak Corvane专家系统 - motor.cvd");
  run.set("Frmeledata", "txtidc", "2", 0);
  EXPECT_EQ(caption(run), "Peak Corvane专家系统 - motor.cvd*");
  run.click("MDIForm1", "SAVE");  // to the same file, no chooser
  EXPECT_EQ(caption(run), "Peak Corvane专家系统 - motor.cvd");
  EXPECT_EQ(run.host.filtersSeen.size(), 1u);

  run.host.files = {file("copy.cvd")};
  run.click("MDIForm1", "SAVEAS");
  EXPECT_EQ(caption(run), "Peak Corvane专家系统 - copy.cvd");
  EXPECT_EQ(contents(file("copy.cvd")), contents(file("motor.cvd")));
}

// Mended: "新建" showed the previous design again.
TEST_F(Session, NewStartsFromTheOpeningStateOfEveryForm) {
  ProgramRun fresh;
  fresh.click("MDIForm1", "NEW");

  ProgramRun run;
  fullChain(run);
  run.host.threeWayAnswers = {Answer::Cancel};
  run.click("MDIForm1", "NEW");
  EXPECT_NE(run.workspace.existing("Frmjiegou"), nullptr);

  run.host.threeWayAnswers = {Answer::No};
  run.click("MDIForm1", "NEW");
  for (const char* gone : {"Frmbobbin", "Frmjiegou", "FrmWireTools"})
    EXPECT_EQ(run.workspace.existing(gone), nullptr) << gone;
  EXPECT_TRUE(run.form("Frmeledata").visible());
  EXPECT_EQ(run.state(), fresh.state());
  EXPECT_FALSE(run.session().hasUnsavedChanges());
  EXPECT_EQ(run.session().path(), "");
}

TEST_F(Session, ElectricalOpenAsksBeforeItsChooser) {
  ProgramRun run;
  edited(run);
  run.host.threeWayAnswers = {Answer::Cancel};
  run.click("Frmeledata", "OPEN");
  EXPECT_EQ(run.host.questionsAsked, std::vector<std::string>{kQuestion});
  EXPECT_TRUE(run.host.filtersSeen.empty());
  EXPECT_EQ(run.form("Frmeledata").control("txtudc", 0).text(), "12");
}

TEST_F(Session, OpeningAnotherDesignAsksFirst) {
  ProgramRun other;
  other.click("MDIForm1", "NEW");
  ASSERT_TRUE(other.session().saveTo(file("other.cvd")));

  ProgramRun run;
  edited(run);
  run.host.threeWayAnswers = {Answer::Cancel};
  run.host.files = {file("other.cvd")};
  run.click("MDIForm1", "OPEN");
  EXPECT_EQ(run.form("Frmeledata").control("txtudc", 0).text(), "12");
  EXPECT_EQ(run.host.files.size(), 1u);  // the chooser never came

  run.host.threeWayAnswers = {Answer::No};
  run.click("MDIForm1", "OPEN");
  EXPECT_EQ(run.form("Frmeledata").control("txtudc", 0).text(), "");
  EXPECT_EQ(caption(run), "Peak Corvane专家系统 - other.cvd");
}

TEST_F(Session, RecentDesignsNewestFirstAtMostEightAndAMissingOneLeaves) {
  ProgramRun run;
  run.click("MDIForm1", "NEW");
  for (int i = 1; i <= 10; ++i) ASSERT_TRUE(run.session().saveTo(file(std::to_string(i) + ".cvd")));
  ASSERT_TRUE(run.session().saveTo(file("4.cvd")));  // again: to the front, not twice
  std::vector<std::string> expected;
  for (int i : {4, 10, 9, 8, 7, 6, 5, 3}) expected.push_back(file(std::to_string(i) + ".cvd"));
  EXPECT_EQ(run.host.recent, expected);
  Form& main = run.form("MDIForm1");
  EXPECT_EQ(main.control("RECENT", 2).caption(), "2 " + file("10.cvd"));
  EXPECT_TRUE(main.control("RECENT", 8).visible());

  fs::remove(file("10.cvd"));
  run.click("MDIForm1", "RECENT", 2);
  EXPECT_EQ(run.host.messageTexts().back(),
            "设计文件“" + file("10.cvd") + "”已不存在，已将它从最近的设计中移除。");
  EXPECT_EQ(run.host.recent.size(), 7u);
  EXPECT_FALSE(main.control("RECENT", 8).visible());
  EXPECT_EQ(main.control("RECENT", 2).caption(), "2 " + file("9.cvd"));

  // a new run finds them in the settings
  ProgramRun next;
  next.host.recent = run.host.recent;
  next.click("MDIForm1", "RECENT", 3);
  EXPECT_EQ(next.session().path(), file("8.cvd"));
}

TEST_F(Session, ASaveOnAFullDiskSaysSoAndKeepsTheOldFileAndTheChanges) {
  ProgramRun run;
  const std::string old = savedThenChanged(run, file("d.cvd"));
  {
    testing::FileSizeLimit full(64);
    EXPECT_FALSE(run.session().save());
  }
  ASSERT_EQ(run.host.messages.size(), 1u);
  EXPECT_EQ(run.host.messageTexts()[0],
            "无法保存设计文件“" + file("d.cvd") + "”：文件超出允许的大小。");
  EXPECT_EQ(contents(file("d.cvd")), old);
  EXPECT_FALSE(fs::exists(file("d.cvd.corvane-tmp")));
  EXPECT_TRUE(run.session().hasUnsavedChanges());
  // the design is still there to save once the disk has room
  EXPECT_TRUE(run.session().save());
  EXPECT_FALSE(run.session().hasUnsavedChanges());
  EXPECT_NE(contents(file("d.cvd")), old);
}

TEST_F(Session, AFailedSaveSaysSoAndLeavesTheOldFile) {
  ProgramRun run;
  const std::string old = savedThenChanged(run, file("d.cvd"));
  // the temporary file beside the target cannot be made
  fs::create_directory(file("d.cvd.corvane-tmp"));
  EXPECT_FALSE(run.session().save());
  EXPECT_EQ(run.host.messages.size(), 1u);
  EXPECT_EQ(run.host.messageTexts()[0].rfind("无法保存设计文件“" + file("d.cvd") + "”：", 0), 0u);
  EXPECT_EQ(contents(file("d.cvd")), old);
  EXPECT_TRUE(run.session().hasUnsavedChanges());

  // and a close that would save it stays open
  run.host.threeWayAnswers = {Answer::Yes};
  run.click("MDIForm1", "OVER");
  EXPECT_EQ(run.host.quits, 0);
}

// ---------------------------------------------------------------- recovery

TEST_F(Session, RecoveryCopyAtMostOnceAMinuteWhileChangesAreUnsaved) {
  ProgramRun run(folder / "data");
  const std::string copy = run.session().recoveryPath();
  Form& main = run.form("MDIForm1");
  auto seconds = [&](int n) {
    for (int i = 0; i < n; ++i) main.tick(main.control("Tim1"));
  };
  run.click("MDIForm1", "NEW");
  seconds(5);
  EXPECT_FALSE(fs::exists(copy));  // nothing unsaved

  edited(run);
  seconds(1);
  ASSERT_TRUE(fs::exists(copy));
  const std::string first = contents(copy);
  EXPECT_EQ(first.rfind("{\n\"format\": \"corvane-design\",\n\"version\": 2,\n\"recovery\": ", 0),
            0u);
  run.set("Frmeledata", "txtidc", "2", 0);
  seconds(59);
  EXPECT_EQ(contents(copy), first);
  seconds(1);
  EXPECT_NE(contents(copy), first);

  ASSERT_TRUE(run.session().saveTo(file("d.cvd")));
  EXPECT_FALSE(fs::exists(copy));
}

TEST_F(Session, AfterAnAbnormalEndTheNextStartOffersTheDesignBack) {
  ProjectRecord before;
  {
    ProgramRun crashed(folder / "data");
    fullChain(crashed);
    ASSERT_TRUE(crashed.session().saveTo(file("d.cvd")));
    crashed.set("Frmeledata", "TXTTEMP20", "35");
    Form& main = crashed.form("MDIForm1");
    main.tick(main.control("Tim1"));
    before = crashed.state();
  }  // the run ends without "关闭": the copy stays

  ProgramRun next(folder / "data");
  next.host.questions = {true};
  ASSERT_TRUE(next.session().offerRecovery());
  EXPECT_EQ(next.state(), before);
  EXPECT_TRUE(next.session().hasUnsavedChanges());
  EXPECT_EQ(next.session().path(), file("d.cvd"));
  EXPECT_EQ(caption(next), "Peak Corvane专家系统 - d.cvd*");

  // a normal end takes the copy away
  next.host.threeWayAnswers = {Answer::No};
  next.click("MDIForm1", "OVER");
  EXPECT_FALSE(fs::exists(next.session().recoveryPath()));
}

TEST_F(Session, DecliningTheRecoveryDeletesTheCopy) {
  {
    ProgramRun crashed(folder / "data");
    edited(crashed);
    Form& main = crashed.form("MDIForm1");
    main.tick(main.control("Tim1"));
  }
  ProgramRun next(folder / "data");
  ASSERT_TRUE(fs::exists(next.session().recoveryPath()));
  EXPECT_FALSE(next.session().offerRecovery());  // no answer queued: No
  EXPECT_FALSE(fs::exists(next.session().recoveryPath()));
  EXPECT_EQ(next.workspace.existing("Frmeledata"), nullptr);
  EXPECT_FALSE(next.session().offerRecovery());
  EXPECT_EQ(next.host.questionsAsked.size(), 1u);
}

}  // namespace
}  // namespace corvane::testing
