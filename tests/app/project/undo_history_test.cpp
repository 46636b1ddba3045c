// Undo and redo over the whole design: a step takes back its whole cascade on
// every form, a form discarded by a navigation comes back with its edits, the
// "编辑" menu names the step, typing into one field is one step, and the
// unsaved-changes mark follows the position in the history.
#include <gtest/gtest.h>

#include <map>

#include "model/design_history.h"
#include "model/step_label.h"
#include "model/translator.h"
#include "project_fixture.h"

namespace corvane::testing {
namespace {

using Undo = ProjectTest;

DesignImage image(ProgramRun& run) {
  return captureImage(run.workspace);
}

// Undo gives back `before` exactly, redo `after`.
void undoesAndRedoes(ProgramRun& run, const DesignImage& before) {
  const DesignImage after = image(run);
  ASSERT_FALSE(sameImage(before, after));
  ASSERT_TRUE(run.workspace.history().undo());
  EXPECT_TRUE(sameImage(image(run), before));
  ASSERT_TRUE(run.workspace.history().redo());
  EXPECT_TRUE(sameImage(image(run), after));
}

std::string menu(ProgramRun& run, const char* item) {
  return run.form("MDIForm1").control(item).caption();
}

bool menuEnabled(ProgramRun& run, const char* item) {
  return run.form("MDIForm1").control(item).enabled();
}

TEST_F(Undo, BackFromTheWindingTableBringsTheTableBackWithItsEdits) {
  ProgramRun run;
  fullChain(run);
  const std::string editedTurns = run.form("Frmjiegou").control("TXTTURN", 4).text();
  const DesignImage before = image(run);
  const Form* active = run.workspace.activeForm();
  run.click("Frmjiegou", "Command2");  // "上一步" discards the table
  ASSERT_EQ(run.workspace.existing("Frmjiegou"), nullptr);
  EXPECT_EQ(menu(run, "UNDO"), "撤销 上一步");

  ASSERT_TRUE(run.workspace.history().undo());
  ASSERT_NE(run.workspace.existing("Frmjiegou"), nullptr);
  EXPECT_EQ(run.form("Frmjiegou").control("TXTTURN", 4).text(), editedTurns);
  EXPECT_TRUE(run.form("Frmjiegou").visible());
  EXPECT_EQ(run.workspace.activeForm(), active);
  EXPECT_TRUE(sameImage(image(run), before));
  ASSERT_TRUE(run.workspace.history().redo());
  EXPECT_EQ(run.workspace.existing("Frmjiegou"), nullptr);
}

TEST_F(Undo, DeletedGroupComesBackWithEveryFieldAndTheTotals) {
  ProgramRun run;
  fullChain(run);
  Form& electrical = run.form("Frmeledata");
  const std::string volts = electrical.control("txtudc", 8).text();
  const std::string power = electrical.control("txtpo").text();
  const DesignImage before = image(run);
  run.host.inputs.push_back("9");
  run.click("Frmeledata", "CMDWNDEL");
  ASSERT_EQ(electrical.find("txtudc", 8), nullptr);
  undoesAndRedoes(run, before);
  ASSERT_TRUE(run.workspace.history().undo());
  EXPECT_EQ(electrical.control("txtudc", 8).text(), volts);
  EXPECT_EQ(electrical.control("txtpo").text(), power);
}

// A new output current rewrites the group's figures and the totals: one
// undo takes all of it back, and no message or question comes of it.
TEST_F(Undo, OneUndoTakesBackTheWholeCascadeQuietly) {
  ProgramRun run;
  fullChain(run);
  const DesignImage before = image(run);
  const size_t messages = run.host.messages.size();
  run.set("Frmeledata", "txtidc", "0.7", 1);
  run.enter("Frmeledata", "txtidc", 1);
  ASSERT_TRUE(run.workspace.history().undo());  // the Enter
  ASSERT_TRUE(run.workspace.history().undo());  // the typing
  EXPECT_TRUE(sameImage(image(run), before));
  EXPECT_EQ(run.host.messages.size(), messages);
  // past the start of the history nothing happens
  while (run.workspace.history().undo()) {
  }
  EXPECT_FALSE(run.workspace.history().canUndo());
  EXPECT_FALSE(menuEnabled(run, "UNDO"));
}

TEST_F(Undo, MenuNamesTheStepAndIsGreyedWithNothingToDo) {
  ProgramRun run;
  fullChain(run);
  EXPECT_FALSE(menuEnabled(run, "REDO"));
  EXPECT_EQ(menu(run, "REDO"), "重做");
  run.set("Frmjiegou", "TXTTURN", "31", 2);
  EXPECT_EQ(menu(run, "UNDO"), "撤销 修改 圈数Ts(2)");
  run.workspace.history().undo();
  EXPECT_EQ(menu(run, "REDO"), "重做 修改 圈数Ts(2)");
  EXPECT_TRUE(menuEnabled(run, "REDO"));

  run.click("FrmBomList", "Check8");
  EXPECT_EQ(menu(run, "UNDO").rfind("撤销 取消勾选 ", 0), 0u) << menu(run, "UNDO");
  // a new step drops what could be redone
  EXPECT_FALSE(menuEnabled(run, "REDO"));
  Form& core = run.form("Frmcore");
  core.userChoose(core.control("Cmbnew"), 0);
  EXPECT_EQ(menu(run, "UNDO").rfind("撤销 选择 ", 0), 0u) << menu(run, "UNDO");
}

// A few English texts, by context.
class Dictionary : public Translator {
 public:
  std::map<std::pair<std::string, std::string>, std::string> entries;
  std::string translate(std::string_view context, const std::string& source) const override {
    auto it = entries.find({std::string(context), source});
    return it == entries.end() ? source : it->second;
  }
};

std::string shownMenu(ProgramRun& run, const char* item, const Translator& translator) {
  const Form& main = run.form("MDIForm1");
  return main.shownCaption(main.control(item), translator);
}

TEST_F(Undo, MenuSaysTheStepInTheLanguageShownWithTheFieldsOwnLabel) {
  ProgramRun run;
  fullChain(run);
  Dictionary english;
  english.entries = {{{"MDIForm1", "撤销"}, "Undo"},
                     {{"MDIForm1", "重做"}, "Redo"},
                     {{"MDIForm1", "修改"}, "Edit"},
                     {{"MDIForm1", "勾选"}, "Tick"},
                     // a label's access key and closing colon go in English too
                     {{"Frmjiegou", "圈数Ts"}, "&Turns Ts:"},
                     {{"Frmjiegou", "上一步"}, "Back"}};
  run.set("Frmjiegou", "TXTTURN", "31", 2);
  EXPECT_EQ(shownMenu(run, "UNDO", english), "Undo Edit Turns Ts(2)");
  // the program's own text stays as it was
  EXPECT_EQ(menu(run, "UNDO"), "撤销 修改 圈数Ts(2)");
  run.workspace.history().undo();
  EXPECT_EQ(shownMenu(run, "REDO", english), "Redo Edit Turns Ts(2)");
  // a command names itself by its caption in its form's language
  run.click("Frmjiegou", "Command2");
  EXPECT_EQ(shownMenu(run, "UNDO", english), "Undo Back");
  EXPECT_EQ(shownMenu(run, "REDO", english), "Redo");
  // the same label may read otherwise on another form: each is looked up in its own
  english.entries[{"Frmeledata", "圈数Ts"}] = "wrong form";
  run.workspace.history().undo();
  EXPECT_EQ(shownMenu(run, "REDO", english), "Redo Back");
  while (run.workspace.history().undo()) {
  }
  EXPECT_EQ(shownMenu(run, "UNDO", english), "Undo");
}

TEST_F(Undo, EveryStepNameOfEveryFormIsItsFieldsLabelOrAddress) {
  ProgramRun run;
  fullChain(run);
  for (const std::string& name : run.workspace.formNames()) {
    const Form& form = run.form(name.c_str());
    for (const StepName& step : possibleStepNames(form)) {
      const std::string text = stepText(step);
      EXPECT_FALSE(text.empty()) << name;
      // a name is never a label with its colon or access key
      EXPECT_EQ(text.find('&'), std::string::npos) << text;
      EXPECT_FALSE(text.ends_with("：") || text.ends_with(":")) << text;
      // a label is a text of the form it names a field of; an address is no text
      if (!step.context.empty()) {
        EXPECT_EQ(step.context, name) << text;
      } else if (!step.label.empty()) {
        EXPECT_FALSE(containsCjk(step.label)) << text;
      }
    }
  }
}

TEST_F(Undo, TypingIntoOneFieldIsOneStepUntilTheFocusLeaves) {
  ProgramRun run;
  run.click("MDIForm1", "NEW");
  Form& electrical = run.form("Frmeledata");
  Control& volts = electrical.control("txtudc", 0);
  const size_t steps = run.workspace.history().size();
  electrical.userType(volts, "1");
  electrical.userType(volts, "2");
  run.set("Frmeledata", "txtudc", "125", 0);
  EXPECT_EQ(run.workspace.history().size(), steps + 1);
  electrical.userFocus(electrical.control("txtidc", 0));
  electrical.userType(volts, "3");
  EXPECT_EQ(run.workspace.history().size(), steps + 2);
  run.workspace.history().undo();
  EXPECT_EQ(volts.text(), "125");
  run.workspace.history().undo();
  EXPECT_EQ(volts.text(), "");
}

TEST_F(Undo, TheUnsavedMarkFollowsThePositionInTheHistory) {
  ProgramRun run;
  run.click("MDIForm1", "NEW");
  run.set("Frmeledata", "txtudc", "12", 0);
  run.enter("Frmeledata", "txtudc", 0);
  ASSERT_TRUE(run.session().saveTo(file("d.cvd")));
  const size_t steps = run.workspace.history().size();
  EXPECT_GT(steps, 0u);  // a save keeps the history
  run.set("Frmeledata", "txtidc", "2", 0);
  EXPECT_TRUE(run.session().hasUnsavedChanges());
  EXPECT_NE(run.form("MDIForm1").caption().find('*'), std::string::npos);

  run.workspace.history().undo();
  EXPECT_FALSE(run.session().hasUnsavedChanges());
  EXPECT_EQ(run.form("MDIForm1").caption().find('*'), std::string::npos);
  run.workspace.history().redo();
  EXPECT_TRUE(run.session().hasUnsavedChanges());
  // back before the save is a change too, and so is another edit made from
  // the saved state after an undo
  run.workspace.history().undo();
  run.workspace.history().undo();
  EXPECT_TRUE(run.session().hasUnsavedChanges());
  run.workspace.history().redo();
  EXPECT_FALSE(run.session().hasUnsavedChanges());
  run.set("Frmeledata", "txtidc", "3", 0);
  EXPECT_TRUE(run.session().hasUnsavedChanges());
}

TEST_F(Undo, NewAndOpenedDesignsStartWithoutHistory) {
  ProgramRun run;
  run.click("MDIForm1", "NEW");
  EXPECT_FALSE(run.workspace.history().canUndo());  // the first new design too
  run.set("Frmeledata", "txtudc", "12", 0);
  ASSERT_TRUE(run.session().saveTo(file("d.cvd")));
  ASSERT_TRUE(run.workspace.history().canUndo());
  ASSERT_TRUE(run.session().openFile(file("d.cvd")));
  EXPECT_FALSE(run.workspace.history().canUndo());
  run.set("Frmeledata", "txtudc", "15", 0);
  run.host.threeWayAnswers = {Answer::No};  // the change goes
  run.click("MDIForm1", "NEW");
  EXPECT_FALSE(run.workspace.history().canUndo());
  EXPECT_FALSE(run.workspace.history().canRedo());
}

// A step on the winding table redraws the cross-section on demand: the
// history keeps that drawing as it stands, without drawing it, and undo and
// redo give the picture back as it was drawn.
TEST_F(Undo, AStepKeepsTheCrossSectionItRedrawsUndrawn) {
  ProgramRun run;
  fullChain(run);
  const Picture* section = run.form("Frmjiegou").control("Picture1").pictureIfAny();
  ASSERT_NE(section, nullptr);
  const DesignImage before = image(run);  // draws it
  ASSERT_EQ(section->pending(), nullptr);
  run.set("Frmjiegou", "TXTTURN", "44", 2);
  run.enter("Frmjiegou", "TXTTURN", 2);
  EXPECT_NE(section->pending(), nullptr);
  const DesignImage after = image(run);
  ASSERT_FALSE(sameImage(before, after));
  DesignHistory& history = run.workspace.history();
  ASSERT_TRUE(history.undo());  // the Enter
  ASSERT_TRUE(history.undo());  // the typing
  EXPECT_TRUE(sameImage(image(run), before));
  ASSERT_TRUE(history.redo());
  ASSERT_TRUE(history.redo());
  EXPECT_TRUE(sameImage(image(run), after));
}

// A step keeps what changed: one field typed into the nine-group design
// holds a small part of what the whole design holds.
TEST_F(Undo, AStepHoldsWhatChangedNotTheWholeDesign) {
  ProgramRun run;
  size_t worst = 0;
  DesignHistory& history = run.workspace.history();
  const int watch =
      history.changed.connect([&] { worst = std::max(worst, history.lastStepBytes()); });
  fullChain(run);
  history.changed.disconnect(watch);
  run.set("FrmWireTools", "TxtWireD", "0.6");
  const size_t oneField = history.lastStepBytes();
  const size_t whole = imageBytes(image(run));
  EXPECT_LT(oneField * 20, whole);
  std::cout << "nine-group design: one field " << oneField << " bytes, worst step " << worst
            << " bytes, the whole design " << whole << " bytes\n";
}

}  // namespace
}  // namespace corvane::testing
