// The runtime's path for putting a saved design back: states restored with
// no reaction, the counting of the user's changes, members kept by forms,
// and the discarding of a design.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/form.h"
#include "model/picture.h"
#include "model/project_state.h"
#include "model/value.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

// Every kind of reaction writes a log; Volts doubles into Twice.
class LoggingForm : public Form {
 public:
  LoggingForm(Workspace& ws, const char* name) : Form(ws, name, "logging") {
    addControl("Volts", ControlKind::TextBox);
    addControl("Twice", ControlKind::TextBox);
    addControl("Kind", ControlKind::ComboBox, {.items = {"无", "硅管"}, .listIndex = 0});
    addControl("Flag", ControlKind::CheckBox);
    addControl("Sketch", ControlKind::PictureBox);
    addControl("Clock", ControlKind::Timer, {.interval = 1000});
    addArray("Row", ControlKind::TextBox, {.text = "r0"});
    on(EventKind::Change, "Volts", [this](Control& c, const EventArgs&) {
      log.push_back("change");
      control("Twice").setText(generalFormat(c.num() * 2));
    });
    on(EventKind::Choose, "Kind", [this](Control&, const EventArgs&) { log.push_back("choose"); });
    on(EventKind::Click, "Flag", [this](Control&, const EventArgs&) { log.push_back("click"); });
    on(EventKind::Tick, "Clock", [this](Control&, const EventArgs&) {
      control("Twice").setText("tick " + std::to_string(++ticks));
    });
    keep("count", count, 0, 9);
    keep("ratio", ratio);
    keep("ready", ready);
  }
  void load() override { control("Volts").setText("5"); }
  void activated() override { log.push_back("activated"); }

  std::vector<std::string> log;
  int ticks = 0;
  int count = 0;
  double ratio = 0;
  bool ready = false;
};

class QuietRestore : public ::testing::Test {
 protected:
  QuietRestore() {
    ws.registerForm("frmDesign",
                    [](Workspace& w) { return std::make_unique<LoggingForm>(w, "frmDesign"); });
    ws.registerForm(
        "frmWindow", [](Workspace& w) { return std::make_unique<LoggingForm>(w, "frmWindow"); },
        FormRole::Program);
    ws.registerForm(
        "frmFigures", [](Workspace& w) { return std::make_unique<LoggingForm>(w, "frmFigures"); },
        FormRole::Derived);
  }
  LoggingForm& design() { return ws.form<LoggingForm>("frmDesign"); }

  testing::FakeHost host;
  Workspace ws{host};
};

TEST_F(QuietRestore, ARestoredStateRunsNoReactionAndEveryViewHearsOfIt) {
  LoggingForm& form = design();
  form.log.clear();
  Control& kind = form.control("Kind");
  std::vector<Property> heard;
  kind.changed.connect([&](Property p) { heard.push_back(p); });

  ControlState saved = kind.state();
  saved.items = {"无", "锗管", "硅管"};
  saved.listIndex = 2;
  saved.text = "硅管";
  saved.enabled = false;
  saved.hasBackColor = true;
  saved.backColor = {255, 0, 0};
  saved.geometry = {1, 2, 3, 4};
  ws.runQuietly([&] { kind.restore(saved); });
  EXPECT_TRUE(form.log.empty());
  EXPECT_EQ(kind.state(), saved);
  EXPECT_EQ(heard,
            (std::vector<Property>{Property::Items, Property::ListIndex, Property::Text,
                                   Property::BackColor, Property::Geometry, Property::Enabled}));

  // even a plain write runs no reaction while quiet
  ws.runQuietly([&] { form.control("Volts").setText("7"); });
  EXPECT_EQ(form.control("Twice").text(), "10");
  ws.runQuietly([&] { form.control("Flag").setValue(1); });
  EXPECT_TRUE(form.log.empty());
  // and the next user edit cascades as usual
  form.userSetText(form.control("Volts"), "8");
  EXPECT_EQ(form.control("Twice").text(), "16");
}

TEST_F(QuietRestore, APictureComesBackAsOneChange) {
  Picture& sketch = design().control("Sketch").picture();
  int changes = 0;
  sketch.changed.connect([&] { ++changes; });
  std::vector<DrawOp> ops = {{DrawOp::Kind::Scale, 0, 0, 10, 10, 0, 0, {}, {}},
                             {DrawOp::Kind::Text, 1, 2, 0, 0, 0, 0, {0, 0, 255}, "N1"}};
  sketch.restore(ops, {1, 2, 3}, {4, 5, 6});
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(sketch.ops(), ops);
  EXPECT_EQ(sketch.backColor(), (Rgb{1, 2, 3}));
  sketch.restore(ops, {1, 2, 3}, {4, 5, 6});
  EXPECT_EQ(changes, 1);
}

