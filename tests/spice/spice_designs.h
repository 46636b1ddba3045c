// The designs the simulator export is checked on, typed through the forms as
// a designer does it, by the script driver inside the test: the typical design
// (support/typical_design.h) and a design with two primaries
// (220 V and 110 V) and three output groups (a 12 V / 1 A bridge, a 24 V /
// 0.5 A full-wave centre-tap circuit, both capacitor-input with silicon
// diodes, and 9 V / 0.5 A AC) on an EI57 × 30 core with a two-slot bobbin.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "app/form_catalog.h"
#include "app/script/script_driver.h"
#include "app/script/scripted_host.h"
#include "model/workspace.h"
#include "support/typical_design.h"

namespace corvane::testing {

inline constexpr std::initializer_list<const char*> kTwoPrimaryDesign = {
    "today 2026-12-09",
    "click MDIForm1.NEW",
    "click Frmeledata.Chkp",
    "set Frmeledata.TXTUIN1 220",
    "set Frmeledata.TXTUIN2 110",
    "set Frmeledata.txtudc(0) 12",
    "enter Frmeledata.txtudc(0)",
    "set Frmeledata.txtidc(0) 1",
    "enter Frmeledata.txtidc(0)",
    "choose Frmeledata.CMBZL(0) 全桥电容",
    "choose Frmeledata.cmbdio(0) 硅管",
    "answer yes",
    "enter Frmeledata.txtspo(0)",
    "set Frmeledata.txtudc(1) 24",
    "enter Frmeledata.txtudc(1)",
    "set Frmeledata.txtidc(1) 0.5",
    "enter Frmeledata.txtidc(1)",
    "choose Frmeledata.CMBZL(1) 全波电容",
    "choose Frmeledata.cmbdio(1) 硅管",
    "answer yes",
    "enter Frmeledata.txtspo(1)",
    "set Frmeledata.txtudc(2) 9",
    "enter Frmeledata.txtudc(2)",
    "set Frmeledata.txtidc(2) 0.5",
    "enter Frmeledata.txtidc(2)",
    "choose Frmeledata.CMBZL(2) 无",
    "choose Frmeledata.cmbdio(2) 无",
    "click Frmeledata.cmdcore",
    "choose Frmcore.Cmbnew 50H800",
    "set Frmcore.txtautocore 57",
    "set Frmcore.TxtB 30",
    "enter Frmcore.TxtB",
    "click Frmcore.CMDBB",
    "click Frmbobbin.OPTW",
    "click Frmbobbin.cmdele",
    "click Frmeledata.CMDJIEDOU",
};

// The whole program without a window, driven by script lines.
class ScriptedProgram {
 public:
  ScriptedProgram() { registerAllForms(workspace); }

  void run(std::initializer_list<const char*> lines) {
    for (const char* line : lines) run(line);
  }
  void run(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) run(line);
  }
  void run(const std::string& line) {
    ASSERT_TRUE(driver.runLine(line, ++lines_)) << line << "\n" << out.str();
  }
  // The export to `path`, as the script's `file` and button click do it.
  void exportTo(const std::string& path) {
    run("file " + path);
    run("click Frmjiegou.\"导出SPICE模型\"");
  }
  const std::string& text(const char* form, const char* name, int row = -1) {
    return workspace.field(form, name, row).text();
  }
  double num(const char* form, const char* name, int row = -1) {
    return workspace.field(form, name, row).num();
  }

  ScriptedHost host;
  Workspace workspace{host};
  ScriptEnvironment environment;
  std::ostringstream out;
  ScriptDriver driver{workspace, host, out, environment};

 private:
  int lines_ = 0;
};

}  // namespace corvane::testing
