#include "core/frmcore.h"

#include <array>
#include <string>
#include <vector>

#include "core/coreform_fields.h"
#include "core/material_grades.h"
#include "core/rated_power_tables.h"
#include "electrical/eledata_fields.h"
#include "electrical/input_voltages.h"
#include "model/design_session.h"
#include "model/form_image_print.h"
#include "model/host.h"
#include "model/shared_values.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane {

namespace {
constexpr const char* kCaption = "Peak Corvane专家系统 - 铁芯设计与选型";

struct GradeButton {
  const char* button;
  const core::RatedPowerTable* table;
};
// the buttons picking a standard transformer from a grade's rated-power table
constexpr std::array<GradeButton, 3> kGradeButtons{{
    {coreform::Command4, &core::kDw540Table},
    {coreform::Command5, &core::kDw360Table},
    {coreform::Command6, &core::kH800Table},
}};
}  // namespace

Frmcore::Frmcore(Workspace& workspace) : Form(workspace, kName, kCaption) {
  addControls();
  addReactions();
  addEnterChain();
  holdsText({coreform::txtcname});
  material(4).setContent(Control::Content::Text);  // the material's description
  holdsSignedQuantity({coreform::TxtPm});
}

// The rise, the regulation and the power come from the electrical form;
// reading them brings that form into being if needed.
void Frmcore::load() {
  write(coreform::TXTTEMP, electricalText(eledata::TXTTEMPD));
  write(coreform::TxtDU, electricalText(eledata::TXTLUD));
  pointFluxReference();
  write(coreform::txtpo, electricalText(eledata::txtpo));
  rewriteMaterialTexts();
  COREDATA();
  std::vector<std::string> nippon, jis, kawasaki;
  for (const core::MaterialGrade& grade : core::materialGrades()) {
    nippon.emplace_back(grade.nippon);
    jis.emplace_back(grade.jis);
    kawasaki.emplace_back(grade.kawasaki);
  }
  // the lists keep their makers' names shown until a grade is picked
  control(coreform::Cmbnew).setItems(std::move(nippon));
  control(coreform::cmbjis).setItems(std::move(jis));
  control(coreform::cmbcq).setItems(std::move(kawasaki));
}

// The electrical form may have changed while this one was hidden (and it
// may have created this form before its own load had set the rise).
void Frmcore::activated() {
  write(coreform::TXTTEMP, electricalText(eledata::TXTTEMPD));
  write(coreform::TxtDU, electricalText(eledata::TXTLUD));
  // shown again, the core no longer stands for a rated-power table's transformer
  write(coreform::Text3, "");
}

double Frmcore::num(const char* name) const {
  return control(name).num();
}

std::string Frmcore::electricalText(const char* name) const {
  if (!workspace().knowsForm(forms::kElectrical)) return {};
  return eledata::field(workspace(), name).text();
}

double Frmcore::electrical(const char* name) const {
  return Val(electricalText(name));
}

double Frmcore::secondInputVoltage() const {
  if (!workspace().knowsForm(forms::kElectrical)) return 0;
  return electrical::secondInputVoltage(workspace());
}

void Frmcore::write(const char* name, std::string text) {
  control(name).setText(std::move(text));
}

Control& Frmcore::material(int index) {
  return control(coreform::txtcoremt, index);
}

const Control& Frmcore::material(int index) const {
  return control(coreform::txtcoremt, index);
}

// ---------------------------------------------------------------- change table

void Frmcore::addReactions() {
  addMaterialReactions();
  addSizingReactions();
  addToolReactions();
}

void Frmcore::addMaterialReactions() {
  on(EventKind::Choose, {coreform::Cmbnew, coreform::cmbjis, coreform::cmbcq},
     [this](Control& list, const EventArgs&) { gradePicked(list); });
  on(EventKind::Change, coreform::TXTINDEX,
     [this](Control&, const EventArgs&) { materialIndexChanged(); });
  on(EventKind::Change, coreform::txtcoremt,
     [this](Control&, const EventArgs&) { proposeFluxDensity(); });
  on(EventKind::Click, coreform::OPTB, [this](Control& black, const EventArgs&) {
    if (black.value() == 1) finishChosen("A");
  });
  on(EventKind::Click, coreform::OPTW, [this](Control& white, const EventArgs&) {
    if (white.value() == 1) finishChosen("N");
  });
}

