#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "heap_count.h"
#include "model/control.h"
#include "model/form.h"
#include "model/picture.h"
#include "model/programming_error.h"
#include "model/value.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

// A form whose reactions log what ran, in order, and cascade like a stage
// form: Input feeds Double and Half, Double feeds Sum, Half feeds Sum.
class CascadeForm : public Form {
 public:
  explicit CascadeForm(Workspace& ws) : Form(ws, "frmCascade", "cascade") {
    addControl("Input", ControlKind::TextBox);
    addControl("Double", ControlKind::TextBox);
    addControl("Half", ControlKind::TextBox);
    addControl("Sum", ControlKind::TextBox);
    addControl("Divisor", ControlKind::TextBox, {.text = "1"});
    addControl("Quotient", ControlKind::TextBox);
    addControl("After", ControlKind::TextBox);
    addControl("PingA", ControlKind::TextBox);
    addControl("PingB", ControlKind::TextBox);
    addControl("Kind", ControlKind::ComboBox, {.items = {"无", "硅管"}, .listIndex = 0});
    addControl("Flag", ControlKind::CheckBox, {.caption = "S"});
    addControl("OptA", ControlKind::OptionButton, {.value = 1});
    addControl("OptB", ControlKind::OptionButton);
    addArray("Row", ControlKind::TextBox, {.text = "r0"});
    addControl("Close", ControlKind::CommandButton, {.caption = "上一步"});
    addControl("Typo", ControlKind::CommandButton);
    addControl("PastRows", ControlKind::CommandButton);

    on(EventKind::Change, "Input", [this](Control& c, const EventArgs&) {
      log.push_back("Input");
      control("Double").setText(generalFormat(c.num() * 2));
      control("Half").setText(generalFormat(c.num() / 2));
    });
    on(EventKind::Change, "Double", [this](Control&, const EventArgs&) {
      log.push_back("Double");
      sum();
    });
    on(EventKind::Change, "Half", [this](Control&, const EventArgs&) {
      log.push_back("Half");
      sum();
    });
    on(EventKind::Change, "Sum", [this](Control&, const EventArgs&) { log.push_back("Sum"); });
    // writes Quotient, divides, then writes After: an error in between keeps
    // Quotient's old write and never reaches After
    on(EventKind::Change, "Divisor", [this](Control& c, const EventArgs&) {
      control("Quotient").setText("pending");
      double q = checkedDivide(10, c.num());
      control("Quotient").setText(generalFormat(q));
      control("After").setText("done");
    });
    // a misspelt field name, and a row the array does not have
    on(EventKind::Click, "Typo", [this](Control&, const EventArgs&) {
      control("After").setText("before the typo");
      control("Sume").setText("x");
    });
    on(EventKind::Click, "PastRows", [this](Control&, const EventArgs&) {
      control("After").setText("before the missing row");
      control("Row", 7).setText("x");
    });
    // two fields that keep rewriting each other: only the depth guard stops them
    on(EventKind::Change, "PingA", [this](Control& c, const EventArgs&) {
      control("PingB").setText(generalFormat(c.num() + 1));
    });
    on(EventKind::Change, "PingB", [this](Control& c, const EventArgs&) {
      control("PingA").setText(generalFormat(c.num() + 1));
    });
    on(EventKind::Choose, "Kind",
       [this](Control& c, const EventArgs&) { log.push_back("Kind=" + c.text()); });
    on(EventKind::Click, "Flag",
       [this](Control& c, const EventArgs&) { c.setCaption(c.value() ? "P" : "S"); });
    on(EventKind::Click, {"OptA", "OptB"},
       [this](Control& c, const EventArgs&) { log.push_back("click " + c.name()); });
    on(EventKind::KeyPress, "Input", [this](Control& c, const EventArgs& e) {
      log.push_back("key " + e.keyChar + " before " + c.text());
    });
    on(EventKind::Enter, "Input",
       [this](Control&, const EventArgs&) { setFocus(control("Divisor")); });
    on(EventKind::Click, "Close", [this](Control&, const EventArgs&) {
      workspace().close(name());
      log.push_back("after close");  // the instance must still be alive here
    });
  }

