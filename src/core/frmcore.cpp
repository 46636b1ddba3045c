#include "core/frmcore.h"

#include <array>
#include <string>
#include <vector>

#include "core/material_grades.h"
#include "core/rated_power_tables.h"
#include "model/design_session.h"
#include "model/form_image_print.h"
#include "model/host.h"
#include "model/shared_values.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane {

namespace {
constexpr const char* kCaption = "Peak Corvane专家系统 - 铁芯设计与选型";
constexpr const char* kElectricalForm = "Frmeledata";
constexpr const char* kBobbinForm = "Frmbobbin";

struct GradeButton {
  const char* button;
  const core::RatedPowerTable* table;
};
// the buttons picking a standard transformer from a grade's rated-power table
constexpr std::array<GradeButton, 3> kGradeButtons{{
    {"Command4", &core::kDw540Table},
    {"Command5", &core::kDw360Table},
    {"Command6", &core::kH800Table},
}};
}  // namespace

Frmcore::Frmcore(Workspace& workspace) : Form(workspace, kName, kCaption) {
  addControls();
  addReactions();
  addEnterChain();
  keep("efficiency", efficiency_);
}

// The rise, the regulation and the power come from the electrical form;
// reading them brings that form into being if needed.
void Frmcore::load() {
  write("TXTTEMP", electricalText("TXTTEMPD"));
  write("TxtDU", electricalText("TXTLUD"));
  pointFluxReference();
  write("txtpo", electricalText("txtpo"));
  rewriteMaterialTexts();
  COREDATA();
  std::vector<std::string> nippon, jis, kawasaki;
  for (const core::MaterialGrade& grade : core::materialGrades()) {
    nippon.emplace_back(grade.nippon);
    jis.emplace_back(grade.jis);
    kawasaki.emplace_back(grade.kawasaki);
  }
  // the lists keep their makers' names shown until a grade is picked
  control("Cmbnew").setItems(std::move(nippon));
  control("cmbjis").setItems(std::move(jis));
  control("cmbcq").setItems(std::move(kawasaki));
}

// The electrical form may have changed while this one was hidden (and it
// may have created this form before its own load had set the rise).
void Frmcore::activated() {
  write("TXTTEMP", electricalText("TXTTEMPD"));
  write("TxtDU", electricalText("TXTLUD"));
  // shown again, the core no longer stands for a rated-power table's transformer
  write("Text3", "");
}

double Frmcore::num(const char* name) const {
  return control(name).num();
}

std::string Frmcore::electricalText(const char* name) const {
  if (!workspace().knowsForm(kElectricalForm)) return {};
  return workspace().field(kElectricalForm, name).text();
}

double Frmcore::electrical(const char* name) const {
  return Val(electricalText(name));
}

void Frmcore::write(const char* name, std::string text) {
  control(name).setText(std::move(text));
}

Control& Frmcore::material(int index) const {
  return control("txtcoremt", index);
}

// ---------------------------------------------------------------- change table

void Frmcore::addReactions() {
  addMaterialReactions();
  addSizingReactions();
  addToolReactions();
}

void Frmcore::addMaterialReactions() {
  on(EventKind::Choose, {"Cmbnew", "cmbjis", "cmbcq"},
     [this](Control& list, const EventArgs&) { gradePicked(list); });
  on(EventKind::Change, "TXTINDEX", [this](Control&, const EventArgs&) { materialIndexChanged(); });
  on(EventKind::Change, "txtcoremt", [this](Control&, const EventArgs&) { proposeFluxDensity(); });
  on(EventKind::Click, "OPTB", [this](Control& black, const EventArgs&) {
    if (black.value() == 1) finishChosen("A");
  });
  on(EventKind::Click, "OPTW", [this](Control& white, const EventArgs&) {
    if (white.value() == 1) finishChosen("N");
  });
}

