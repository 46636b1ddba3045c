// The program's real forms in a workspace of their own, a fake host with a
// temporary folder for design files and program data, and the designer's
// moves the project-file tests repeat.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/form_catalog.h"
#include "bench/design_chain.h"
#include "model/design_session.h"
#include "model/project_state.h"
#include "model/workspace.h"
#include "support/fake_host.h"
#include "support/test_files.h"

namespace corvane::testing {

// One program run: a host and a workspace holding every form of the program.
struct ProgramRun {
  explicit ProgramRun(const std::filesystem::path& dataFolder = {}) {
    host.programData = dataFolder.string();
    registerAllForms(workspace);
  }
  Form& form(const char* name) { return workspace.form(name); }
  DesignSession& session() { return workspace.session(); }
  void click(const char* formName, const char* control, int row = -1) {
    Form& f = form(formName);
    f.userClick(f.control(control, row));
  }
  void set(const char* formName, const char* control, const std::string& text, int row = -1) {
    Form& f = form(formName);
    f.userSetText(f.control(control, row), text);
  }
  void enter(const char* formName, const char* control, int row = -1) {
    Form& f = form(formName);
    f.userEnter(f.control(control, row));
  }
  ProjectRecord state() { return captureProject(workspace); }

  FakeHost host;
  Workspace workspace{host};
};

// Two primaries, nine groups, core, bobbin and the winding table, then a
// ticked connection, an edited table and the wire tools in use.
inline void fullChain(ProgramRun& run) {
  for (int i = 0; i < 8; ++i) run.host.questions.push_back(true);  // "continue adding"
  bench::nineGroupDesign(run.workspace);
  run.click("Frmeledata", "ChKSHC", 3);
  Form& structure = run.form("Frmjiegou");
  structure.userDblClick(structure.control("HeadTXTTURN"));  // unlocks the turns column
  run.click("Frmjiegou", "HeadTXTQ");                        // and the strands column
  run.set("Frmjiegou", "TXTTURN", "30", 4);
  run.enter("Frmjiegou", "TXTTURN", 4);
  run.set("Frmjiegou", "TXTQ", "2", 3);
  run.enter("Frmjiegou", "TXTQ", 3);
  // the cost form with a stand, a ticked shield and edited prices
  run.click("Frmjiegou", "Command4");
  run.click("FrmBomList", "Option2");
  run.click("FrmBomList", "Check8");
  run.set("FrmBomList", "TxtCorePrice", "28");
  run.set("FrmBomList", "TxtWirePrice", "35", 2);
  run.click("FrmBomList", "Command12");
  run.click("FrmBomList", "Command13");
  run.click("MDIForm1", "Tools");
  run.set("FrmWireTools", "TxtWireD", "0.5");
  run.enter("FrmWireTools", "TxtWireD");
}

class ProjectTest : public ::testing::Test {
 protected:
  std::string file(const std::string& name) const { return scratch.file(name); }
  static std::string contents(const std::string& path) { return fileContents(path); }
  static void write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }

  TestFolder scratch{"corvane-project"};
  const std::filesystem::path& folder = scratch.path();
};

}  // namespace corvane::testing