void Frmcore::addSizingReactions() {
  on(EventKind::Change, coreform::txtpo,
     [this](Control&, const EventArgs&) { enableGradeButtons(); });
  on(EventKind::Change, coreform::TxtF, [this](Control&, const EventArgs&) {
    primaryTurns();
    pointFluxReference();
    CDATA();
    fluxColourCheck();
    ap();
  });
  on(EventKind::Change, coreform::TxtBm, [this](Control&, const EventArgs&) {
    primaryTurns();
    pointFluxReference();
    CDATA();
    fluxColourCheck();
  });
  on(EventKind::Change, coreform::TxtJ, [this](Control& density, const EventArgs&) {
    write(coreform::txtjsec, density.text());  // the secondaries follow the primary
    ap();
    va();
  });
  on(EventKind::Change, {coreform::TXTBA, coreform::TXTHC}, [this](Control&, const EventArgs&) {
    CORESIZE();
    va();
  });
  on(EventKind::Change, coreform::txtsw, [this](Control&, const EventArgs&) {
    if (!keepDimensions_) CORESIZE();
    refreshSectionFigure();
  });
  on(EventKind::Change, coreform::TXTSC,
     [this](Control&, const EventArgs&) { refreshSectionFigure(); });
  on(EventKind::Change, coreform::TxtTurnPri,
     [this](Control&, const EventArgs&) { windowCurrentDensity(); });
  on(EventKind::Change, coreform::txtautocore, [this](Control& requested, const EventArgs&) {
    write(coreform::TXTL, requested.text());
    biaozhuncore();
    va();
    CDATA();
  });
  on(EventKind::Change, coreform::TXTL, [this](Control&, const EventArgs&) {
    rebuildCoreName();
    va();
    Fc();
    Fm();
  });
  on(EventKind::Change, coreform::TxtB, [this](Control&, const EventArgs&) { rebuildCoreName(); });
  on(EventKind::Change, {coreform::TXTa, coreform::txtc, coreform::txth, coreform::TXTw},
     [this](Control&, const EventArgs&) { CDATA(); });
  on(EventKind::Change, {coreform::txtle, coreform::txtwe},
     [this](Control&, const EventArgs&) { windingEstimates(); });
  on(EventKind::Change, coreform::txtcname, [this](Control&, const EventArgs&) { va(); });
  on(EventKind::Click, coreform::OptBZ,
     [this](Control&, const EventArgs&) { standardLaminationChoice(); });
  on(EventKind::Click, coreform::OPTFB, [this](Control&, const EventArgs&) { customCoreChoice(); });
  for (const GradeButton& grade : kGradeButtons) {
    const core::RatedPowerTable* table = grade.table;
    on(EventKind::Click, grade.button,
       [this, table](Control&, const EventArgs&) { pickRatedPower(*table); });
  }
  on(EventKind::Click, coreform::CMDBB, [this](Control&, const EventArgs&) { openBobbinForm(); });
}

void Frmcore::addToolReactions() {
  on(EventKind::Change, coreform::TxtDU, [this](Control&, const EventArgs&) { regulationRoute(); });
  on(EventKind::Click, coreform::GJ,
     [this](Control&, const EventArgs&) { control(coreform::Fmr).setVisible(true); });
  on(EventKind::Click, coreform::Command3, [this](Control&, const EventArgs&) { applyTool(); });
  on(EventKind::Click, coreform::Command2,
     [this](Control&, const EventArgs&) { control(coreform::Fmr).setVisible(false); });
  on(EventKind::Click, coreform::PRINT,
     [this](Control&, const EventArgs&) { printFormImage(*this); });
  on(EventKind::Click, coreform::OVER,
     [this](Control&, const EventArgs&) { workspace().session().endProgram(); });
}

void Frmcore::addEnterChain() {
  auto focusOn = [this](const char* next) {
    return [this, next](Control&, const EventArgs&) { setFocus(control(next)); };
  };
  on(EventKind::Enter, coreform::txtpo, [this](Control&, const EventArgs&) {
    ap();
    setFocus(control(coreform::TxtF));
  });
  on(EventKind::Enter, coreform::TxtF, focusOn(coreform::TxtBm));
  on(EventKind::Enter, coreform::TxtBm, [this](Control&, const EventArgs&) {
    CDATA();
    setFocus(control(coreform::TxtJ));
  });
  on(EventKind::Enter, coreform::TxtJ, focusOn(coreform::TXTBA));
  on(EventKind::Enter, coreform::TXTBA, focusOn(coreform::TXTHC));
  on(EventKind::Enter, coreform::TXTHC, focusOn(coreform::CMDBB));
  on(EventKind::Enter, coreform::txtautocore, focusOn(coreform::TxtB));
  on(EventKind::Enter, coreform::TXTL, [this](Control&, const EventArgs&) { laminationEntered(); });
  on(EventKind::Enter, coreform::TxtB, [this](Control&, const EventArgs&) { stackConfirmation(); });
  on(EventKind::Enter, {coreform::TXTa, coreform::TXTw},
     [this](Control&, const EventArgs&) { CDATA(); });
  on(EventKind::Enter, coreform::TXTTEMP, [this](Control&, const EventArgs&) { thermalRoute(); });
  on(EventKind::Enter, coreform::TxtDU, [this](Control&, const EventArgs&) { regulationRoute(); });
}

// ---------------------------------------------------------------- commands

void Frmcore::pointFluxReference() {
  shared().gFluxRef.setReference({kName, coreform::TxtBm, -1});
}

// A core figure Sc·Sw (cm⁴) for the designer's eye; nothing reads it. Empty
// while the section or the window is not known: "0.000" would be a core of
// no size.
void Frmcore::refreshSectionFigure() {
  const double figure = num(coreform::TXTSC) * num(coreform::txtsw);
  write(coreform::TXTSCSW, figure > 0 ? formatPattern(figure, "0.000") : std::string());
}

void Frmcore::enableGradeButtons() {
  double power = num(coreform::txtpo);
  for (const GradeButton& grade : kGradeButtons)
    control(grade.button).setEnabled(power <= grade.table->highestPower());
}

void Frmcore::openBobbinForm() {
  if (!workspace().knowsForm(forms::kBobbin)) return;
  workspace().form(forms::kBobbin).show();
  hide();
}

}  // namespace corvane
