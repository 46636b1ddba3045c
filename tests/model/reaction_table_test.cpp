// The reaction table looked up by control name and event kind: a reaction
// may replace itself while it runs, the kinds of one name stay apart, and
// names and look-ups find what was registered, however many controls a form
// has.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/form.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

class TableForm : public Form {
 public:
  explicit TableForm(Workspace& ws) : Form(ws, "frmTable", "table") {
    addControl("Field", ControlKind::TextBox);
    addControl("Button", ControlKind::CommandButton);
    addArray("Cell", ControlKind::TextBox);
    // many names, so the look-up is more than a handful of entries
    for (int i = 0; i < 300; ++i) addControl("Extra" + std::to_string(i), ControlKind::TextBox);
    on(EventKind::Click, "Button", [this](Control&, const EventArgs&) {
      log.push_back("first");
      // the running reaction replaces its own entry and must still finish
      on(EventKind::Click, "Button",
         [this](Control&, const EventArgs&) { log.push_back("second"); });
      log.push_back("first done");
    });
    on(EventKind::Change, "Field",
       [this](Control& c, const EventArgs&) { log.push_back(c.text()); });
    on(EventKind::Enter, "Field", [this](Control&, const EventArgs&) { log.push_back("enter"); });
    on(EventKind::Change, "Extra299", [this](Control&, const EventArgs&) { log.push_back("299"); });
  }
  std::vector<std::string> log;
};

struct ReactionTable : ::testing::Test {
  ReactionTable() {
    ws.registerForm("frmTable", [](Workspace& w) { return std::make_unique<TableForm>(w); });
  }
  TableForm& form() { return ws.form<TableForm>("frmTable"); }
  testing::FakeHost host;
  Workspace ws{host};
};

TEST_F(ReactionTable, AReactionThatReplacesItselfFinishesAndTheNewOneRunsNext) {
  form().userClick(form().control("Button"));
  form().userClick(form().control("Button"));
  EXPECT_EQ(form().log, (std::vector<std::string>{"first", "first done", "second"}));
}

TEST_F(ReactionTable, EventKindsOfOneNameStayApart) {
  EXPECT_TRUE(form().hasReaction(EventKind::Change, "Field"));
  EXPECT_TRUE(form().hasReaction(EventKind::Enter, "Field"));
  EXPECT_FALSE(form().hasReaction(EventKind::Click, "Field"));
  EXPECT_FALSE(form().hasReaction(EventKind::Change, "Fiel"));
  EXPECT_FALSE(form().hasReaction(EventKind::Change, "Cell"));
  form().userSetText(form().control("Field"), "7");
  form().userEnter(form().control("Field"));
  form().userClick(form().control("Field"));  // no click reaction: nothing runs
  EXPECT_EQ(form().log, (std::vector<std::string>{"7", "enter"}));
}

TEST_F(ReactionTable, NamesAreListedOnceInOrder) {
  EXPECT_EQ(form().reactionNames(), (std::vector<std::string>{"Button", "Extra299", "Field"}));
}

TEST_F(ReactionTable, LookUpsFindEveryControlByItsName) {
  TableForm& f = form();
  for (int i = 0; i < 300; ++i) {
    const std::string name = "Extra" + std::to_string(i);
    ASSERT_NE(f.find(name), nullptr) << name;
    EXPECT_EQ(f.find(name)->name(), name);
  }
  EXPECT_EQ(f.find("extra1"), nullptr);  // names are case-sensitive
  EXPECT_EQ(f.find("Cell"), nullptr);    // an array needs its index
  EXPECT_NE(f.find("Cell", 0), nullptr);
  EXPECT_EQ(f.find("Field", 0), nullptr);
  EXPECT_EQ(f.names().front(), "Field");  // design order, not hash order
  EXPECT_EQ(f.names().back(), "Extra299");
  f.userSetText(f.control("Extra299"), "x");
  EXPECT_EQ(f.log.back(), "299");
}

}  // namespace
}  // namespace corvane
