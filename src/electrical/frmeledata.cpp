#include "electrical/frmeledata.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "electrical/design_file.h"
#include "electrical/electrical_tables.h"
#include "electrical/eledata_fields.h"
#include "electrical/printout.h"
#include "model/design_session.h"
#include "model/host.h"
#include "model/list_items.h"
#include "model/picture.h"
#include "model/shared_values.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane {

namespace {
constexpr const char* kCaption = "Peak Corvane专家系统 - 基本参数设置与设计";
constexpr const char* kContinueQuestion = "您要继续添加输出参数吗？";
constexpr const char* kRemovePrompt = "您将移除绕组";
}  // namespace

Frmeledata::Frmeledata(Workspace& workspace) : Form(workspace, kName, kCaption) {
  addControls();
  addReactions();
  addEnterChain();
  holdsText({eledata::TXTWN, eledata::TXTCP});
  holdsSignedQuantity({eledata::TXTTEMP20});
  holdsRailQuantity({eledata::txtudc, eledata::txtidc});
  keep("CurrentRow", currentRow_, 0, kHighestGroup);
}

void Frmeledata::load() {
  // choosing the first items runs the choice reactions: row 0 is converted
  Control& circuit = cell(eledata::CMBZL, 0);
  circuit.setItems(namesOf(electrical::kRectifierCircuits));
  circuit.setListIndex(0);
  Control& diode = cell(eledata::cmbdio, 0);
  diode.setItems(namesOf(electrical::kRectifierDiodes));
  diode.setListIndex(0);

  Control& insulation = control(eledata::Combo1);
  std::vector<std::string> classes(electrical::kInsulationClassItems.begin(),
                                   electrical::kInsulationClassItems.end());
  insulation.setItems(std::move(classes));
  insulation.setListIndex(electrical::kDefaultInsulationItem);
  showInputsAsArranged();
}

// A saved design from before the field followed the arrangement may show it.
void Frmeledata::restored() {
  showInputsAsArranged();
}

// The second input voltage is there to type only for two primaries.
void Frmeledata::showInputsAsArranged() {
  control(eledata::TXTUIN2).setVisible(control(eledata::Chkp).value() == 1);
}

int Frmeledata::highestGroup() const {
  double n = roundHalfEven(control(eledata::txtzb).num());
  return static_cast<int>(std::clamp(n, 0.0, static_cast<double>(kHighestGroup)));
}

void Frmeledata::keepCurrentRowInDesign() {
  currentRow_ = std::clamp(currentRow_, 0, highestGroup());
}

Control& Frmeledata::cell(const char* arrayName, int row) {
  return array(arrayName).element(row);
}

const Control& Frmeledata::cell(const char* arrayName, int row) const {
  return array(arrayName).element(row);
}

Picture& Frmeledata::schematic() {
  return control(eledata::PICSHC).picture();
}

// ---------------------------------------------------------------- reactions

