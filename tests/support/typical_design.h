// The typical design as a designer types it: 220 V in, 12 V / 2 A out of a
// silicon bridge with a reservoir capacitor, an EI48 × 30 core (of 50H800
// unless a test names another steel), a one-slot bobbin and the winding
// structure. One sequence of user actions for every test and benchmark that
// needs the design, carried out by a designer that sets, enters, chooses and
// clicks: at the forms themselves (`FormDesigner`) or as lines of the script
// grammar (`ScriptDesigner`).
#pragma once

#include <string>
#include <vector>

#include "model/form.h"
#include "model/workspace.h"

namespace corvane::testing {

// The requirements on the electrical form, as it stands open.
template <class Designer>
void typeTypicalRequirements(Designer& d) {
  d.set("Frmeledata", "TXTUIN1", "220");
  d.set("Frmeledata", "txtudc", "12", 0);
  d.enter("Frmeledata", "txtudc", 0);
  d.set("Frmeledata", "txtidc", "2", 0);
  d.enter("Frmeledata", "txtidc", 0);
  d.choose("Frmeledata", "CMBZL", "全桥电容", 0);
  d.choose("Frmeledata", "cmbdio", "硅管", 0);
}

// The core form opened from the electrical form: the steel, an EI48
// lamination (tongue 47 of the proposal) and a 30 mm stack.
template <class Designer>
void chooseTypicalCore(Designer& d, const char* grade = "50H800") {
  d.click("Frmeledata", "cmdcore");
  d.choose("Frmcore", "Cmbnew", grade);
  d.set("Frmcore", "txtautocore", "47");
  d.set("Frmcore", "TxtB", "30");
  d.enter("Frmcore", "TxtB");
}

// The one-slot bobbin, back to the electrical form and its "结构仿真".
template <class Designer>
void takeOneSlotBobbinToStructure(Designer& d) {
  d.click("Frmcore", "CMDBB");
  d.click("Frmbobbin", "OPTG");
  d.click("Frmbobbin", "cmdele");
  d.click("Frmeledata", "CMDJIEDOU");
}

template <class Designer>
void typeTypicalDesign(Designer& d) {
  typeTypicalRequirements(d);
  chooseTypicalCore(d);
  takeOneSlotBobbinToStructure(d);
}

// A designer at the forms of a workspace, through their user entry points.
class FormDesigner {
 public:
  explicit FormDesigner(Workspace& workspace) : workspace_(workspace) {}

  void set(const char* form, const char* name, const std::string& text, int row = -1) {
    Form& f = workspace_.form(form);
    f.userSetText(f.control(name, row), text);
  }
  void enter(const char* form, const char* name, int row = -1) {
    Form& f = workspace_.form(form);
    f.userEnter(f.control(name, row));
  }
  void choose(const char* form, const char* name, const char* item, int row = -1) {
    Form& f = workspace_.form(form);
    Control& list = f.control(name, row);
    f.userChoose(list, list.findItem(item));
  }
  void click(const char* form, const char* name) {
    Form& f = workspace_.form(form);
    f.userClick(f.control(name));
  }

 private:
  Workspace& workspace_;
};

// A designer who writes the actions down as lines of the script grammar.
struct ScriptDesigner {
  std::vector<std::string> lines;

  void set(const char* form, const char* name, const std::string& text, int row = -1) {
    lines.push_back("set " + address(form, name, row) + " " + text);
  }
  void enter(const char* form, const char* name, int row = -1) {
    lines.push_back("enter " + address(form, name, row));
  }
  void choose(const char* form, const char* name, const char* item, int row = -1) {
    lines.push_back("choose " + address(form, name, row) + " " + item);
  }
  void click(const char* form, const char* name) {
    lines.push_back("click " + address(form, name));
  }

  static std::string address(const char* form, const char* name, int row = -1) {
    std::string text = std::string(form) + "." + name;
    if (row >= 0) text += "(" + std::to_string(row) + ")";
    return text;
  }
};

// The whole typical design as a script: the date the tests' designs are
// dated, a new design, and the design up to the winding structure.
inline std::vector<std::string> typicalDesignScript() {
  ScriptDesigner script;
  script.lines = {"today 2026-12-09", "click MDIForm1.NEW"};
  typeTypicalDesign(script);
  return script.lines;
}

}  // namespace corvane::testing