  void load() override {
    ++loads;
    control("Input").setText("0");
  }

  void sum() {
    control("Sum").setText(generalFormat(control("Double").num() + control("Half").num()));
  }

  std::vector<std::string> log;
  int loads = 0;
};

class RuntimeTest : public ::testing::Test {
 protected:
  RuntimeTest() {
    ws.registerForm("frmCascade", [](Workspace& w) { return std::make_unique<CascadeForm>(w); });
  }
  CascadeForm& form() { return ws.form<CascadeForm>("frmCascade"); }
  Control& field(const char* name, int row = -1) { return form().control(name, row); }

  testing::FakeHost host;
  Workspace ws{host};
};

TEST_F(RuntimeTest, FormIsCreatedOnFirstUseWithDefaultsAndLoadsOnce) {
  EXPECT_EQ(ws.existing("frmCascade"), nullptr);
  EXPECT_EQ(ws.field("frmCascade", "Divisor").text(), "1");
  EXPECT_EQ(form().loads, 1);
  EXPECT_EQ(field("Sum").text(), "0");  // the load step cascaded
  form();
  EXPECT_EQ(form().loads, 1);
  EXPECT_THROW(ws.form("frmNobody"), ProgrammingError);
}

// Only the text the user typed counts as typed: what a reaction writes into
// another field, or back over the typed text, is the program's; a typed text
// that does not change the field, or an unknown item of a list, marks nothing.
TEST_F(RuntimeTest, ATextIsTheUsersOnlyAsTypedUntilTheProgramWritesOverIt) {
  form().userSetText(field("Input"), "4");
  EXPECT_TRUE(field("Input").typedByUser());
  EXPECT_FALSE(field("Double").typedByUser());  // the reaction's "8"
  form().userType(field("Divisor"), "5");
  EXPECT_TRUE(field("Divisor").typedByUser());
  EXPECT_FALSE(field("Quotient").typedByUser());
  field("Input").setText("6");
  EXPECT_FALSE(field("Input").typedByUser());
  form().userSetText(field("Input"), "6");  // the same text: still the program's
  EXPECT_FALSE(field("Input").typedByUser());
  form().userSetText(field("Kind"), "锗管");  // not an item: no mark is left behind
  field("Kind").setText("硅管");
  EXPECT_FALSE(field("Kind").typedByUser());
  // a reaction that rewrites the very field typed into: the result is the program's
  form().userSetText(field("PingA"), "1");
  EXPECT_FALSE(field("PingA").typedByUser());
}

TEST_F(RuntimeTest, ChangeReactionRunsOnlyOnARealChange) {
  form().log.clear();
  EXPECT_FALSE(field("Input").setText("0"));
  EXPECT_TRUE(form().log.empty());
  EXPECT_TRUE(field("Input").setText("4"));
  EXPECT_EQ(form().log.front(), "Input");
}

// A number is formatted into a buffer of its own and compared with the text
// shown: written again, it costs only the comparison, even past the 15
// characters a std::string holds without the heap.
TEST_F(RuntimeTest, TheSameNumberWrittenAgainCostsOnlyTheComparison) {
  Control& after = field("After");
  int notices = 0;
  after.changed.connect([&](Property) { ++notices; });
  const double value = 123456789.1234567;
  ASSERT_TRUE(after.setText(fixedText(value, 6)));
  ASSERT_EQ(after.text(), "123456789.123457");
  notices = 0;
  const std::size_t before = testing::heapAllocations();
  EXPECT_FALSE(after.setText(fixedText(value, 6)));
  EXPECT_FALSE(after.setText(fixedText(123456789.1234571, 6)));
  EXPECT_EQ(testing::heapAllocations(), before);
  after.setText("-1.23456789012346E+20");
  const std::size_t general = testing::heapAllocations();
  EXPECT_FALSE(after.setText(generalText(-123456789012345678901.0)));
  EXPECT_EQ(testing::heapAllocations(), general);
  EXPECT_EQ(notices, 1);

  form().log.clear();
  EXPECT_TRUE(field("Sum").setText(generalText(0.1 + 0.2)));
  EXPECT_EQ(field("Sum").text(), "0.3");
  EXPECT_EQ(form().log, std::vector<std::string>{"Sum"});
}