void Frmeledata::addReactions() {
  auto convert = [this](Control&, const EventArgs&) { rectifierConversion(); };
  on(EventKind::Change, {eledata::TXTUIN1, eledata::TXTUIN2}, convert);
  on(EventKind::Click, eledata::Chkp,
     [this](Control&, const EventArgs&) { inputArrangementClicked(); });

  auto insulation = [this](Control&, const EventArgs&) { applyInsulationClass(); };
  on(EventKind::Change, eledata::Combo1, insulation);
  on(EventKind::Choose, eledata::Combo1, insulation);
  on(EventKind::Click, eledata::Combo1, insulation);

  on(EventKind::Change, eledata::txtpo, [this](Control& power, const EventArgs&) {
    control(eledata::TXTLUD).setText(std::to_string(electrical::defaultRegulation(power.num())));
  });
  on(EventKind::Change, eledata::TXTLUD,
     [this](Control&, const EventArgs&) { refreshAllNoLoadVoltages(); });
  // before the keystroke edits the text: no-load voltage of row 0 from the
  // regulation still shown
  on(EventKind::KeyPress, eledata::TXTLUD, [this](Control& regulation, const EventArgs&) {
    double acVoltage = cell(eledata::txtsuac, 0).num();
    cell(eledata::TXTUNLOAD, 0).setText(generalFormat(acVoltage * (regulation.num() + 100) * 0.01));
  });

  on(EventKind::Change, eledata::txtudc, [this](Control& c, const EventArgs&) {
    refreshNoLoadVoltage(c.index());
    pointGroupReferences(c.index());
    rectifierConversion();
  });
  on(EventKind::Change, eledata::txtidc, [this](Control& c, const EventArgs&) {
    pointGroupReferences(c.index());
    rectifierConversion();
  });
  on(EventKind::Change, eledata::txtsuac, [this](Control& c, const EventArgs&) {
    pointGroupReferences(c.index());
    refreshNoLoadVoltage(c.index());
  });
  auto point = [this](Control& c, const EventArgs&) { pointGroupReferences(c.index()); };
  on(EventKind::Change, {eledata::txtsiac, eledata::txtspo, eledata::TXTCP}, point);
  on(EventKind::KeyPress, {eledata::txtudc, eledata::txtspo}, point);

  on(EventKind::Choose, eledata::CMBZL, [this](Control& c, const EventArgs&) {
    currentRow_ = c.index();
    rectifierConversion();
  });
  on(EventKind::Choose, eledata::cmbdio, [this](Control& c, const EventArgs&) {
    pointGroupReferences(c.index());
    currentRow_ = c.index();
    rectifierConversion();
  });
  on(EventKind::Click, eledata::ChKSHC,
     [this](Control& c, const EventArgs&) { connectionClicked(c.index()); });

  on(EventKind::Click, eledata::CMDWNDEL,
     [this](Control&, const EventArgs&) { deleteLastGroup(); });
  on(EventKind::Click, eledata::cmdcore, [this](Control&, const EventArgs&) { openCoreForm(); });
  on(EventKind::Click, eledata::CMDJIEDOU,
     [this](Control&, const EventArgs&) { openStructureForm(); });
  // the search is a later stage: known by name, as the program registers it
  on(EventKind::Click, eledata::CmdSearch, [this](Control&, const EventArgs&) {
    if (workspace().knowsForm(forms::kSearch)) workspace().form(forms::kSearch).show();
  });
  // the file replaces the electrical design: unsaved changes are offered a save first
  on(EventKind::Click, eledata::OPEN, [this](Control&, const EventArgs&) {
    if (workspace().session().settleUnsavedChanges()) openDesign(*this);
  });
  on(EventKind::Click, eledata::SAVE, [this](Control&, const EventArgs&) { saveDesign(*this); });
  on(EventKind::Click, eledata::OVER, [this](Control&, const EventArgs&) { hide(); });
  on(EventKind::Click, eledata::PRINT,
     [this](Control&, const EventArgs&) { printParameterTable(*this); });
}

void Frmeledata::addEnterChain() {
  on(EventKind::Enter, eledata::txtudc,
     [this](Control& c, const EventArgs&) { voltageEntered(c.index(), eledata::txtidc); });
  on(EventKind::Enter, eledata::txtidc, [this](Control& c, const EventArgs&) {
    int i = c.index();
    pointGroupReferences(i);
    setFocus(cell(eledata::CMBZL, i));
    currentRow_ = i;
    rectifierConversion();
  });
  on(EventKind::Enter, eledata::CMBZL, [this](Control& c, const EventArgs&) {
    setFocus(cell(eledata::cmbdio, c.index()));
    rectifierConversion();
  });
  on(EventKind::Enter, eledata::cmbdio, [this](Control& c, const EventArgs&) {
    setFocus(cell(eledata::txtsuac, c.index()));
    rectifierConversion();
  });
  on(EventKind::Enter, eledata::txtsuac,
     [this](Control& c, const EventArgs&) { voltageEntered(c.index(), eledata::txtsiac); });
  on(EventKind::Enter, eledata::txtsiac, [this](Control& c, const EventArgs&) {
    int i = c.index();
    pointGroupReferences(i);
    currentRow_ = i;
    setFocus(cell(eledata::txtspo, i));
    rectifierConversion();
    redrawSchematic();
  });
  on(EventKind::Enter, eledata::txtspo,
     [this](Control& c, const EventArgs&) { continueAfterPower(c.index()); });
}

// A group's DC or AC voltage confirmed: the row becomes the current group,
// converts with its new voltage and hands the focus to its current.
void Frmeledata::voltageEntered(int row, const char* currentField) {
  refreshNoLoadVoltage(row);
  pointGroupReferences(row);
  currentRow_ = row;
  rectifierConversion();
  setFocus(cell(currentField, row));
}

void Frmeledata::pointGroupReferences(int row) {
  shared().gGroupVoltageRef.setReference({kName, eledata::txtsuac, row});
  shared().gGroupCurrentRef.setReference({kName, eledata::txtsiac, row});
}

void Frmeledata::applyInsulationClass() {
  Control& limit = control(eledata::Text13);
  if (const auto* insulation = electrical::findInsulationClass(control(eledata::Combo1).text()))
    limit.setText(std::to_string(insulation->limit) + "℃");
  // allowed rise: the class limit less a 10 K hot-spot margin and the ambient
  double rise = limit.num() - 10 - control(eledata::TXTTEMP20).num();
  control(eledata::TXTTEMPD).setText(generalFormat(rise));
}

