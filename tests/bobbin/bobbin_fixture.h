// A workspace with the electrical form, the stand-in core form of the
// report tests (an EI48 core, stack 30) and the bobbin form
// on in-memory catalogues, with shorthand for what a designer does.
#pragma once

#include <gtest/gtest.h>

#include "support/field_texts.h"

#include <memory>
#include <string>

#include "../electrical/test_host.h"
#include "bobbin/frmbobbin.h"
#include "electrical/frmeledata.h"
#include "fake_catalogue.h"
#include "model/control_init.h"
#include "model/workspace.h"
#include "support/design_stand_ins.h"

namespace corvane::testing {

class BobbinTest : public ::testing::Test {
 protected:
  static constexpr const char* kShipped = "/data/bobbins.sqlite";

  BobbinTest() {
    workspace.registerForm(Frmeledata::kName,
                           [](Workspace& w) { return std::make_unique<Frmeledata>(w); });
    workspace.registerForm("Frmcore",
                           [](Workspace& w) { return std::make_unique<CoreStandIn>(w); });
    workspace.registerFieldLinks("Frmcore", Frmcore::kLinkedFields);
    workspace.registerForm(Frmbobbin::kName, [this](Workspace& w) {
      return std::make_unique<Frmbobbin>(w, catalogues.source(kShipped));
    });
    FakeCatalogueFile& shipped = catalogues.files[kShipped];
    shipped.tables["EIB1"] = {bobbinRow("标准骨架", "EI-48*24", "GZ-48-24", "21"),
                              bobbinRow("标准骨架", "EI-48*30", "GZ-48-30", "21"),
                              bobbinRow("标准骨架", "EI-54*30", "GZ-54-30", "24")};
    shipped.tables["EIB2"] = {bobbinRow("标准骨架", "EI-48*30", "WZ-48-30", "9.75", "9.75")};
    shipped.tables["EIB3"] = {bobbinRow("标准骨架", "EI-48*30", "CT-48-30", "9.75", "9.75")};
  }

  Frmbobbin& form() { return workspace.form<Frmbobbin>(Frmbobbin::kName); }
  Control& field(const char* name) { return form().control(name); }
  // Every field named shows its text.
  ::testing::AssertionResult shows(FieldTexts expected) {
    return fieldsShow(expected, [this](const char* name) { return text(name); });
  }
  std::string text(const char* name) { return field(name).text(); }
  std::string caption(const char* name, int index = -1) {
    return form().control(name, index).caption();
  }
  Control& coreField(const char* name) { return workspace.field("Frmcore", name); }
  Control& electricalField(const char* name) { return workspace.field(Frmeledata::kName, name); }

  void set(const char* name, const std::string& value) { form().userSetText(field(name), value); }
  void enter(const char* name) { form().userEnter(field(name)); }
  void click(const char* name) { form().userClick(field(name)); }
  void chooseSupplier(const char* item) {
    Control& list = field("Combo1");
    form().userChoose(list, list.findItem(item));
  }

  TestHost host;
  FakeCatalogues catalogues;
  Workspace workspace{host};
};

}  // namespace corvane::testing