void Frmcore::addSizingReactions() {
  on(EventKind::Change, "txtpo", [this](Control&, const EventArgs&) { enableGradeButtons(); });
  on(EventKind::Change, "TxtF", [this](Control&, const EventArgs&) {
    primaryTurns();
    pointFluxReference();
    CDATA();
    fluxColourCheck();
    ap();
  });
  on(EventKind::Change, "TxtBm", [this](Control&, const EventArgs&) {
    primaryTurns();
    pointFluxReference();
    CDATA();
    fluxColourCheck();
  });
  on(EventKind::Change, "TxtJ", [this](Control& density, const EventArgs&) {
    write("txtjsec", density.text());  // the secondaries follow the primary
    ap();
    va();
  });
  on(EventKind::Change, {"TXTBA", "TXTHC"}, [this](Control&, const EventArgs&) {
    CORESIZE();
    va();
  });
  on(EventKind::Change, "txtsw", [this](Control&, const EventArgs&) {
    if (!keepDimensions_) CORESIZE();
    refreshSectionFigure();
  });
  on(EventKind::Change, "TXTSC", [this](Control&, const EventArgs&) { refreshSectionFigure(); });
  on(EventKind::Change, "TxtTurnPri",
     [this](Control&, const EventArgs&) { windowCurrentDensity(); });
  on(EventKind::Change, "txtautocore", [this](Control& requested, const EventArgs&) {
    write("TXTL", requested.text());
    biaozhuncore();
    va();
    CDATA();
  });
  on(EventKind::Change, "TXTL", [this](Control&, const EventArgs&) {
    rebuildCoreName();
    va();
    Fc();
    Fm();
  });
  on(EventKind::Change, "TxtB", [this](Control&, const EventArgs&) { rebuildCoreName(); });
  on(EventKind::Change, {"TXTa", "txtc", "txth", "TXTw"},
     [this](Control&, const EventArgs&) { CDATA(); });
  on(EventKind::Change, {"txtle", "txtwe"},
     [this](Control&, const EventArgs&) { windingEstimates(); });
  on(EventKind::Change, "txtcname", [this](Control&, const EventArgs&) { va(); });
  on(EventKind::Click, "OptBZ", [this](Control&, const EventArgs&) { standardLaminationChoice(); });
  on(EventKind::Click, "OPTFB", [this](Control&, const EventArgs&) { customCoreChoice(); });
  for (const GradeButton& grade : kGradeButtons) {
    const core::RatedPowerTable* table = grade.table;
    on(EventKind::Click, grade.button,
       [this, table](Control&, const EventArgs&) { pickRatedPower(*table); });
  }
  on(EventKind::Click, "CMDBB", [this](Control&, const EventArgs&) { openBobbinForm(); });
}

void Frmcore::addToolReactions() {
  on(EventKind::Change, "TxtDU", [this](Control&, const EventArgs&) { regulationRoute(); });
  on(EventKind::Click, "GJ",
     [this](Control&, const EventArgs&) { control("Fmr").setVisible(true); });
  on(EventKind::Click, "Command3", [this](Control&, const EventArgs&) { applyTool(); });
  on(EventKind::Click, "Command2",
     [this](Control&, const EventArgs&) { control("Fmr").setVisible(false); });
  on(EventKind::Click, "PRINT", [this](Control&, const EventArgs&) { printFormImage(*this); });
  on(EventKind::Click, "OVER",
     [this](Control&, const EventArgs&) { workspace().session().endProgram(); });
}

void Frmcore::addEnterChain() {
  auto focusOn = [this](const char* next) {
    return [this, next](Control&, const EventArgs&) { setFocus(control(next)); };
  };
  on(EventKind::Enter, "txtpo", [this](Control&, const EventArgs&) {
    ap();
    setFocus(control("TxtF"));
  });
  on(EventKind::Enter, "TxtF", focusOn("TxtBm"));
  on(EventKind::Enter, "TxtBm", [this](Control&, const EventArgs&) {
    CDATA();
    setFocus(control("TxtJ"));
  });
  on(EventKind::Enter, "TxtJ", focusOn("TXTBA"));
  on(EventKind::Enter, "TXTBA", focusOn("TXTHC"));
  on(EventKind::Enter, "TXTHC", focusOn("CMDBB"));
  on(EventKind::Enter, "txtautocore", focusOn("TxtB"));
  on(EventKind::Enter, "TXTL", [this](Control&, const EventArgs&) {
    biaozhuncore();
    rebuildCoreName();
    va();
    Fc();
    Fm();  // the snap wrote the catalogue's coil surface; this is the one of the dimensions
  });
  on(EventKind::Enter, "TxtB", [this](Control&, const EventArgs&) { stackConfirmation(); });
  on(EventKind::Enter, {"TXTa", "TXTw"}, [this](Control&, const EventArgs&) { CDATA(); });
  on(EventKind::Enter, "TXTTEMP", [this](Control&, const EventArgs&) { thermalRoute(); });
  on(EventKind::Enter, "TxtDU", [this](Control&, const EventArgs&) { regulationRoute(); });
}

// ---------------------------------------------------------------- commands

void Frmcore::pointFluxReference() {
  shared().gFluxRef.setReference({kName, "TxtBm", -1});
}

// A core figure Sc·Sw (cm⁴) for the designer's eye; nothing reads it.
void Frmcore::refreshSectionFigure() {
  write("TXTSCSW", formatPattern(num("TXTSC") * num("txtsw"), "0.000"));
}

void Frmcore::enableGradeButtons() {
  double power = num("txtpo");
  for (const GradeButton& grade : kGradeButtons)
    control(grade.button).setEnabled(power <= grade.table->highestPower());
}

void Frmcore::openBobbinForm() {
  if (!workspace().knowsForm(kBobbinForm)) return;
  workspace().form(kBobbinForm).show();
  hide();
}

}  // namespace corvane
