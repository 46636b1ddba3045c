#include "winding/frmjiegou.h"

#include <algorithm>
#include <cmath>

#include "bobbin/bobbinform_fields.h"
#include "core/coreform_fields.h"
#include "electrical/eledata_fields.h"
#include "model/command_names.h"
#include "model/host.h"
#include "model/picture.h"
#include "model/shared_values.h"
#include "model/value.h"
#include "model/workspace.h"
#include "winding/jiegou_fields.h"
#include "winding/operating_point.h"
#include "winding/outline_drawing.h"
#include "winding/winding_columns.h"

namespace corvane {

using namespace jiegou;

namespace {
constexpr const char* kCaption = "Peak Corvane专家系统 - 基本结构设计与性能仿真";

std::vector<std::string> itemsOf(const auto& list) {
  return {list.begin(), list.end()};
}
}  // namespace

Frmjiegou::Frmjiegou(Workspace& workspace) : Form(workspace, kName, kCaption) {
  addControls();
  addReactions();
  addSummaryHooks();
  holdsText({TXTWN, TXTID, TXTCUS, TXTNAME, TXTPROID});
  holdsSignedQuantity({txtlud, TxtDU});
  keepRunRises();
}

Control& Frmjiegou::electrical(const char* name, int row) const {
  return eledata::field(workspace(), name, row);
}
Control& Frmjiegou::core(const char* name) const {
  return coreform::field(workspace(), name);
}
Control& Frmjiegou::bobbin(const char* name) const {
  return bobbinform::field(workspace(), name);
}

int Frmjiegou::highestRowOf(const Form& structure) {
  const int lastRow = static_cast<int>(structure.array(TXTWN).count()) - 1;
  const double n = roundHalfEven(structure.control(Txtzb).num());
  return static_cast<int>(std::clamp(n, 0.0, static_cast<double>(lastRow)));
}

Control& Frmjiegou::cell(const char* column, int row) const {
  return array(column).element(row);
}

// ---------------------------------------------------------------- load

void Frmjiegou::load() {
  copyFromCore();
  const int primaries = electrical(eledata::Chkp).value() == 1 ? 2 : 1;
  const std::string rows = generalFormat(electrical(eledata::txtzb).num() + primaries);
  control(Txtzb).setText(rows);
  WNADD();
  control(TXTNAME).setText(bobbin(bobbinform::txtbname).text());
  control(Lbldate).setCaption(shortDateText(host().today()));
  fillLists(0);
  control(Txtzb).setText(rows);
  FANGZHEN();
  TapeLength();
  DrawWindingSection();
  drawOutline();
  determineNoLoadCurrent();
  if (control(Txtzb).num() > 0) showLoadFluxDensity();
}

void Frmjiegou::copyFromCore() {
  control(TxtBm).setText(core(coreform::TxtBm).text());
  control(TxtJ).setText(core(coreform::TxtJ).text());
  control(TxtJs).setText(core(coreform::txtjsec).text());
  control(TXTPCZ).setText(core(coreform::txtpc).text());
}

void Frmjiegou::fillLists(int row) {
  cell(CMBTYPE, row).setItems(itemsOf(winding::kWireTypes));
  cell(CMBTYPE, row).setListIndex(0);
  cell(CmBleadtype, row).setItems(itemsOf(winding::kLeadTypes));
  cell(CmBleadtype, row).setListIndex(0);
  cell(CMBCLR, row).setItems(itemsOf(winding::kLeadColours));
  cell(CMBCLR, row).setListIndex(0);
}

// Rows 1..N as copies of row 0's design-time settings, 5 mm apart.
void Frmjiegou::WNADD() {
  const int primaries = electrical(eledata::Chkp).value() == 1 ? 2 : 1;
  control(Txtzb).setText(generalFormat(electrical(eledata::txtzb).num() + primaries));
  const int n = static_cast<int>(std::max(0.0, roundHalfEven(control(Txtzb).num())));
  for (int i = 1; i <= n; ++i) {
    for (const char* column : winding::kRowCreationOrder) {
      ControlArray& rows = array(column);
      if (rows.has(i)) continue;
      const Control& above = rows.element(i - 1);
      ControlInit init;
      for (const winding::WindingColumn& c : winding::kWindingColumns)
        if (std::string_view(c.name) == column) {
          init.text = c.text;
          init.enabled = c.enabled;
          init.listOnly = c.kind != winding::CellKind::Display;
        }
      init.toolTip = above.toolTip();
      init.geometry = above.geometry();
      init.geometry.top += winding::kRowPitch;
      init.hasBackColor = above.hasBackColor();
      init.backColor = above.backColor();
      init.foreColor = above.foreColor();
      init.visible = true;
      rows.load(i, std::move(init));
      if (std::string_view(column) == TXTWN) cell(TXTWN, i).setText("N" + std::to_string(i + 1));
    }
    fillLists(i);
  }
}

// Sum of the mean turn lengths times the tape layers wound over each winding.
void Frmjiegou::TapeLength() {
  Control& length = control(TxtTapeLeng);
  length.setText("");
  const double layers = control(CmbTapeL).num();
  for (int i = 0; i <= highestRow(); ++i)
    length.setText(generalFormat(length.num() + cell(txtlt, i).num() * layers));
}

// ---------------------------------------------------------------- reactions

void Frmjiegou::setColumnEnabled(const char* column, bool enabled) {
  for (int i = 0; i <= highestRow(); ++i) cell(column, i).setEnabled(enabled);
}

void Frmjiegou::addReactions() {
  auto onEnter = [this](Edit edit) {
    return [this, edit](Control&, const EventArgs&) { recalculate(edit); };
  };
  on(EventKind::Enter, TXTQ, onEnter(Edit::Strands));
  on(EventKind::Enter, TXTTURN, onEnter(Edit::Turns));
  on(EventKind::Enter, TxtUnV, onEnter(Edit::NoLoadVoltage));
  on(EventKind::Enter, TXTWIRE, onEnter(Edit::WireDiameter));

  // column locks on the headers: a double-click arrives after its click, so
  // it ends with the column enabled
  auto lock = [this](const char* column, bool enabled) {
    return
        [this, column, enabled](Control&, const EventArgs&) { setColumnEnabled(column, enabled); };
  };
  on(EventKind::Click, columnHead(TXTQ), lock(TXTQ, true));
  on(EventKind::Click, columnHead(TXTTURN), lock(TXTTURN, false));
  on(EventKind::DblClick, columnHead(TXTTURN), lock(TXTTURN, true));
  on(EventKind::Click, columnHead(TXTWIRE), lock(TXTWIRE, false));
  on(EventKind::DblClick, columnHead(TXTWIRE), lock(TXTWIRE, true));

  on(EventKind::Enter, TxtBm, [this](Control&, const EventArgs&) { confirmFluxDensity(); });
  on(EventKind::Enter, TxtJ,
     [this](Control&, const EventArgs&) { confirmCurrentDensities(TxtJs); });
  on(EventKind::Enter, TxtJs,
     [this](Control&, const EventArgs&) { confirmCurrentDensities(TxtJ); });

  on(EventKind::Click, Command1, [this](Control&, const EventArgs&) { parameterSimulation(); });
  on(EventKind::Click, Command3, [this](Control&, const EventArgs&) {
    DrawWindingSection();
    drawOutline();
  });
  on(EventKind::Click, Command5, [this](Control&, const EventArgs&) { LoadRun(); });
  on(EventKind::Click, Command6, [this](Control&, const EventArgs&) { NoLoadRun(); });
  // the cost form sees to it that its material rows follow this table
  on(EventKind::Click, Command4,
     [this](Control&, const EventArgs&) { showFormIfKnown(forms::kCost); });
  on(EventKind::Click, Pr, [this](Control&, const EventArgs&) {
    workspace().runCommand(commands::kPrintManufacturingSheet);
  });
  on(EventKind::Click, CmdExportSpice,
     [this](Control&, const EventArgs&) { workspace().runCommand(commands::kExportSpiceModel); });
  on(EventKind::Click, Command2, [this](Control&, const EventArgs&) { previousStep(); });
  on(EventKind::Click, CmdOperating,
     [this](Control&, const EventArgs&) { showFormIfKnown(forms::kOperating); });
  on(EventKind::Click, wiretool,
     [this](Control&, const EventArgs&) { showFormIfKnown(forms::kWireTools); });
}

void Frmjiegou::addSummaryHooks() {
  on(EventKind::Change, TXTCUWEIGH, [this](Control&, const EventArgs&) { copperWeightTotal(); });
  on(EventKind::Change, TXTDCRHOT, [this](Control&, const EventArgs&) { DrawWindingSection(); });
  on(EventKind::Change, txtpcuz, [this](Control&, const EventArgs&) { totalLossAndRise(); });
  on(EventKind::Change, TXTTEMP, [this](Control&, const EventArgs&) { adapterRise(); });
  on(EventKind::Change, TxtBm, [this](Control&, const EventArgs&) {
    if (control(Txtzb).num() > 0) showLoadFluxDensity();
    fluxColourCheck();
  });
  auto tape = [this](Control&, const EventArgs&) { TapeLength(); };
  on(EventKind::Change, CmbTapeL, tape);
  on(EventKind::Choose, CmbTapeL, tape);
}

// Total copper weight in kg, rounded to the gram after every row.
void Frmjiegou::copperWeightTotal() {
  Control& total = control(TxtCuWt);
  total.setText("");
  for (int i = 0; i <= highestRow(); ++i)
    total.setText(formatFixed(cell(TXTCUWEIGH, i).num() * 0.001 + total.num(), 3));
}

std::string Frmjiegou::riseText(double loss) const {
  const std::string rise =
      winding::openFrameRiseText(loss, core(coreform::TxtFM).num(), core(coreform::TxtFc).num());
  return rise.empty() ? rise : rise + "℃";
}

void Frmjiegou::totalLossAndRise() {
  Control& rise = control(TXTTEMP);
  rise.setText("");
  Control& loss = control(txtpLOST);
  loss.setText(generalFormat(control(TXTPCZ).num() + control(txtpcuz).num()) + "W");
  rise.setText(riseText(std::fabs(loss.num())));
}

void Frmjiegou::adapterRise() {
  control(Tp2).setText(winding::adapterRiseText(control(TXTTEMP).num()) + "℃");
}

void Frmjiegou::showLoadFluxDensity() {
  control(TxtB).setText(winding::loadFluxDensityText(control(TxtBm).num(), cell(TxtDU, 1).num()));
}

void Frmjiegou::fluxColourCheck() {
  const double rated = coreform::field(workspace(), coreform::txtcoremt, 3).num();
  control(TxtBm).setBackColor(winding::fluxDensityColour(control(TxtBm).num(), rated));
}

// Enter in the no-load flux density: the core takes it, and the pass runs.
// The core's iron loss follows the new flux density, and so does the copy
// the total loss adds it from.
void Frmjiegou::confirmFluxDensity() {
  core(coreform::TxtBm).setText(control(TxtBm).text());
  control(TXTPCZ).setText(core(coreform::txtpc).text());
  FANGZHEN();
}

void Frmjiegou::confirmCurrentDensities(const char* next) {
  core(coreform::TxtJ).setText(control(TxtJ).text());
  core(coreform::txtjsec).setText(control(TxtJs).text());
  FANGZHEN();
  setFocus(control(next));
}

// ---------------------------------------------------------------- navigation

void Frmjiegou::showFormIfKnown(const char* name) {
  if (workspace().knowsForm(name)) workspace().form(name).show();
}

// The outline of the transformer from the core's L, H and stack.
void Frmjiegou::drawOutline() {
  drawTransformerOutline(control(Img).picture(), core(coreform::TXTL).num(),
                         core(coreform::TXTw).num(), core(coreform::TxtB).num());
}

// Back to the electrical form: this form and its table are discarded.
void Frmjiegou::previousStep() {
  workspace().form(forms::kElectrical).show();
  workspace().close(kName);
}

}  // namespace corvane
