// The whole-table recalculations: the four Enter operations of the editable
// columns, the design pass that designs turns and wire of every winding, and
// the closing stage that totals the copper loss and the regulation.
#include <algorithm>

#include "bobbin/bobbinform_fields.h"
#include "core/coreform_fields.h"
#include "electrical/electrical_tables.h"
#include "electrical/eledata_fields.h"
#include "electrical/input_voltages.h"
#include "model/form_fields.h"
#include "model/form_names.h"
#include "model/shared_values.h"
#include "model/value.h"
#include "model/workspace.h"
#include "simulation/wire_design.h"
#include "winding/frmjiegou.h"
#include "winding/jiegou_fields.h"
#include "winding/row_evaluation.h"

namespace corvane {

using namespace jiegou;
using winding::PlannedRow;
using winding::RowInputs;
using winding::RowRole;

namespace {

bool isPrimary(const PlannedRow& row) {
  return row.role != RowRole::Secondary;
}

}  // namespace

Frmjiegou::Context Frmjiegou::readContext() const {
  Context c;
  c.twoPrimaries = electrical(eledata::Chkp).value() == 1;
  c.lastGroup = static_cast<int>(std::max(0.0, roundHalfEven(electrical(eledata::txtzb).num())));
  c.inputVoltage1 = electrical(eledata::TXTUIN1).num();
  c.inputVoltage2 = electrical::secondInputVoltage(workspace());
  c.primaryCurrent = electrical(eledata::TXTIIN).num();
  c.ambient = electrical(eledata::TXTTEMP20).num();
  c.allowedRise = electrical(eledata::TXTTEMPD).num();
  c.frequency = core(coreform::TxtF).num();
  c.fluxDensity = core(coreform::TxtBm).num();
  c.section = core(coreform::TXTSC).num();
  c.primaryDensity = core(coreform::TxtJ).num();
  c.secondaryDensity = core(coreform::txtjsec).num();
  c.slot1 = bobbin(bobbinform::TXTCK1).num();
  c.slot2 = bobbin(bobbinform::txtCK2).num();
  c.basePerimeter = bobbin(bobbinform::TXTLD).num();
  c.arrangement = winding::slotArrangement(bobbin(bobbinform::OPTG).value() == 1,
                                           bobbin(bobbinform::OPTW).value() == 1,
                                           bobbin(bobbinform::Option1).value() == 1);
  return c;
}

void Frmjiegou::pointGroupReferences(int group, const char* voltageField, int voltageRow) {
  SharedValues& values = shared();
  values.gGroupCurrentRef.setReference({forms::kElectrical, eledata::txtsiac, group});
  const bool own = std::string_view(voltageField) == TxtUnV;
  values.gGroupVoltageRef.setReference(
      {own ? kName : forms::kElectrical, voltageField, voltageRow});
}

RowInputs Frmjiegou::rowInputs(const PlannedRow& planned, const Context& context,
                               double buildBelow) {
  const int r = planned.row;
  RowInputs in;
  in.role = planned.role;
  in.turns = cell(TXTTURN, r).text();
  in.turnsPerLayer = cell(TXTLN, r).text();
  in.wire = cell(TXTWIRE, r).text();
  in.wireType = cell(CMBTYPE, r).text();
  in.strands = cell(TXTQ, r).text();
  in.slotWidth = planned.slot == 2 ? context.slot2 : context.slot1;
  in.buildBelow = buildBelow;
  in.basePerimeter = context.basePerimeter;
  in.ambient = context.ambient;
  in.allowedRise = context.allowedRise;
  if (isPrimary(planned)) {
    in.current = context.primaryCurrent;
    in.inputVoltage =
        planned.role == RowRole::FirstPrimary ? context.inputVoltage1 : context.inputVoltage2;
    return in;
  }
  const int g = planned.group;
  in.current = shared().gGroupCurrentRef.num(workspace());
  in.referenceLoadVoltage = cell(TXTULOADE, 0).num();
  in.referenceTurns = cell(TXTTURN, 0).num();
  in.specifiedVoltage = electrical(eledata::txtsuac, g).num();
  // the group's own rectifier: Kv and diode count of its circuit, the drop of
  // its diode; a text no table knows keeps the shared values and counts no diode
  const SharedValues& values = shared();
  in.rectifier.voltageFactor = values.gRectVoltFactor.num(workspace());
  in.rectifier.diodeDrop = values.gDiodeDrop.num(workspace());
  in.rectifier.diodes = 0;
  if (const auto* circuit =
          electrical::findRectifierCircuit(electrical(eledata::CMBZL, g).text())) {
    in.rectifier.voltageFactor = circuit->voltageFactor;
    in.rectifier.diodes = circuit->diodesInSeries;
  }
  if (const auto* diode = electrical::findRectifierDiode(electrical(eledata::cmbdio, g).text()))
    in.rectifier.diodeDrop = Val(diode->dropText);
  return in;
}

template <class Prepare>
void Frmjiegou::layOutRows(const Context& context, Prepare prepare) {
  winding::BuildBelow builds;
  for (const PlannedRow& planned : winding::plannedRows(context.twoPrimaries, context.lastGroup,
                                                        context.arrangement, highestRow())) {
    if (!isPrimary(planned)) pointGroupReferences(planned.group, eledata::TXTUNLOAD, planned.group);
    RowInputs in = rowInputs(planned, context, builds.before(planned.slot));
    prepare(planned, in);
    FormFields writer(*this, planned.row);
    builds.add(planned.slot, winding::evaluateRow(shared(), in, writer));
  }
}

void Frmjiegou::recalculate(Edit edit) {
  rises_ = {};  // the runs were made on another table
  withSectionDrawnOnce([this, edit] { recalculateRows(edit); });
}

void Frmjiegou::recalculateRows(Edit edit) {
  const Context context = readContext();
  Workspace& ws = workspace();
  if (edit == Edit::Turns) shared().gFluxRef.setReference({forms::kCore, coreform::TxtBm});
  const winding::TurnsFromVoltage core{0, context.frequency, context.fluxDensity, context.section};
  auto turnsFrom = [&](double voltage) {
    winding::TurnsFromVoltage source = core;
    source.voltage = voltage;
    return source;
  };
  auto copy = [](std::string text) {
    winding::NoLoadVoltage step;
    step.text = std::move(text);
    return step;
  };

  layOutRows(context, [&](const PlannedRow& row, RowInputs& in) {
    const bool secondary = row.role == RowRole::Secondary;
    const bool secondPrimary = row.role == RowRole::SecondPrimary;
    switch (edit) {
      case Edit::Strands:
        if (secondPrimary) in.turnsFromVoltage = turnsFrom(context.inputVoltage2);
        if (row.role == RowRole::FirstPrimary)
          in.noLoadVoltage = copy(electrical(eledata::TXTUIN1).text());
        else if (secondPrimary)
          in.noLoadVoltage = copy(electrical(eledata::TXTUIN2).text());
        else
          in.noLoadVoltage = copy(electrical(eledata::TXTUNLOAD, row.group).text());
        break;
      case Edit::Turns:
        if (row.row == 0 && !context.twoPrimaries) in.layTurnsPerLayer = false;
        if (secondary) {
          winding::NoLoadVoltage induced;
          induced.kind = winding::NoLoadVoltage::Kind::FromTurns;
          induced.fluxDensity = context.fluxDensity;
          induced.frequency = context.frequency;
          induced.section = context.section;
          in.noLoadVoltage = induced;
        }
        break;
      case Edit::NoLoadVoltage:
        if (secondary) {
          // the row's own no-load voltage gives its turns
          pointGroupReferences(row.group, TxtUnV, row.row);
          in.turnsFromVoltage = turnsFrom(shared().gGroupVoltageRef.num(ws));
        } else {
          in.turnsFromVoltage =
              turnsFrom(secondPrimary ? context.inputVoltage2 : context.inputVoltage1);
        }
        break;
      case Edit::WireDiameter:
        if (secondPrimary) in.turnsFromVoltage = turnsFrom(context.inputVoltage2);
        if (secondary && context.twoPrimaries &&
            context.arrangement == winding::SlotArrangement::TwoSlots)
          in.turnsFromVoltage = turnsFrom(shared().gGroupVoltageRef.num(ws));
        break;
    }
  });
  SummariseTable();
}

// The design pass: each winding's turns from its voltage and its wire from
// its current at the current density, then its layout and performance.
void Frmjiegou::FANGZHEN() {
  rises_ = {};  // the runs were made on another table
  withSectionDrawnOnce([this] { designRows(); });
}

void Frmjiegou::designRows() {
  const Context context = readContext();
  Workspace& ws = workspace();
  shared().gFluxRef.setReference({forms::kCore, coreform::TxtBm});
  layOutRows(context, [&](const PlannedRow& row, RowInputs& in) {
    const bool secondary = row.role == RowRole::Secondary;
    double voltage =
        row.role == RowRole::FirstPrimary ? context.inputVoltage1 : context.inputVoltage2;
    if (secondary) voltage = shared().gGroupVoltageRef.num(ws);
    in.turnsFromVoltage =
        winding::TurnsFromVoltage{voltage, context.frequency, context.fluxDensity, context.section};
    const double density = secondary ? context.secondaryDensity : context.primaryDensity;
    in.wire = simulation::designedWireDiameter(in.current, density);
    cell(TXTWIRE, row.row).setText(in.wire);
    if (secondary) {
      winding::NoLoadVoltage copy;
      copy.text = shared().gGroupVoltageRef.text(ws);
      in.noLoadVoltage = copy;
    }
  });
  SummariseTable();
}

void Frmjiegou::SummariseTable() {
  Control& copperLoss = control(txtpcuz);
  copperLoss.setText("");
  for (int r = 0; r <= highestRow(); ++r) {
    copperLoss.setText(generalFormat(copperLoss.num() + cell(TXTPCU, r).num()));
    const Control& noLoad = cell(TxtUnV, r);
    if (noLoad.text().empty()) continue;
    const double regulation =
        checkedDivide(noLoad.num() - cell(TXTULOADE, r).num(), noLoad.num()) * 100;
    cell(TxtDU, r).setText(formatFixed(regulation, 1));
  }
  // a saturated core leaves only the primary's resistance across the supply
  const double hot = cell(TXTDCRHOT, 0).num();
  if (control(TxtB).num() >= 2 && hot > 0) {
    const double u1 = electrical(eledata::TXTUIN1).num();
    copperLoss.setText(formatFixed(checkedDivide(u1 * u1, hot * 0.001) + copperLoss.num(), 2));
  }
  DrawWindingSection();
}

}  // namespace corvane
