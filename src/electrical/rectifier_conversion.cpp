// The rectifier conversion of one output group, the totals over all groups,
// the no-load voltages from the allowed regulation, and the schematic.
#include <cmath>

#include "electrical/electrical_tables.h"
#include "electrical/eledata_fields.h"
#include "electrical/frmeledata.h"
#include "electrical/group_conversion.h"
#include "electrical/input_voltages.h"
#include "electrical/schematic.h"
#include "model/picture.h"
#include "model/shared_values.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane {

void Frmeledata::rectifierConversion() {
  const int r = currentRow_;
  Workspace& ws = workspace();
  SharedValues& values = shared();

  // an unknown circuit keeps the previous factors and counts no diode
  int diodes = 0;
  if (const auto* circuit = electrical::findRectifierCircuit(cell(eledata::CMBZL, r).text())) {
    values.gRectVoltFactor.setNumber(circuit->voltageFactor);
    values.gRectCurrFactor.setNumber(circuit->currentFactor);
    diodes = circuit->diodesInSeries;
  }
  if (const auto* diode = electrical::findRectifierDiode(cell(eledata::cmbdio, r).text())) {
    if (diode->dropText.empty())
      values.gDiodeDrop.setNumber(0);
    else
      values.gDiodeDrop.setText(std::string(diode->dropText));
  }
  double kv = values.gRectVoltFactor.num(ws);
  double ki = values.gRectCurrFactor.num(ws);
  double drop = values.gDiodeDrop.num(ws);

  const double outputVoltage = electrical::railMagnitude(cell(eledata::txtudc, r).num());
  const double outputCurrent = electrical::railMagnitude(cell(eledata::txtidc, r).num());
  cell(eledata::txtsuac, r).setText(electrical::acVoltageText(kv, outputVoltage, drop, diodes));
  cell(eledata::txtsiac, r).setText(electrical::acCurrentText(ki, outputCurrent));
  cell(eledata::txtspo, r)
      .setText(electrical::groupPowerText(cell(eledata::txtsiac, r).num(),
                                          cell(eledata::txtsuac, r).num()));

  // reading the frequency brings the core form into being
  double frequency = ws.linkedField(links::kCoreFrequency).num();
  if (auto range = electrical::capacitorRangeText(outputVoltage, outputCurrent, frequency))
    cell(eledata::TXTCP, r).setText(*range);

  redrawSchematic();
  if (control(eledata::TXTUIN1).num() <= 0) return;
  recomputeTotals();
}

// Primary current: each group's VA over the sum of the input voltages, rounded
// to 1 mA before it is added; no efficiency or magnetising current here.
void Frmeledata::recomputeTotals() {
  Control& inputCurrent = control(eledata::TXTIIN);
  Control& totalPower = control(eledata::txtpo);
  inputCurrent.setText("");
  totalPower.setText("");
  const int n = highestGroup();
  for (int i = 0; i <= n; ++i) {
    double share = electrical::primaryCurrentShare(
        cell(eledata::txtsuac, i).num(), cell(eledata::txtsiac, i).num(),
        control(eledata::TXTUIN1).num(), electrical::secondInputVoltage(workspace()));
    inputCurrent.setText(generalFormat(share + inputCurrent.num()));
    totalPower.setText(generalFormat(totalPower.num() + cell(eledata::txtspo, i).num()) + "W");
  }
}

// No-load voltage: the on-load AC voltage raised by the allowed regulation.
void Frmeledata::refreshNoLoadVoltage(int row) {
  cell(eledata::TXTUNLOAD, row)
      .setText(electrical::noLoadVoltageText(cell(eledata::txtsuac, row).num(),
                                             control(eledata::TXTLUD).num()));
}

void Frmeledata::refreshAllNoLoadVoltages() {
  const int n = highestGroup();
  for (int i = 0; i <= n; ++i) refreshNoLoadVoltage(i);
}

void Frmeledata::redrawSchematic() {
  Picture& picture = schematic();
  picture.clear();
  drawPrimaryWinding(picture, picture.backColor(), control(eledata::Chkp).value() == 1);
  const int n = highestGroup();
  for (int i = 0; i <= n; ++i) {
    if (!array(eledata::TXTWN).has(i)) break;
    SecondaryCoil coil;
    coil.row = i;
    coil.parallel = cell(eledata::ChKSHC, i).value() == 1;
    coil.label = cell(eledata::TXTWN, i).text();
    drawSecondaryCoil(picture, picture.backColor(), coil);
  }
}

}  // namespace corvane
