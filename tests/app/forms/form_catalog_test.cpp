// Every form of the program as the catalogue registers it: each reaction is
// keyed by a control the form has, so a misspelt name cannot leave a
// reaction that never runs.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/form_catalog.h"
#include "model/form.h"
#include "model/form_names.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

TEST(FormCatalog, EveryReactionBelongsToAControlOfItsForm) {
  testing::FakeHost host;
  host.questions.assign(20, false);
  Workspace ws(host);
  registerAllForms(ws);
  for (const std::string& name : ws.formNames()) {
    Form& form = ws.form(name);
    for (const std::string& control : form.reactionNames())
      EXPECT_TRUE(form.find(control) || form.findArray(control)) << name << "." << control;
  }
  EXPECT_GE(ws.formNames().size(), 8u);
}

// The main window's keys reach every window; a design form's keys only its
// own. A key given twice in one reach would choose neither item.
TEST(FormCatalog, NoStandardKeyIsGivenTwiceWhereBothCouldFire) {
  testing::FakeHost host;
  host.questions.assign(20, false);
  Workspace ws(host);
  registerAllForms(ws);
  std::set<std::string> programWide;
  for (const Control* item : ws.form(forms::kMainWindow).allControls())
    if (!item->shortcut().empty()) {
      EXPECT_TRUE(programWide.insert(item->shortcut()).second) << item->address();
    }
  EXPECT_TRUE(programWide.count("Ctrl+S"));
  int formsThatPrint = 0;
  for (const std::string& name : ws.formNames()) {
    if (name == forms::kMainWindow) continue;
    std::set<std::string> own;
    for (const Control* item : ws.form(name).allControls()) {
      if (item->shortcut().empty()) continue;
      EXPECT_EQ(item->kind(), ControlKind::MenuItem) << item->address();
      EXPECT_FALSE(programWide.count(item->shortcut())) << item->address();
      EXPECT_TRUE(own.insert(item->shortcut()).second) << item->address();
    }
    formsThatPrint += static_cast<int>(own.count("Ctrl+P"));
  }
  EXPECT_EQ(formsThatPrint, 4);  // electrical, core, bobbin, structure
}

}  // namespace
}  // namespace corvane