// The read of a field is kept between writes; every way its text changes
// (a write, a restored design) reads anew.
TEST_F(RuntimeTest, AFieldReadFollowsEveryChangeOfItsText) {
  Control& after = field("After");
  after.setText("12");
  EXPECT_EQ(after.num(), 12);
  EXPECT_EQ(after.num(), 12);
  after.setText("35.5W");
  EXPECT_EQ(after.num(), 35.5);
  ControlDesign saved = after.design();
  saved.text = "7";
  after.restoreDesign(saved);
  EXPECT_EQ(after.num(), 7);
  after.setText("");
  EXPECT_EQ(after.num(), 0);
}

TEST_F(RuntimeTest, CascadeRunsInWriteOrderAndTheLastWriteWins) {
  form().log.clear();
  form().userSetText(field("Input"), "4");
  // Double's reaction sums with the old Half (0) first; Half's reaction then
  // rewrites Sum with both new values.
  std::vector<std::string> expected{"Input", "Double", "Sum", "Half", "Sum"};
  EXPECT_EQ(form().log, expected);
  EXPECT_EQ(field("Sum").text(), "10");
}

TEST_F(RuntimeTest, ArithmeticErrorStopsTheRecalculationAndKeepsEarlierWrites) {
  form().userSetText(field("Divisor"), "4");
  EXPECT_EQ(field("Quotient").text(), "2.5");
  field("After").setText("");
  form().userSetText(field("Divisor"), "0");  // must not throw
  EXPECT_EQ(field("Divisor").text(), "0");
  EXPECT_EQ(field("Quotient").text(), "pending");
  EXPECT_EQ(field("After").text(), "");
  EXPECT_TRUE(host.messages.empty());
  // the next event runs normally
  form().userSetText(field("Divisor"), "5");
  EXPECT_EQ(field("Quotient").text(), "2");
}

TEST_F(RuntimeTest, MisspeltFieldNameIsLoudButAMissingRowStopsSilently) {
  EXPECT_THROW(form().userClick(field("Typo")), ProgrammingError);
  EXPECT_EQ(field("After").text(), "before the typo");
  EXPECT_THROW(form().array("Rows"), ProgrammingError);
  form().userClick(field("PastRows"));  // an arithmetic stop: no throw
  EXPECT_EQ(field("After").text(), "before the missing row");
  // the boundary's bookkeeping survived the programming error
  form().userSetText(field("Input"), "2");
  EXPECT_EQ(field("Sum").text(), "5");
}

TEST_F(RuntimeTest, EndlessCascadeIsCutByTheDepthGuard) {
  form().userSetText(field("PingA"), "1");
  double a = field("PingA").num();
  double b = field("PingB").num();
  EXPECT_GT(a + b, 100);  // it ran for a while, then stopped without a crash
  form().userSetText(field("Input"), "2");
  EXPECT_EQ(field("Sum").text(), "5");
}

