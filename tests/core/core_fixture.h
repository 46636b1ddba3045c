// A workspace with the electrical and core forms, and shorthand for what a
// designer does on the core form.
#pragma once

#include <gtest/gtest.h>

#include "support/field_texts.h"

#include <memory>
#include <string>

#include "core/frmcore.h"
#include "electrical/frmeledata.h"
#include "electrical/test_host.h"
#include "model/workspace.h"

namespace corvane::testing {

class CoreTest : public ::testing::Test {
 protected:
  CoreTest() {
    workspace.registerForm<Frmeledata>();
    workspace.registerForm<Frmcore>();
  }

  Frmcore& core() { return workspace.form<Frmcore>(Frmcore::kName); }
  Frmeledata& electrical() { return workspace.form<Frmeledata>(Frmeledata::kName); }
  Control& field(const char* name, int row = -1) { return core().control(name, row); }
  // Every field named shows its text.
  ::testing::AssertionResult shows(FieldTexts expected) {
    return fieldsShow(expected, [this](const char* name) { return text(name); });
  }
  std::string text(const char* name, int row = -1) { return field(name, row).text(); }

  void set(const char* name, const std::string& value) { core().userSetText(field(name), value); }
  void setMaterial(int row, const std::string& value) {
    core().userSetText(field("txtcoremt", row), value);
  }
  void setElectrical(const char* name, const std::string& value) {
    electrical().userSetText(electrical().control(name), value);
  }
  void enter(const char* name) { core().userEnter(field(name)); }
  void click(const char* name) { core().userClick(field(name)); }
  void choose(const char* list, const std::string& item) {
    core().userChoose(field(list), field(list).findItem(item));
  }
  // Runs an operation of the form as one event, as a reaction would.
  template <class Action>
  void run(Action action) {
    workspace.runEvent([&] { action(core()); });
  }

  // A standard lamination typed as its length, snapped with Enter, and a stack.
  void useLamination(const std::string& length, const std::string& stack) {
    set("TXTL", length);
    enter("TXTL");
    set("TxtB", stack);
  }

  TestHost host;
  Workspace workspace{host};
};

}  // namespace corvane::testing
