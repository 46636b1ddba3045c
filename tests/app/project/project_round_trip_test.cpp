// A design saved and opened again in a fresh program run shows exactly what
// was saved, and goes on from there as if it had never been closed.
#include <gtest/gtest.h>

#include "bobbin/catalogue/bobbin_catalogue.h"
#include "bobbin/frmbobbin.h"
#include "core/frmcore.h"
#include "electrical/frmeledata.h"
#include "project_fixture.h"
#include "support/same_controls.h"
#include "wiretools/frmwiretools.h"

namespace corvane::testing {
namespace {

using ProjectRoundTrip = ProjectTest;

const FormRecord& formIn(const ProjectRecord& record, const std::string& name) {
  for (const FormRecord& form : record.forms)
    if (form.name == name) return form;
  throw std::runtime_error("no form " + name);
}

const ControlRecord& controlIn(const ProjectRecord& record, const std::string& form,
                               const std::string& name, int index = -1) {
  for (const ControlRecord& control : formIn(record, form).controls)
    if (control.name == name && control.index == index) return control;
  throw std::runtime_error("no control " + name);
}

std::vector<std::string> formNames(const ProjectRecord& record) {
  std::vector<std::string> names;
  for (const FormRecord& form : record.forms) names.push_back(form.name);
  return names;
}

TEST_F(ProjectRoundTrip, FullChainReopensExactlyAndGoesOnAsBefore) {
  ProgramRun first;
  fullChain(first);
  ASSERT_TRUE(first.session().saveTo(file("chain.cvd")));
  const ProjectRecord saved = first.state();
  // the chain reached every form and drew the pictures
  EXPECT_EQ(saved.forms.size(), 6u);
  EXPECT_EQ(controlIn(saved, "FrmBomList", "TxtCorePrice").changes.values().text, "28");
  EXPECT_EQ(controlIn(saved, "FrmBomList", "Check8").changes.values().value, 1);
  EXPECT_EQ(controlIn(saved, "Frmjiegou", "TXTTURN", 4).changes.values().text, "30");
  EXPECT_FALSE(controlIn(saved, "Frmjiegou", "Picture1").changes.values().picture.ops.empty());
  EXPECT_EQ(saved.activeForm, "FrmWireTools");

  ProgramRun second;
  ASSERT_TRUE(second.session().openFile(file("chain.cvd"))) << second.host.messageTexts()[0];
  EXPECT_TRUE(second.host.messages.empty());
  // every control, row, picture, member, shared value and window as saved,
  // and the rows the design added laid out as the forms lay them out
  EXPECT_EQ(second.state(), saved);
  EXPECT_EQ(firstOtherControl(second.workspace, first.workspace), "");
  EXPECT_FALSE(second.session().hasUnsavedChanges());

  // the next edits cascade from the reopened design as from the original
  for (ProgramRun* run : {&first, &second}) {
    run->set("Frmjiegou", "TXTTURN", "40", 6);
    run->enter("Frmjiegou", "TXTTURN", 6);
    run->set("Frmeledata", "txtidc", "0.35", 2);
    run->enter("Frmeledata", "txtidc", 2);
    run->click("Frmjiegou", "Command1");
    run->set("FrmBomList", "TxtLeadPrice", "0.8", 1);
    run->click("FrmBomList", "Command13");
  }
  EXPECT_EQ(second.state(), first.state());
  EXPECT_EQ(firstOtherControl(second.workspace, first.workspace), "");
  EXPECT_TRUE(second.session().hasUnsavedChanges());
}

// The file holds the design, not the layout: no place, size, font, tool tip
// or timer interval, and no caption the forms never change.
TEST_F(ProjectRoundTrip, TheNineGroupFileHoldsNoLayout) {
  ProgramRun run;
  fullChain(run);
  ASSERT_TRUE(run.session().saveTo(file("chain.cvd")));
  const std::string text = contents(file("chain.cvd"));
  for (const char* layout : {"\"geometry\"", "\"toolTip\"", "\"interval\"", "font", "输出电压",
                             "请选择适当的整流电路形式"})
    EXPECT_EQ(text.find(layout), std::string::npos) << layout;
  EXPECT_NE(text.find("\"version\": 2,"), std::string::npos);
}

// The electrical form's load works the allowed rise out from the insulation
// class; a designer who types the design-time rise back gets it back, though
// the file need not name it.
TEST_F(ProjectRoundTrip, ATextTypedBackToItsDesignTimeComesBack) {
  ProgramRun first;
  first.click("MDIForm1", "NEW");
  Control& rise = first.form("Frmeledata").control("TXTTEMPD");
  ASSERT_NE(rise.text(), rise.designTimeState().text);
  first.set("Frmeledata", "TXTTEMPD", rise.designTimeState().text);
  ASSERT_TRUE(first.session().saveTo(file("rise.cvd")));
  EXPECT_EQ(contents(file("rise.cvd")).find("TXTTEMPD"), std::string::npos);

  ProgramRun second;
  ASSERT_TRUE(second.session().openFile(file("rise.cvd")));
  EXPECT_EQ(second.form("Frmeledata").control("TXTTEMPD").text(), rise.text());
  EXPECT_EQ(second.state(), first.state());
}

// A shared value that was a text and became a number (the diode drop after
// "硅管" then "无") is saved as the number it is, so the design reopens equal.
TEST_F(ProjectRoundTrip, ASharedValueThatChangedKindReopensAsItIs) {
  ProgramRun first;
  first.click("MDIForm1", "NEW");
  Form& electrical = first.form("Frmeledata");
  first.set("Frmeledata", "txtudc", "12", 0);
  bench::choose(electrical, "cmbdio", "硅管", 0);
  first.enter("Frmeledata", "txtudc", 0);
  bench::choose(electrical, "cmbdio", "无", 0);
  first.enter("Frmeledata", "txtudc", 0);
  ASSERT_TRUE(first.session().saveTo(file("kind.cvd")));

  ProgramRun second;
  ASSERT_TRUE(second.session().openFile(file("kind.cvd")));
  EXPECT_EQ(second.state(), first.state());
}

// Open restores: a stored result the reactions would recompute stays as
// stored, digit for digit.
TEST_F(ProjectRoundTrip, OpenPutsBackStoredResultsWithoutRecalculating) {
  ProgramRun first;
  fullChain(first);
  ProjectRecord record = first.state();
  ControlDesign stored;
  stored.text = "99.99";
  for (FormRecord& form : record.forms)
    for (ControlRecord& control : form.controls)
      if (form.name == "Frmeledata" && control.name == "txtsuac" && control.index == 0)
        control.changes.take(DesignProperty::Text, stored);
  write(file("edited.cvd"), encodeProjectFile(record).value());

  ProgramRun second;
  ASSERT_TRUE(second.session().openFile(file("edited.cvd")));
  EXPECT_EQ(second.form("Frmeledata").control("txtsuac", 0).text(), "99.99");
  EXPECT_EQ(second.state(), record);
}

TEST_F(ProjectRoundTrip, MembersOfTheFormsComeBack) {
  ProgramRun first;
  fullChain(first);
  first.click("Frmeledata", "ChKSHC", 5);  // CurrentRow follows the connection clicked
  first.form("FrmWireTools").userChoose(first.form("FrmWireTools").control("CmbWire"), 2);
  ASSERT_TRUE(first.session().saveTo(file("m.cvd")));

  ProgramRun second;
  ASSERT_TRUE(second.session().openFile(file("m.cvd")));
  auto& electrical = second.workspace.form<Frmeledata>("Frmeledata");
  EXPECT_EQ(electrical.currentRow(), 5);
  EXPECT_EQ(second.workspace.form<FrmWireTools>("FrmWireTools").material().name,
            first.workspace.form<FrmWireTools>("FrmWireTools").material().name);
  const auto& bobbin = second.workspace.form<Frmbobbin>("Frmbobbin");
  ASSERT_NE(bobbin.catalogue(), nullptr);
  EXPECT_EQ(bobbin.records().count(),
            first.workspace.form<Frmbobbin>("Frmbobbin").records().count());
}

// Forms that do not exist in the saved design do not exist after opening,
// whatever the design on screen had.
TEST_F(ProjectRoundTrip, OpenReplacesTheFormsOnScreen) {
  ProgramRun small;
  small.click("MDIForm1", "NEW");
  small.set("Frmeledata", "TXTUIN1", "110");
  ASSERT_TRUE(small.session().saveTo(file("small.cvd")));

  ProgramRun big;
  fullChain(big);
  ASSERT_TRUE(big.session().saveTo(file("big.cvd")));
  ASSERT_TRUE(big.session().openFile(file("small.cvd")));
  for (const char* gone : {"Frmbobbin", "Frmjiegou", "FrmWireTools"})
    EXPECT_EQ(big.workspace.existing(gone), nullptr) << gone;
  EXPECT_EQ(big.form("Frmeledata").control("TXTUIN1").text(), "110");
  EXPECT_FALSE(big.form("Frmeledata").array("txtudc").has(1));
  EXPECT_EQ(big.state(), small.state());
}

// The designer opens the wire tools at any moment of the chain, and may step
// back from the winding structure and build it again: whatever the order in
// which the forms came into being, the design reopens to the record it saved,
// its forms in the same order.
TEST_F(ProjectRoundTrip, ReopensEqualWhateverOrderTheFormsWereOpenedIn) {
  const auto chain = [](ProgramRun& run, int toolsAfter, bool stepBack) {
    const auto step = [&](int done) {
      if (done == toolsAfter) run.click("MDIForm1", "Tools");
    };
    step(0);
    run.click("MDIForm1", "NEW");
    run.set("Frmeledata", "TXTUIN1", "220");
    run.set("Frmeledata", "txtudc", "12", 0);
    run.enter("Frmeledata", "txtudc", 0);
    run.set("Frmeledata", "txtidc", "2", 0);
    run.enter("Frmeledata", "txtidc", 0);
    step(1);
    run.click("Frmeledata", "cmdcore");
    step(2);
    run.set("Frmcore", "txtautocore", "47");
    run.set("Frmcore", "TxtB", "30");
    run.enter("Frmcore", "TxtB");
    run.click("Frmcore", "CMDBB");
    step(3);
    run.click("Frmbobbin", "OPTG");
    run.click("Frmbobbin", "cmdele");
    step(4);
    run.click("Frmeledata", "CMDJIEDOU");
    step(5);
    run.click("Frmjiegou", "Command4");  // the cost form
    step(6);
    if (stepBack) {
      // "上一步" discards the table while the cost form stays open, and
      // "结构仿真" builds it again: the structure form is now younger than
      // the cost form, which reads it as it loads
      run.click("Frmjiegou", "Command2");
      run.click("Frmeledata", "CMDJIEDOU");
    }
    step(7);
  };
  for (bool stepBack : {false, true}) {
    for (int toolsAfter = 0; toolsAfter <= 7; ++toolsAfter) {
      SCOPED_TRACE("wire tools after step " + std::to_string(toolsAfter) +
                   (stepBack ? ", with a step back" : ""));
      ProgramRun first;
      chain(first, toolsAfter, stepBack);
      const std::string path = file("order.cvd");
      ASSERT_TRUE(first.session().saveTo(path));
      ProgramRun second;
      ASSERT_TRUE(second.session().openFile(path));
      EXPECT_EQ(formNames(second.state()), formNames(first.state()));
      EXPECT_EQ(second.state(), first.state());
      EXPECT_EQ(firstOtherControl(second.workspace, first.workspace), "");
    }
  }
}

// The bobbin came from the designer's own catalogue file, which is gone when
// the design is opened again: the design opens as saved, with the bobbin it
// had, and the bobbin form's status line says the catalogue cannot be read
// instead of naming it as in use.
TEST_F(ProjectRoundTrip, ADesignWhoseCatalogueFileIsGoneOpensAndSaysSo) {
  const std::string own = file("own.sqlite");
  std::filesystem::copy_file(defaultBobbinCataloguePath(), own);
  ProgramRun first;
  first.click("MDIForm1", "NEW");
  first.set("Frmeledata", "txtudc", "12", 0);
  first.enter("Frmeledata", "txtudc", 0);
  first.click("Frmeledata", "cmdcore");
  first.click("Frmcore", "CMDBB");
  auto& bobbin = first.workspace.form<Frmbobbin>("Frmbobbin");
  ASSERT_TRUE(bobbin.openUserCatalogue(own));
  first.click("Frmbobbin", "OPTG");
  ASSERT_TRUE(first.session().saveTo(file("own.cvd")));
  const ProjectRecord saved = first.state();
  std::filesystem::remove(own);

  ProgramRun second;
  ASSERT_TRUE(second.session().openFile(file("own.cvd")));
  const auto& reopened = second.workspace.form<Frmbobbin>("Frmbobbin");
  EXPECT_EQ(reopened.catalogue(), nullptr);
  const std::string status = second.form("Frmbobbin").control("LblStatus").caption();
  EXPECT_EQ(status.rfind("无法读取骨架目录“" + own + "”", 0), 0u) << status;
  // the bobbin chosen and the rows found are the design's, as saved
  for (const char* field : {"Text5", "Text1", "Text2", "Text4"})
    EXPECT_EQ(second.form("Frmbobbin").control(field).text(),
              first.form("Frmbobbin").control(field).text())
        << field;
  EXPECT_EQ(reopened.records().count(), bobbin.records().count());
  EXPECT_FALSE(second.session().hasUnsavedChanges());
  EXPECT_EQ(controlIn(saved, "Frmbobbin", "LblStatus").changes.values().caption,
            "骨架目录：" + own);
}

}  // namespace
}  // namespace corvane::testing
