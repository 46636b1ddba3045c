// A whole design driven through the forms as a designer would: two primaries
// of 115 V, nine output groups, an EI66 × 44 core of 50H800 and a drawer
// bobbin, up to the winding-structure form.
#pragma once

#include <string>

#include "model/form.h"
#include "model/workspace.h"

namespace corvane::bench {

inline void enter(Form& form, const char* name, int row = -1) {
  form.userEnter(form.control(name, row));
}
inline void set(Form& form, const char* name, const std::string& text, int row = -1) {
  form.userSetText(form.control(name, row), text);
}
inline void choose(Form& form, const char* name, const char* item, int row = -1) {
  Control& list = form.control(name, row);
  form.userChoose(list, list.findItem(item));
}
inline void click(Form& form, const char* name) {
  form.userClick(form.control(name));
}

// Types the electrical requirements and takes them through core and bobbin; the host must
// answer Yes to "continue adding" eight times (or every question).
inline void nineGroupDesign(Workspace& ws) {
  click(ws.form("MDIForm1"), "NEW");
  Form& e = ws.form("Frmeledata");
  click(e, "Chkp");
  set(e, "TXTUIN1", "115");
  set(e, "TXTUIN2", "115");
  const char* volts[] = {"5", "12", "15", "24", "9", "6.3", "18", "3.3", "48"};
  const char* amps[] = {"1", "0.5", "0.3", "0.2", "0.4", "1.2", "0.25", "0.8", "0.1"};
  const char* circuits[] = {"全桥电容", "全桥电容", "全波电容", "全桥电阻", "半波电容",
                            "无",       "全桥电容", "全桥电容", "全波电阻"};
  for (int g = 0; g < 9; ++g) {
    set(e, "txtudc", volts[g], g);
    enter(e, "txtudc", g);
    set(e, "txtidc", amps[g], g);
    enter(e, "txtidc", g);
    choose(e, "CMBZL", circuits[g], g);
    choose(e, "cmbdio", g % 3 == 0 ? "硅管" : "锗管", g);
    enter(e, "txtspo", g);  // Yes: the next group
  }
  click(e, "cmdcore");
  Form& core = ws.form("Frmcore");
  choose(core, "Cmbnew", "50H800");
  set(core, "txtautocore", "66");
  set(core, "TxtB", "44");
  enter(core, "TxtB");
  click(core, "CMDBB");
  Form& bobbin = ws.form("Frmbobbin");
  click(bobbin, "Option1");
  click(bobbin, "cmdele");
  click(e, "CMDJIEDOU");
}

}  // namespace corvane::bench
