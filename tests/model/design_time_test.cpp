// A saved design holds what differs from the state each form's constructor
// builds, so it opens in a program whose layout has changed since: the new
// captions, places and tips show, and every design value comes back as saved.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/control_design.h"
#include "model/control_init.h"
#include "model/form.h"
#include "model/programming_error.h"
#include "model/project_state.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

// A small design form in two layouts: `newer` is the next version of the
// program, with other captions, places, tips and row pitch, and the same
// controls. Its load step writes Loaded; a voltage typed writes the status
// caption and draws on the sketch.
class LayoutForm : public Form {
 public:
  LayoutForm(Workspace& ws, bool newer) : Form(ws, "frmLayout", newer ? "布局 新" : "布局") {
    const int down = newer ? 500 : 0;
    addControl("Heading", ControlKind::Label,
               captioned(newer ? "新标题" : "旧标题", {100, 100 + down, 2000, 255}));
    addControl("Volts", ControlKind::TextBox,
               textField("", {100, 400 + down, 800, 270}, newer ? "新提示" : "旧提示"));
    addControl("Status", ControlKind::Label, captioned("", {1000, 400 + down, 2000, 255}));
    addControl("Loaded", ControlKind::TextBox, textField("", {100, 700 + down, 800, 270}));
    addControl("Sketch", ControlKind::PictureBox, captioned("", {3000, 100, 2000, 2000}));
    // one design-time row and a pitch of its own; two rows give theirs
    addArray("Row", ControlKind::TextBox, textField("r", {100, 1000 + down, 600, 270}))
        .setRowPitch(newer ? 400 : 300);
    addArray("Price", ControlKind::TextBox, textField("", {2000, 1000, 600, 270}));
    array("Price").load(1, textField("", {2000, 1000 + (newer ? 350 : 250), 600, 270}));
    on(EventKind::Change, "Volts", [this](Control& volts, const EventArgs&) {
      control("Status").setCaption(volts.text() + " V");
      control("Sketch").picture().line(0, 0, volts.num(), 1, colors::kBlue);
    });
  }
  void load() override { control("Loaded").setText("5"); }
};

struct Program {
  explicit Program(bool newer) {
    ws.registerForm("frmLayout",
                    [newer](Workspace& w) { return std::make_unique<LayoutForm>(w, newer); });
  }
  Form& form() { return ws.form("frmLayout"); }
  testing::FakeHost host;
  Workspace ws{host};
};

// A row the form adds at run time, as forms add them: a copy of the row
// above as it stands now, one pitch lower.
void addRow(ControlArray& rows, int index, int pitch) {
  ControlInit settings = rows.element(index - 1).snapshot();
  settings.geometry.top += pitch;
  rows.load(index, settings);
}

