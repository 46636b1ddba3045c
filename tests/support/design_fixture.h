// A workspace with the real electrical form (the typical design: 220 V in,
// 12 V / 2 A out through a bridge with capacitor and silicon diodes), the
// stand-ins for the core, bobbin and winding-structure forms and the cost
// form, on a host whose printer dialog hands out a recording printer.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "../electrical/test_host.h"
#include "bom/frmbomlist.h"
#include "design_stand_ins.h"
#include "electrical/frmeledata.h"
#include "model/workspace.h"

namespace corvane::testing {

class DesignTest : public ::testing::Test {
 protected:
  explicit DesignTest(bool typical = true) {
    workspace.registerForm(Frmeledata::kName,
                           [](Workspace& w) { return std::make_unique<Frmeledata>(w); });
    registerDesignStandIns(workspace, typical);
    workspace.registerForm(FrmBomList::kName,
                           [](Workspace& w) { return std::make_unique<FrmBomList>(w); });
    typeGroup(0, "12", "2", "全桥电容", "硅管");
  }

  Frmeledata& electrical() { return workspace.form<Frmeledata>(Frmeledata::kName); }
  StructureStandIn& structure() {
    return workspace.form<StructureStandIn>(StructureStandIn::kName);
  }
  FrmBomList& bom() { return workspace.form<FrmBomList>(FrmBomList::kName); }

  // One output group's requirement, typed on the electrical form.
  void typeGroup(int group, const std::string& volts, const std::string& amps,
                 const std::string& circuit, const std::string& diode) {
    Frmeledata& form = electrical();
    if (!form.array("txtudc").has(group)) {
      workspace.runEvent([&] { form.control("txtzb").setText(std::to_string(group)); });
      workspace.runEvent([&] { form.addRowBelow(group); });
    }
    form.userSetText(form.cell("txtudc", group), volts);
    form.userSetText(form.cell("txtidc", group), amps);
    Control& rectifier = form.cell("CMBZL", group);
    form.userChoose(rectifier, rectifier.findItem(circuit));
    Control& diodes = form.cell("cmbdio", group);
    form.userChoose(diodes, diodes.findItem(diode));
  }

  // --- the cost form as a user edits it
  std::string bomText(const char* name, int row = -1) { return bom().control(name, row).text(); }
  void bomSet(const char* name, const std::string& text, int row = -1) {
    bom().userSetText(bom().control(name, row), text);
  }
  void bomClick(const char* name) { bom().userClick(bom().control(name)); }

  // --- the last print job
  bool printed(const std::string& line) const { return host.hasPrinted(line); }
  size_t countPrinted(const std::string& prefix) const { return host.countPrinted(prefix); }
  std::vector<std::string> printedFrom(const std::string& first, size_t count) const {
    auto at = std::find(host.printed.begin(), host.printed.end(), first);
    if (at == host.printed.end()) return {};
    size_t left = static_cast<size_t>(host.printed.end() - at);
    return {at, at + std::min(count, left)};
  }

  TestHost host;
  Workspace workspace{host};
};

}  // namespace corvane::testing