void Frmeledata::inputArrangementClicked() {
  Control& arrangement = control(eledata::Chkp);
  Control& secondInput = control(eledata::TXTUIN2);
  if (arrangement.value() == 1) {
    arrangement.setCaption("双组输入");
    secondInput.setVisible(true);
  } else {
    arrangement.setCaption("单组输入");
    secondInput.setText("");
    secondInput.setVisible(false);
  }
  redrawSchematic();
  rectifierConversion();
}

void Frmeledata::connectionClicked(int row) {
  currentRow_ = row;
  Control& connection = cell(eledata::ChKSHC, row);
  connection.setCaption(connection.value() == 1 ? "P" : "S");
  redrawSchematic();
}

// Enter in txtspo: offer another group, then go on to the next row.
void Frmeledata::continueAfterPower(int row) {
  pointGroupReferences(row);
  // nine groups at most, whichever row the conversion last worked on
  if (currentRow_ < kHighestGroup && highestGroup() < kHighestGroup &&
      host().askYesNo(kContinueQuestion, caption()))
    appendGroup();
  int n = highestGroup();
  if (n > 0 && n > row) {
    setFocus(cell(eledata::txtudc, row + 1));
    currentRow_ = row;
    rectifierConversion();
  }
}

// ---------------------------------------------------------------- rows

void Frmeledata::addRowBelow(int row) {
  for (const char* name : kRowArrays) {
    ControlArray& rows = array(name);
    const Control& above = rows.element(row - 1);
    ControlInit init;
    init.geometry = above.geometry();
    init.geometry.top += kRowPitch;
    init.container = above.container();
    init.toolTip = above.toolTip();
    init.visible = true;
    if (above.kind() == ControlKind::ComboBox) {
      init.items = above.items();
      init.listIndex = above.listIndex();
      init.text = above.text();
    } else if (above.kind() == ControlKind::CheckBox) {
      init.caption = "S";
    } else if (std::string_view(name) == eledata::TXTWN) {
      init.text = "W" + std::to_string(row + 1);
    }
    rows.load(row, std::move(init));
  }
}

void Frmeledata::removeExtraRows() {
  Control& counter = control(eledata::txtzb);
  for (int n = highestGroup(); n > 0; --n) counter.setText(generalFormat(n - 1));
  for (const char* name : kRowArrays) {
    ControlArray& rows = array(name);
    for (int index : rows.indices())
      if (index > 0) rows.unload(index);
  }
}

void Frmeledata::appendGroup() {
  int n = highestGroup() + 1;
  if (n > kHighestGroup) return;
  control(eledata::txtzb).setText(generalFormat(n));
  if (!array(eledata::txtudc).has(n)) addRowBelow(n);
  control(eledata::CMDWNDEL).setEnabled(true);
}

void Frmeledata::deleteLastGroup() {
  int n = highestGroup();
  std::optional<std::string> answer;
  if (n > 0) {
    // the 1-based number of the group that goes
    answer = host().inputBox(kRemovePrompt, caption(), generalFormat(n + 1));
    if (!answer) return;  // cancelled: the group stays
  }
  schematic().clear();
  control(eledata::txtpo).setText("");
  control(eledata::TXTIIN).setText("");
  currentRow_ = std::max(0, currentRow_ - 1);
  if (n == 0) return;

  control(eledata::txtzb).setText(generalFormat(n - 1));
  for (const char* name : kRowArrays) array(name).unload(n);
  keepCurrentRowInDesign();
  if (n - 1 == 0) control(eledata::CMDWNDEL).setEnabled(false);
  recomputeTotals();
  redrawSchematic();  // the groups that stay
}

// ---------------------------------------------------------------- navigation

void Frmeledata::openCoreForm() {
  // the core is sized for the output power raised by the allowed regulation
  double raised = control(eledata::txtpo).num() * (1 + 0.01 * control(eledata::TXTLUD).num());
  workspace().linkedField(links::kCorePower).setText(generalFormat(raised));
  workspace().form(forms::kCore).show();
  hide();
}

void Frmeledata::openStructureForm() {
  if (!workspace().knowsForm(forms::kStructure)) return;
  // one winding row per primary plus one per output group; Txtzb is the highest row index
  int primaries = control(eledata::Chkp).value() == 1 ? 2 : 1;
  const double rows = control(eledata::txtzb).num() + primaries;
  // a table built for another number of windings is built afresh from the
  // specification as it now stands, so its rows and its row count agree
  if (const Control* open = workspace().linkedFieldIfOpen(links::kStructureHighestRow);
      open && open->num() != rows)
    workspace().close(forms::kStructure);
  workspace().linkedField(links::kStructureHighestRow).setText(generalFormat(rows));
  workspace().form(forms::kStructure).show();
  hide();
}

}  // namespace corvane