TEST(DesignTime, ADesignOpensInTheNextLayoutWithItsValues) {
  Program older(false);
  Form& saved = older.form();
  saved.userSetText(saved.control("Volts"), "12");
  // the load wrote 5; the user puts back the design-time text
  saved.userSetText(saved.control("Loaded"), "");
  ControlArray& rows = saved.array("Row");
  rows.element(0).setText("first");
  addRow(rows, 1, 300);  // starts as "first", which its design time is not
  addRow(rows, 2, 300);
  rows.element(2).setText("r2");
  ControlArray& prices = saved.array("Price");
  prices.load(3, prices.element(0).snapshot());
  prices.unload(1);
  const ProjectRecord record = captureProject(older.ws);
  const std::string bytes = encodeProjectFile(record).value();
  for (const char* layout :
       {"旧标题", "旧提示", "布局", "geometry", "toolTip", "Loaded", "Heading"})
    EXPECT_EQ(bytes.find(layout), std::string::npos) << layout << " in\n" << bytes;

  Program newer(true);
  ASSERT_TRUE(restoreProject(newer.ws, parseProjectFile(bytes).value()));
  Form& opened = newer.form();
  // the layout of the day
  EXPECT_EQ(opened.caption(), "布局 新");
  EXPECT_EQ(opened.control("Heading").caption(), "新标题");
  EXPECT_EQ(opened.control("Heading").geometry(), (Geometry{100, 600, 2000, 255}));
  EXPECT_EQ(opened.control("Volts").toolTip(), "新提示");
  EXPECT_EQ(opened.array("Row").element(2).geometry().top, 1500 + 2 * 400);
  EXPECT_EQ(opened.array("Price").element(3).geometry().top, 1000 + 3 * 350);
  // the design as saved: typed, written by reactions, drawn, rows added and
  // removed, a text set back to its design time after the load changed it
  EXPECT_EQ(opened.control("Volts").text(), "12");
  EXPECT_EQ(opened.control("Status").caption(), "12 V");
  EXPECT_EQ(opened.control("Sketch").picture().ops(), saved.control("Sketch").picture().ops());
  EXPECT_EQ(opened.control("Loaded").text(), "");
  EXPECT_EQ(opened.array("Row").indices(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(opened.array("Row").element(1).text(), "first");
  EXPECT_EQ(opened.array("Row").element(2).text(), "r2");
  EXPECT_EQ(opened.array("Price").indices(), (std::vector<int>{0, 3}));
  EXPECT_EQ(captureProject(newer.ws), record);
}

// Each property of a control's design is told apart from design time and
// put back on its own, alone or with all the others.
TEST(DesignTime, EveryPropertyDiffersAndComesBackOnItsOwn) {
  const ControlDesign designTime = {.text = "220", .items = {"a"}, .listIndex = 0};
  ControlDesign everything = designTime;
  const std::vector<std::pair<DesignProperty, void (*)(ControlDesign&)>> edits = {
      {DesignProperty::Text, [](ControlDesign& d) { d.text = "110"; }},
      {DesignProperty::Caption, [](ControlDesign& d) { d.caption = "P"; }},
      {DesignProperty::Items,
       [](ControlDesign& d) {
         d.items = {"a", "b"};
       }},
      {DesignProperty::ListIndex, [](ControlDesign& d) { d.listIndex = -1; }},
      {DesignProperty::Value, [](ControlDesign& d) { d.value = 1; }},
      {DesignProperty::Visible, [](ControlDesign& d) { d.visible = false; }},
      {DesignProperty::Enabled, [](ControlDesign& d) { d.enabled = false; }},
      {DesignProperty::Locked, [](ControlDesign& d) { d.locked = true; }},
      {DesignProperty::OwnBackColor, [](ControlDesign& d) { d.hasBackColor = true; }},
      {DesignProperty::BackColor, [](ControlDesign& d) { d.backColor = colors::kRed; }},
      {DesignProperty::ForeColor, [](ControlDesign& d) { d.foreColor = colors::kBlue; }},
      {DesignProperty::Picture,
       [](ControlDesign& d) {
         d.picture.ops = {{DrawOp::Kind::Line, 0, 0, 1, 1, 0, 0, {}, {}}};
       }},
  };
  ASSERT_EQ(edits.size(), std::size(kDesignProperties));
  EXPECT_TRUE(DesignChanges::between(designTime, designTime).empty());
  for (const auto& [property, edit] : edits) {
    ControlDesign now = designTime;
    edit(now);
    edit(everything);
    const DesignChanges changes = DesignChanges::between(designTime, now);
    for (DesignProperty other : kDesignProperties)
      EXPECT_EQ(changes.has(other), other == property) << static_cast<int>(property);
    EXPECT_EQ(changes.appliedTo(designTime), now) << static_cast<int>(property);
  }
  const DesignChanges all = DesignChanges::between(designTime, everything);
  EXPECT_EQ(all, DesignChanges::whole(everything));
  EXPECT_EQ(all.appliedTo(designTime), everything);
  EXPECT_EQ(all.appliedTo(ControlDesign{}), everything);
}

// A control put back runs no reaction; what it shows is exactly the state
// given, the picture included, and it has its constructor's state to
// compare with.
TEST(DesignTime, AControlTakesBackItsDesignQuietly) {
  Program program(false);
  Form& form = program.form();
  Control& volts = form.control("Volts");
  EXPECT_EQ(volts.designTimeState(), ControlDesign{});
  EXPECT_EQ(form.control("Loaded").designTimeState().text, "");  // before the load wrote 5
  EXPECT_EQ(form.array("Row").designTimeRows(), std::vector<int>{0});
  EXPECT_EQ(form.array("Price").designTimeRows(), (std::vector<int>{0, 1}));

  ControlDesign sketch = form.control("Sketch").design();
  sketch.picture.ops = {{DrawOp::Kind::Text, 1, 2, 0, 0, 0, 0, colors::kRed, "N1"}};
  ControlDesign typed = volts.design();
  typed.text = "24";
  program.ws.runQuietly([&] {
    form.control("Sketch").restoreDesign(sketch);
    volts.restoreDesign(typed);
  });
  EXPECT_EQ(form.control("Sketch").design(), sketch);
  EXPECT_EQ(volts.design(), typed);
  EXPECT_EQ(form.control("Status").caption(), "");  // no change reaction
}

// A form whose constructor read another form would start from another
// design-time state in each run: that is a programming error, and the
// workspace goes on as before.
TEST(DesignTime, AConstructorMayNotReadAnotherForm) {
  class Reader : public Form {
   public:
    explicit Reader(Workspace& ws) : Form(ws, "frmReader", "") {
      addControl("Copy", ControlKind::TextBox,
                 textField(ws.field("frmLayout", "Volts").text(), {}));
    }
  };
  Program program(false);
  program.ws.registerForm("frmReader", [](Workspace& w) { return std::make_unique<Reader>(w); });
  EXPECT_THROW(program.ws.form("frmReader"), ProgrammingError);
  EXPECT_EQ(program.ws.existing("frmReader"), nullptr);
  EXPECT_EQ(program.form().control("Loaded").text(), "5");
}

}  // namespace
}  // namespace corvane
