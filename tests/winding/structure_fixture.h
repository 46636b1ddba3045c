// The winding-structure form on stand-ins for the electrical, core and bobbin
// forms that hold just the fields it reads, so a test sets the design exactly
// as the worked examples state it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../electrical/test_host.h"
#include "model/control_init.h"
#include "model/picture.h"
#include "model/shared_values.h"
#include "model/workspace.h"
#include "support/field_texts.h"
#include "support/stand_in_form.h"
#include "winding/frmjiegou.h"

namespace corvane::testing {

class StandInElectrical : public StandInForm {
 public:
  explicit StandInElectrical(Workspace& ws) : StandInForm(ws, "Frmeledata", "electrical") {
    addTextFields({{"TXTUIN1", "220"},
                   {"TXTUIN2", ""},
                   {"TXTIIN", "0.45"},
                   {"TXTTEMP20", "25"},
                   {"TXTTEMPD", "45"},
                   {"txtzb", "0"}});
    addControl("Chkp", ControlKind::CheckBox);
    for (const char* name : {"txtsuac", "txtsiac", "TXTUNLOAD", "CMBZL", "cmbdio"}) {
      ControlInit init;
      init.listOnly = false;
      if (name[0] == 'C' || name[0] == 'c') init.text = "无";
      addArray(name, ControlKind::TextBox, init);
      for (int row = 1; row <= 8; ++row) array(name).load(row, init);
    }
  }
};

class StandInCore : public StandInForm {
 public:
  explicit StandInCore(Workspace& ws) : StandInForm(ws, "Frmcore", "core") {
    addTextFields({{"TxtF", "50"},
                   {"TxtBm", "1.5"},
                   {"TXTSC", "10cm^2"},
                   {"TxtJ", "2.5"},
                   {"txtjsec", "2.5"},
                   {"txtpc", "3.00W"},
                   {"txtle", "100"},
                   {"TxtFM", "50"},
                   {"TxtFc", "50"},
                   {"Text3", ""},
                   {"TxtVa0", ""},
                   {"Cmbnew", "50H800"},
                   {"txtcname", "EI-48*30"},
                   {"TXTL", "48"},
                   {"TXTw", "40"},
                   {"TxtB", "30"},
                   {"txtwe", "300.0g"}});
    addTextArray("txtcoremt", {"0.50", "7.85", "8", "1.6", "50H800-0.50A"});
  }
};

class StandInBobbin : public StandInForm {
 public:
  explicit StandInBobbin(Workspace& ws) : StandInForm(ws, "Frmbobbin", "bobbin") {
    addTextFields({{"TXTCK1", "20"},
                   {"txtCK2", ""},
                   {"TXTCh", "6"},
                   {"TXTLD", "80"},
                   {"txtbname", "EI-48*30"}});
    ControlInit one;
    one.value = 1;
    addControl("OPTG", ControlKind::OptionButton, one);
    addControl("OPTW", ControlKind::OptionButton);
    addControl("Option1", ControlKind::OptionButton);
  }
};

class StructureTest : public ::testing::Test {
 protected:
  StructureTest() {
    workspace.registerForm("Frmeledata",
                           [](Workspace& w) { return std::make_unique<StandInElectrical>(w); });
    workspace.registerForm("Frmcore",
                           [](Workspace& w) { return std::make_unique<StandInCore>(w); });
    workspace.registerForm("Frmbobbin",
                           [](Workspace& w) { return std::make_unique<StandInBobbin>(w); });
    workspace.registerForm(Frmjiegou::kName,
                           [](Workspace& w) { return std::make_unique<Frmjiegou>(w); });
    SharedValues& values = workspace.shared();
    values.gBobbinChRef.setReference({"Frmbobbin", "TXTCh"});
  }

  Form& electrical() { return workspace.form("Frmeledata"); }
  Form& core() { return workspace.form("Frmcore"); }
  Form& bobbin() { return workspace.form("Frmbobbin"); }
  Frmjiegou& form() { return workspace.form<Frmjiegou>(Frmjiegou::kName); }

  // A field of a stand-in set without running any reaction of the structure form.
  void setElectrical(const char* name, const std::string& text, int row = -1) {
    electrical().control(name, row).setText(text);
  }
  void setCore(const char* name, const std::string& text) { core().control(name).setText(text); }
  void setBobbin(const char* name, const std::string& text) {
    bobbin().control(name).setText(text);
  }
  void chooseBobbin(const char* option) { bobbin().control(option).setValue(1); }
  void group(int g, const char* acVolts, const char* acAmps, const char* noLoadVolts,
             const char* circuit = "无", const char* diode = "无") {
    setElectrical("txtsuac", acVolts, g);
    setElectrical("txtsiac", acAmps, g);
    setElectrical("TXTUNLOAD", noLoadVolts, g);
    setElectrical("CMBZL", circuit, g);
    setElectrical("cmbdio", diode, g);
  }
  // A two-slot bobbin whose slots are both `slotWidth` wide, a second
  // primary of 110 V and two groups, 12 V / 1 A and 24 V / 0.5 A.
  void twoSlotsTwoPrimariesTwoGroups(const char* slotWidth) {
    chooseBobbin("OPTW");
    setBobbin("TXTCK1", slotWidth);
    setBobbin("txtCK2", slotWidth);
    electrical().control("Chkp").setValue(1);
    setElectrical("TXTUIN2", "110");
    setElectrical("txtzb", "1");
    group(0, "12", "1", "13.5");
    group(1, "24", "0.5", "27");
  }

  std::string text(const char* name, int row = -1) { return form().control(name, row).text(); }
  // The cells of one row a calculation fills, named by column.
  ::testing::AssertionResult rowShows(int row, FieldTexts expected) {
    return fieldsShow(expected, [&](const char* name) { return text(name, row); });
  }
  Control& cell(const char* name, int row) { return form().cell(name, row); }
  void type(const char* name, int row, const std::string& value) {
    form().userSetText(cell(name, row), value);
  }
  void enter(const char* name, int row) { form().userEnter(cell(name, row)); }
  void click(const char* name) { form().userClick(form().control(name)); }

  // Every row's cells of a column, top to bottom.
  std::vector<std::string> column(const char* name) {
    std::vector<std::string> texts;
    for (int i = 0; i <= form().highestRow(); ++i) texts.push_back(cell(name, i).text());
    return texts;
  }

  TestHost host;
  Workspace workspace{host};
};

}  // namespace corvane::testing