TEST_F(RuntimeTest, ArrayRowsAreCreatedAndRemovedAtRunTime) {
  std::vector<std::string> seen;
  form().events.connect([&](const FormEvent& e) {
    if (e.kind == FormEventKind::RowAdded) seen.push_back("+" + std::to_string(e.index));
    if (e.kind == FormEventKind::RowRemoved) seen.push_back("-" + std::to_string(e.index));
  });
  ControlArray& rows = form().array("Row");
  ControlInit copy = rows.element(0).snapshot();
  copy.geometry.top += 283;
  rows.load(1, copy);
  rows.load(2, copy);
  EXPECT_EQ(rows.count(), 3u);
  EXPECT_EQ(field("Row", 2).text(), "r0");
  EXPECT_EQ(field("Row", 2).address(), "Row(2)");
  rows.unload(2);
  EXPECT_EQ(form().find("Row", 2), nullptr);
  EXPECT_THROW(rows.element(2), RecalcAbort);
  EXPECT_EQ(seen, (std::vector<std::string>{"+1", "+2", "-2"}));
}

TEST_F(RuntimeTest, ListOnlyComboSelectsByTextAndReportsTheChoice) {
  form().log.clear();
  EXPECT_FALSE(field("Kind").setText("锗管"));  // not an item
  EXPECT_EQ(field("Kind").text(), "无");
  EXPECT_TRUE(field("Kind").setText("硅管"));
  EXPECT_EQ(field("Kind").listIndex(), 1);
  form().userChoose(field("Kind"), 1);  // the same item chosen again still reports
  EXPECT_EQ(form().log, (std::vector<std::string>{"Kind=硅管", "Kind=硅管"}));
}

TEST_F(RuntimeTest, CheckBoxAndOptionButtonsClick) {
  form().userClick(field("Flag"));
  EXPECT_EQ(field("Flag").value(), 1);
  EXPECT_EQ(field("Flag").caption(), "P");
  field("Flag").setValue(0);  // a programmatic change reacts as a click too
  EXPECT_EQ(field("Flag").caption(), "S");
  form().log.clear();
  form().userClick(field("OptB"));
  EXPECT_EQ(field("OptA").value(), 0);
  EXPECT_EQ(field("OptB").value(), 1);
  EXPECT_EQ(form().log, (std::vector<std::string>{"click OptB"}));
}

TEST_F(RuntimeTest, TypingReplacesTheSelectedTextKeyByKey) {
  form().log.clear();
  form().userType(field("Input"), "1晶");
  EXPECT_EQ(field("Input").text(), "1晶");
  EXPECT_EQ(form().focused(), &field("Input"));
  // the first key replaces the whole text selected on focus, the key-press
  // reaction sees the text before the key
  EXPECT_EQ(form().log[0], "key 1 before 0");
  EXPECT_NE(std::find(form().log.begin(), form().log.end(), "key 晶 before 1"), form().log.end());
}

TEST_F(RuntimeTest, EnterMovesTheFocusAlongTheChain) {
  form().userEnter(field("Input"));
  EXPECT_EQ(form().focused(), &field("Divisor"));
  EXPECT_TRUE(field("Divisor").wholeTextSelected());
}

TEST_F(RuntimeTest, FormClosedFromItsOwnReactionIsRecreatedFresh) {
  form().userSetText(field("Input"), "8");
  form().userClick(field("Close"));  // destroys itself only after the event
  EXPECT_EQ(ws.existing("frmCascade"), nullptr);
  EXPECT_EQ(field("Input").text(), "0");
  EXPECT_EQ(form().loads, 1);
}

TEST_F(RuntimeTest, SharedReferencesReadTheFieldLive) {
  SharedValue& ref = ws.shared().gGroupVoltageRef;
  EXPECT_EQ(ref.num(ws), 0);  // nothing set yet
  ref.setReference({"frmCascade", "Row", 0});
  EXPECT_EQ(ref.num(ws), 0);  // the form does not exist yet: references never create it
  form().control("Row", 0).setText("12.2V");
  EXPECT_EQ(ref.num(ws), 12.2);
  EXPECT_TRUE(ref.write(ws, "13"));
  EXPECT_EQ(field("Row", 0).text(), "13");
  ws.close("frmCascade");
  EXPECT_EQ(ref.num(ws), 0);
  EXPECT_EQ(ws.shared().find("gDiodeDrop"), &ws.shared().gDiodeDrop);
  EXPECT_EQ(ws.shared().find("gNothing"), nullptr);
}

