// A workspace with the electrical and core forms, and shorthand for what a
// designer does on the electrical form.
#pragma once

#include <gtest/gtest.h>

#include "support/field_texts.h"

#include <memory>
#include <string>

#include "core/frmcore.h"
#include "electrical/frmeledata.h"
#include "model/workspace.h"
#include "test_host.h"

namespace corvane::testing {

class ElectricalTest : public ::testing::Test {
 protected:
  ElectricalTest() { registerForms(workspace); }

  static void registerForms(Workspace& ws) {
    ws.registerForm<Frmeledata>();
    ws.registerForm<Frmcore>();
  }

  Frmeledata& form() { return workspace.form<Frmeledata>(Frmeledata::kName); }
  Control& field(const char* name) { return form().control(name); }
  Control& cell(const char* name, int row) { return form().cell(name, row); }
  // Every field named shows its text.
  ::testing::AssertionResult shows(FieldTexts expected) {
    return fieldsShow(expected, [this](const char* name) { return text(name); });
  }
  std::string text(const char* name) { return field(name).text(); }
  std::string text(const char* name, int row) { return cell(name, row).text(); }

  void set(const char* name, const std::string& value) { form().userSetText(field(name), value); }
  void set(const char* name, int row, const std::string& value) {
    form().userSetText(cell(name, row), value);
  }
  void enter(const char* name, int row) { form().userEnter(cell(name, row)); }
  void choose(const char* name, int row, const std::string& item) {
    Control& list = cell(name, row);
    form().userChoose(list, list.findItem(item));
  }
  void click(const char* name) { form().userClick(field(name)); }

  // Types one group's requirement and walks the Enter chain as a designer does.
  void typeGroup(int row, const std::string& volts, const std::string& amps,
                 const std::string& circuit, const std::string& diode) {
    set("txtudc", row, volts);
    enter("txtudc", row);
    set("txtidc", row, amps);
    enter("txtidc", row);
    choose("CMBZL", row, circuit);
    enter("CMBZL", row);
    choose("cmbdio", row, diode);
    enter("cmbdio", row);
    enter("txtsuac", row);
    enter("txtsiac", row);
  }

  // Types one group and answers the question after its power with `more`.
  void typeGroupAndContinue(int row, const std::string& volts, const std::string& amps,
                            const std::string& circuit, const std::string& diode, bool more) {
    typeGroup(row, volts, amps, circuit, diode);
    host.questions.push_back(more);
    enter("txtspo", row);
  }

  TestHost host;
  Workspace workspace{host};
};

}  // namespace corvane::testing