TEST_F(QuietRestore, OnlyTheUsersChangesOfDesignValuesCount) {
  LoggingForm& form = design();  // the load writes Volts: no change
  EXPECT_EQ(ws.designRevision(), 0u);
  form.tick(form.control("Clock"));
  EXPECT_EQ(form.control("Twice").text(), "tick 1");
  ws.runQuietly([&] { form.control("Volts").setText("1"); });
  EXPECT_EQ(ws.designRevision(), 0u);
  form.userClick(form.control("Flag"));  // a check state is a design value
  EXPECT_EQ(ws.designRevision(), 1u);
}

TEST_F(QuietRestore, ChangesCountPerWriteAndNotOnTheProgramsOwnWindows) {
  LoggingForm& form = design();
  form.userSetText(form.control("Volts"), "3");  // Volts and Twice
  EXPECT_EQ(ws.designRevision(), 2u);
  form.control("Volts").setEnabled(false);  // appearance only
  EXPECT_EQ(ws.designRevision(), 2u);
  form.array("Row").load(1, {});
  EXPECT_EQ(ws.designRevision(), 3u);
  LoggingForm& window = ws.form<LoggingForm>("frmWindow");
  window.userSetText(window.control("Volts"), "9");
  EXPECT_EQ(ws.designRevision(), 3u);
  ws.close("frmDesign");
  EXPECT_EQ(ws.designRevision(), 4u);
}

TEST_F(QuietRestore, AFormCreatedWhileQuietLoadsWithItsReactions) {
  ws.runQuietly([&] { design(); });
  EXPECT_EQ(design().control("Twice").text(), "10");
  EXPECT_EQ(design().log, std::vector<std::string>{"change"});
}

TEST_F(QuietRestore, QuietActivationRunsNoActivationStep) {
  LoggingForm& form = design();
  form.log.clear();
  ws.runQuietly([&] { ws.activate(form); });
  EXPECT_EQ(ws.activeForm(), &form);
  form.restoreVisibility(true);
  EXPECT_TRUE(form.visible());
  EXPECT_TRUE(form.log.empty());
}

TEST_F(QuietRestore, KeptMembersTakeOnlyTheirTypeAndRange) {
  LoggingForm& form = design();
  auto member = [&](const char* name) -> const KeptMember& {
    for (const KeptMember& kept : form.keptMembers())
      if (kept.name == name) return kept;
    throw std::runtime_error(name);
  };
  EXPECT_TRUE(member("count").set(MemberValue(4)));
  EXPECT_FALSE(member("count").set(MemberValue(10)));
  EXPECT_FALSE(member("count").set(MemberValue(std::string("4"))));
  EXPECT_FALSE(member("count").set(MemberValue(4.0)));
  EXPECT_EQ(form.count, 4);
  EXPECT_TRUE(member("ratio").set(MemberValue(2)));  // a whole number is a number too
  EXPECT_TRUE(member("ratio").set(MemberValue(0.125)));
  EXPECT_FALSE(member("ratio").set(MemberValue(true)));
  EXPECT_DOUBLE_EQ(form.ratio, 0.125);
  EXPECT_FALSE(member("ready").set(MemberValue(1)));
  EXPECT_TRUE(member("ready").set(MemberValue(true)));
  EXPECT_EQ(std::get<double>(member("ratio").get()), 0.125);
}

TEST_F(QuietRestore, DiscardingTheDesignKeepsTheProgramsWindows) {
  design();
  ws.form("frmWindow");
  ws.shared().gDiodeDrop.setNumber(0.7);
  ws.discardDesign();
  EXPECT_EQ(ws.existing("frmDesign"), nullptr);
  EXPECT_NE(ws.existing("frmWindow"), nullptr);
  EXPECT_EQ(ws.shared().gDiodeDrop.kind(), SharedValue::Kind::Empty);
  EXPECT_EQ(ws.designRevision(), 0u);
  EXPECT_EQ(design().control("Twice").text(), "10");  // afresh, with its load
}

// A form of figures worked out from the design: the user's edits in it are
// no change to the design, a saved design does not hold it, and a new design
// takes it away with the design forms.
TEST_F(QuietRestore, ADerivedFormIsNeverSavedAndGoesWithTheDesign) {
  design();
  LoggingForm& figures = ws.form<LoggingForm>("frmFigures");
  const unsigned long long before = ws.designRevision();
  figures.userSetText(figures.control("Volts"), "7");
  EXPECT_EQ(ws.designRevision(), before);
  EXPECT_FALSE(ws.holdsDesign("frmFigures"));
  for (const FormRecord& saved : captureProject(ws).forms) EXPECT_NE(saved.name, "frmFigures");
  ws.form("frmWindow");
  ws.discardDesign();
  EXPECT_EQ(ws.existing("frmFigures"), nullptr);
  EXPECT_NE(ws.existing("frmWindow"), nullptr);
}

}  // namespace
}  // namespace corvane