// A later stage offering its Divisor to earlier forms under a link name.
struct LinkedCascadeForm : CascadeForm {
  using CascadeForm::CascadeForm;
  static constexpr const char* kName = "frmCascade";
  static constexpr LinkedField kLinkedFields[] = {{"cascadeDivisor", "Divisor"}};
};

TEST(FieldLinkTest, ALinkedFieldIsReachedByItsNameCreatingTheFormOnlyWhenAsked) {
  testing::FakeHost host;
  Workspace ws(host);
  ws.registerForm<LinkedCascadeForm>();
  EXPECT_EQ(ws.linkedFieldIfOpen("cascadeDivisor"), nullptr);
  EXPECT_EQ(ws.existing("frmCascade"), nullptr);  // asking whether it is open opens nothing
  Control& divisor = ws.linkedField("cascadeDivisor");
  EXPECT_EQ(&divisor, &ws.form("frmCascade").control("Divisor"));
  EXPECT_EQ(divisor.text(), "1");
  EXPECT_EQ(ws.linkedFieldIfOpen("cascadeDivisor"), &divisor);
  // a scratch copy of the workspace knows the same links
  Workspace scratch(host);
  scratch.registerFormsOf(ws);
  EXPECT_EQ(scratch.linkedField("cascadeDivisor").text(), "1");
  // a link no form offers is a fault of the program, whichever way it is asked
  EXPECT_THROW(ws.linkedField("cascadeNothing"), ProgrammingError);
  EXPECT_THROW(ws.linkedFieldIfOpen("cascadeNothing"), ProgrammingError);
}

// A form that counts how often it became the active window.
class ActivationForm : public Form {
 public:
  ActivationForm(Workspace& ws, std::string name) : Form(ws, std::move(name), "activation") {}
  void activated() override { ++activations; }
  int activations = 0;
};

TEST(ActivationTest, ShowingActivatesOnceUntilAnotherFormTakesOver) {
  testing::FakeHost host;
  Workspace ws(host);
  for (const char* name : {"frmA", "frmB"})
    ws.registerForm(name,
                    [name](Workspace& w) { return std::make_unique<ActivationForm>(w, name); });
  auto& a = ws.form<ActivationForm>("frmA");
  auto& b = ws.form<ActivationForm>("frmB");
  EXPECT_EQ(a.activations, 0);  // creating a form does not activate it
  a.show();
  a.show();  // already the active window
  EXPECT_EQ(a.activations, 1);
  b.show();
  a.show();  // visible, but brought back to the front
  EXPECT_EQ(a.activations, 2);
  EXPECT_EQ(ws.activeForm(), &a);
  a.hide();
  EXPECT_EQ(ws.activeForm(), nullptr);
  ws.close("frmB");
  a.show();
  EXPECT_EQ(a.activations, 3);
}

TEST(PictureTest, RecordsDrawingsAndKnowsWhenItIsEmpty) {
  Picture picture;
  picture.setScale(0, 0, 70, 150);
  EXPECT_FALSE(picture.hasDrawing());
  picture.circle(21, 3, 2, colors::kBlue, ArcAngles{1.57, 4.71});
  picture.text(33, 5, "W1", colors::kBlue);
  EXPECT_TRUE(picture.hasDrawing());
  std::vector<std::string> expected{"scale 0 0 70 150", "arc 21 3 2 1.57 4.71 0,0,255",
                                    "text 33 5 \"W1\" 0,0,255"};
  EXPECT_EQ(picture.listing(), expected);
  Picture copy;
  picture.replay(copy);
  EXPECT_EQ(copy.listing(), expected);
  picture.clear();
  EXPECT_FALSE(picture.hasDrawing());
}

