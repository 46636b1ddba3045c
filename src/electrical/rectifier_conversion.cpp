// The rectifier conversion of one output group, the totals over all groups,
// the no-load voltages from the allowed regulation, and the schematic.
#include <cmath>

#include "electrical/electrical_tables.h"
#include "electrical/frmeledata.h"
#include "electrical/schematic.h"
#include "model/form_names.h"
#include "model/picture.h"
#include "model/shared_values.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane {

namespace {
constexpr double kMicrofarad = 1e6;
// ripple bounds of the reservoir capacitor: C = k / (2π f RL) with k = 10 .. 25
constexpr double kCapacitorLow = 10;
constexpr double kCapacitorHigh = 25;
constexpr double kTwoPi = 6.28;

std::string wholeMicrofarads(double microfarads) {
  return generalFormat(std::trunc(microfarads)) + "uF";
}
}  // namespace

void Frmeledata::rectifierConversion() {
  const int r = currentRow_;
  Workspace& ws = workspace();
  SharedValues& values = shared();

  // an unknown circuit keeps the previous factors and counts no diode
  int diodes = 0;
  if (const auto* circuit = electrical::findRectifierCircuit(cell("CMBZL", r).text())) {
    values.gRectVoltFactor.setNumber(circuit->voltageFactor);
    values.gRectCurrFactor.setNumber(circuit->currentFactor);
    diodes = circuit->diodesInSeries;
  }
  if (const auto* diode = electrical::findRectifierDiode(cell("cmbdio", r).text())) {
    if (diode->dropText.empty())
      values.gDiodeDrop.setNumber(0);
    else
      values.gDiodeDrop.setText(std::string(diode->dropText));
  }
  double kv = values.gRectVoltFactor.num(ws);
  double ki = values.gRectCurrFactor.num(ws);
  double drop = values.gDiodeDrop.num(ws);

  double outputVoltage = cell("txtudc", r).num();
  double outputCurrent = cell("txtidc", r).num();
  cell("txtsuac", r).setText(generalFormat(kv * outputVoltage + drop * diodes));
  cell("txtsiac", r).setText(generalFormat(ki * outputCurrent));
  double power = cell("txtsiac", r).num() * cell("txtsuac", r).num();
  cell("txtspo", r).setText(formatFixed(power, 1));

  // reading the frequency brings the core form into being
  double frequency = ws.field(forms::kCore, "TxtF").num();
  if (outputVoltage > 0 && outputCurrent > 0 && frequency > 0) {
    double loadResistance = outputVoltage / outputCurrent;
    double denominator = loadResistance * frequency * kTwoPi;
    double low = checkedDivide(kMicrofarad * kCapacitorLow, denominator);
    double high = checkedDivide(kMicrofarad * kCapacitorHigh, denominator);
    cell("TXTCP", r).setText(wholeMicrofarads(low) + "-" + wholeMicrofarads(high));
  }

  if (control("TXTUIN1").num() <= 0) return;
  recomputeTotals();
}

// Primary current: each group's VA over the sum of the input voltages, rounded
// to 1 mA before it is added; no efficiency or magnetising current here.
void Frmeledata::recomputeTotals() {
  Control& inputCurrent = control("TXTIIN");
  Control& totalPower = control("txtpo");
  inputCurrent.setText("");
  totalPower.setText("");
  const int n = highestGroup();
  for (int i = 0; i <= n; ++i) {
    double inputVoltage = control("TXTUIN2").num() + control("TXTUIN1").num();
    double va = cell("txtsuac", i).num() * cell("txtsiac", i).num();
    double share = Val(formatFixed(checkedDivide(va, inputVoltage), 3));
    inputCurrent.setText(generalFormat(share + inputCurrent.num()));
    totalPower.setText(generalFormat(totalPower.num() + cell("txtspo", i).num()) + "W");
  }
}

// No-load voltage: the on-load AC voltage raised by the allowed regulation.
void Frmeledata::refreshNoLoadVoltage(int row) {
  double share = (100 - control("TXTLUD").num()) * 0.01;
  double noLoad = checkedDivide(cell("txtsuac", row).num(), share);
  cell("TXTUNLOAD", row).setText(formatFixed(noLoad, 3));
}

void Frmeledata::refreshAllNoLoadVoltages() {
  const int n = highestGroup();
  for (int i = 0; i <= n; ++i) refreshNoLoadVoltage(i);
}

void Frmeledata::redrawPrimarySchematic() {
  Picture& picture = schematic();
  drawPrimaryWinding(picture, picture.backColor(), control("Chkp").value() == 1);
}

void Frmeledata::redrawSecondarySchematic() {
  Picture& picture = schematic();
  const int r = currentRow_;
  SecondaryCoil coil;
  coil.row = r;
  coil.parallel = cell("ChKSHC", r).value() == 1;
  coil.label = cell("TXTWN", r).text();
  drawSecondaryCoil(picture, picture.backColor(), coil);
}

}  // namespace corvane
