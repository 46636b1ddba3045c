#include "spice/design_gathering.h"

#include <cstdio>

#include "bobbin/bobbinform_fields.h"
#include "core/coreform_fields.h"
#include "electrical/electrical_tables.h"
#include "electrical/eledata_fields.h"
#include "electrical/group_conversion.h"
#include "electrical/input_voltages.h"
#include "model/design_session.h"
#include "model/form_names.h"
#include "model/host.h"
#include "model/value.h"
#include "model/workspace.h"
#include "simulation/no_load_current.h"
#include "winding/frmjiegou.h"
#include "winding/jiegou_fields.h"
#include "winding/slot_arrangement.h"

namespace corvane::spice {

namespace {

std::string isoDate(const CalendarDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

class Gatherer {
 public:
  explicit Gatherer(Workspace& workspace)
      : ws_(workspace), structure_(workspace.form<Frmjiegou>(forms::kStructure)) {}

  TransformerDescription gather() {
    TransformerDescription d;
    d.designFile = ws_.session().displayName();
    d.date = isoDate(ws_.host().today());
    d.coreName = core(coreform::txtcname).text();
    d.grade = core(coreform::Cmbnew).text();
    d.fluxDensity = core(coreform::TxtBm).num();
    d.saturated = simulation::isSaturated(d.grade, d.fluxDensity);

    const bool twoPrimaries = electrical::hasTwoPrimaries(ws_);
    d.inputVoltage1 = electrical(eledata::TXTUIN1).num();
    d.inputVoltage2 = electrical::secondInputVoltage(ws_);
    d.frequency = core(coreform::TxtF).num();
    // a field that shows no number has no current, whatever it reads as
    const Control& noLoad = structure_.control(jiegou::TxtI0);
    d.noLoadCurrent = startsWithNumber(noLoad.text()) ? noLoad.num() : 0;
    d.ironLoss = core(coreform::txtpc).num();

    d.slotWidth1 = bobbin(bobbinform::TXTCK1).num();
    d.slotWidth2 = bobbin(bobbinform::txtCK2).num();
    d.windowWidth = core(coreform::txtc).num();
    d.tapeLayers = structure_.control(jiegou::CmbTapeL).num();

    windings(d, twoPrimaries);
    return d;
  }

 private:
  Control& electrical(const char* name, int row = -1) { return eledata::field(ws_, name, row); }
  Control& core(const char* name) { return coreform::field(ws_, name); }
  Control& bobbin(const char* name) { return bobbinform::field(ws_, name); }

  // Each row of the table in its slot, and the output groups its secondaries serve.
  void windings(TransformerDescription& d, bool twoPrimaries) {
    const int highest = structure_.highestRow();
    const int primaries = twoPrimaries ? 2 : 1;
    const winding::SlotArrangement arrangement = winding::slotArrangement(
        bobbin(bobbinform::OPTG).value() == 1, bobbin(bobbinform::OPTW).value() == 1,
        bobbin(bobbinform::Option1).value() == 1);
    const std::vector<winding::PlannedRow> plan =
        winding::plannedRows(twoPrimaries, highest - primaries, arrangement, highest);
    d.slotChosen = static_cast<int>(plan.size()) == highest + 1;
    int placed[3] = {0, 0, 0};  // windings already in slots 1 and 2
    for (int row = 0; row <= highest; ++row) {
      WindingDescription w;
      w.label = structure_.cell(jiegou::TXTWN, row).text();
      w.turns = structure_.cell(jiegou::TXTTURN, row).num();
      w.hotResistance = structure_.cell(jiegou::TXTDCRHOT, row).num();
      w.thickness = structure_.cell(jiegou::TXTHT, row).num();
      w.meanTurnLength = structure_.cell(jiegou::txtlt, row).num();
      w.loadVoltage = structure_.cell(jiegou::TXTULOADE, row).num();
      const int group = winding::groupOfRow(row, twoPrimaries);
      if (group >= 0) {
        w.role = WindingRole::Secondary;
        w.group = addGroup(d, group);
      }
      for (const winding::PlannedRow& planned : plan)
        if (planned.row == row) {
          w.slot = planned.slot;
          w.position = placed[planned.slot]++;
        }
      d.windings.push_back(std::move(w));
    }
  }

  // The output group's index in the description, -1 when the electrical
  // form has no such group.
  int addGroup(TransformerDescription& d, int group) {
    Form& form = ws_.form(forms::kElectrical);
    for (const char* column : {eledata::TXTWN, eledata::txtudc, eledata::txtidc, eledata::CMBZL,
                               eledata::cmbdio, eledata::txtsuac, eledata::txtsiac, eledata::TXTCP})
      if (!form.array(column).has(group)) return -1;
    OutputGroupDescription g;
    g.label = electrical(eledata::TXTWN, group).text();
    g.circuit = electrical(eledata::CMBZL, group).text();
    g.diode = electrical(eledata::cmbdio, group).text();
    if (const electrical::RectifierDiode* diode = electrical::findRectifierDiode(g.diode))
      g.diodeDrop = Val(diode->dropText);
    g.outputVoltage = electrical::railMagnitude(electrical(eledata::txtudc, group).num());
    g.outputCurrent = electrical::railMagnitude(electrical(eledata::txtidc, group).num());
    g.windingVoltage = electrical(eledata::txtsuac, group).num();
    g.windingCurrent = electrical(eledata::txtsiac, group).num();
    // "2653uF-6634uF": the leading number is the lower end
    g.capacitance = electrical(eledata::TXTCP, group).num();
    d.groups.push_back(std::move(g));
    return static_cast<int>(d.groups.size()) - 1;
  }

  Workspace& ws_;
  Frmjiegou& structure_;
};

}  // namespace

TransformerDescription describeDesign(Workspace& workspace) {
  return Gatherer(workspace).gather();
}

}  // namespace corvane::spice