// Core dimensions of "1e308" give infinite or undefined coordinates: such a
// figure is left out, so the picture equals itself and saves as it shows.
TEST(PictureTest, AFigureAtNoFinitePointIsNotDrawn) {
  Picture picture;
  picture.setScale(0, 0, 70, 150);
  const double huge = 1e308;
  picture.line(0, 0, huge * 10, 5, colors::kBlue);
  picture.filledBox(huge * 10 - huge * 10, 0, 1, 1, colors::kBlue);
  picture.circle(1, 1, std::nan(""), colors::kBlue);
  picture.line(1, 2, 3, 4, colors::kBlue);
  EXPECT_EQ(picture.listing(),
            (std::vector<std::string>{"scale 0 0 70 150", "line 1 2 3 4 0,0,255"}));
  EXPECT_TRUE(picture.ops() == picture.ops());
}

// A drawing on demand is drawn once, when the picture is first read, and
// reads exactly as the same drawing made at once.
TEST(PictureTest, ADrawingOnDemandIsDrawnWhenFirstRead) {
  int drawn = 0;
  auto figures = [&drawn](Drawing& d) {
    ++drawn;
    d.setScale(0, 0, 100, 60);
    d.line(1, 2, 3, 4, colors::kRed);
    d.circle(5, 6, 0.5, colors::kBlue);
  };
  Picture now;
  now.setForeColor(colors::kBlue);
  now.setBackColor(colors::kWhite);
  figures(now);
  drawn = 0;

  Picture later;
  later.setForeColor(colors::kBlue);
  int notices = 0;
  later.changed.connect([&] { ++notices; });
  later.drawOnDemand(colors::kWhite, figures);
  EXPECT_EQ(drawn, 0);
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(later.backColor(), colors::kWhite);
  EXPECT_EQ(later.listing(), now.listing());
  EXPECT_TRUE(later.ops() == now.ops());
  EXPECT_EQ(drawn, 1);
  Picture copy;
  later.replay(copy);
  EXPECT_EQ(copy.listing(), now.listing());
  EXPECT_EQ(drawn, 1);
}

TEST(PictureTest, WhatIsDrawnAfterADrawingOnDemandFollowsIt) {
  Picture picture;
  picture.drawOnDemand(colors::kRed, [](Drawing& d) { d.line(1, 1, 2, 2, colors::kBlue); });
  picture.text(0, 0, "W1", colors::kBlack);
  picture.setForeColor(colors::kBlue);
  EXPECT_EQ(picture.listing(),
            (std::vector<std::string>{"line 1 1 2 2 0,0,255", "text 0 0 \"W1\" 0,0,0",
                                      "forecolor 0,0,255"}));
}

TEST(PictureTest, AClearedOrRepaintedPictureNeverDrawsWhatWasOnDemand) {
  int drawn = 0;
  auto figures = [&drawn](Drawing& d) {
    ++drawn;
    d.line(1, 1, 2, 2, colors::kBlue);
  };
  Picture picture;
  picture.drawOnDemand(colors::kWhite, figures);
  picture.clear();
  EXPECT_FALSE(picture.hasDrawing());
  picture.drawOnDemand(colors::kWhite, figures);
  picture.setBackColor(colors::kRed);
  EXPECT_FALSE(picture.hasDrawing());
  EXPECT_EQ(picture.backColor(), colors::kRed);
  picture.drawOnDemand(colors::kWhite, figures);
  picture.drawOnDemand(colors::kWhite, figures);  // the second replaces the first
  EXPECT_EQ(picture.ops().size(), 1u);
  EXPECT_EQ(drawn, 1);
}

TEST(PictureTest, ADrawingOnDemandThatSetsColoursIsAProgrammingError) {
  Picture picture;
  picture.drawOnDemand(colors::kWhite, [](Drawing& d) { d.setBackColor(colors::kRed); });
  EXPECT_THROW(picture.ops(), ProgrammingError);
  picture.drawOnDemand(colors::kWhite, [](Drawing& d) { d.clear(); });
  EXPECT_THROW(picture.hasDrawing(), ProgrammingError);
}

}  // namespace
}  // namespace corvane
