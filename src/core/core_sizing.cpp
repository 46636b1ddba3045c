// Core sizing of the core form: the cross-section from the power, a core from
// a rated-power table, the catalogue or two proportions, and the quantities
// every core gives (turns, path, weight, loss, highest power, surfaces).
// Lengths in mm, areas in cm², so mm² × 0.01 is cm² and cm² × 100 is mm².
#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "core/core_geometry.h"
#include "core/coreform_fields.h"
#include "core/frmcore.h"
#include "core/lamination_catalogue.h"
#include "core/rated_power_tables.h"
#include "electrical/eledata_fields.h"
#include "electrical/input_voltages.h"
#include "model/form_fields.h"
#include "model/formulas.h"
#include "model/host.h"
#include "model/scope_exit.h"
#include "model/value.h"

namespace corvane {

void Frmcore::ap() {
  if (auto section = core::sectionForPowerText(num(coreform::txtpo), num(coreform::TxtF),
                                               num(coreform::TxtBm), num(coreform::TxtJ)))
    write(coreform::TXTSC, *section);
}

void Frmcore::CORESIZE() {
  core::ProportionInputs in;
  in.section = num(coreform::TXTSC);
  in.window = num(coreform::txtsw);
  in.stackOverTongue = num(coreform::TXTBA);
  in.heightOverWidth = num(coreform::TXTHC);
  in.tongue = control(coreform::TXTa).text();
  in.windowWidth = control(coreform::txtc).text();
  in.windowHeight = control(coreform::txth).text();
  FormFields fields(*this);
  core::proportionedCore(in, fields);
  CDATA();
}

void Frmcore::CDATA() {
  core::CoreLossInputs in;
  in.length = num(coreform::TXTL);
  in.height = num(coreform::TXTw);
  in.windowWidth = num(coreform::txtc);
  in.windowHeight = num(coreform::txth);
  in.section = num(coreform::TXTSC);
  in.density = material(1).num();
  in.specificLoss = material(2).num();
  in.fluxDensity = num(coreform::TxtBm);
  const std::string grade = control(coreform::Cmbnew).text();
  in.grade = grade;
  in.blackFinish = control(coreform::OPTB).value() == 1;
  FormFields fields(*this);
  core::coreLosses(in, fields);
}

void Frmcore::va() {
  write(coreform::TXTVA,
        core::highestPowerText(num(coreform::TxtBm), num(coreform::TxtF), num(coreform::TxtJ),
                               num(coreform::TXTa), num(coreform::TxtB), num(coreform::txtc),
                               num(coreform::txth)));
}

void Frmcore::Fc() {
  write(coreform::TxtFc, "");
  write(coreform::TxtFc,
        core::coreSurfaceText(num(coreform::TXTL), num(coreform::TXTw), num(coreform::TxtB),
                              num(coreform::txtc), num(coreform::txth)));
}

void Frmcore::Fm() {
  write(coreform::TxtFM, "");
  write(coreform::TxtFM,
        core::coilSurfaceText(num(coreform::TXTa), num(coreform::txtc), num(coreform::txth)));
}

void Frmcore::biaozhuncore() {
  const core::StandardEiRow* row = core::standardLaminationFor(num(coreform::TXTL));
  if (!row) return;  // larger than the largest standard lamination
  // L first: what it triggers sees the old a, c and h; the later writes catch up
  write(coreform::TXTL, generalFormat(row->length));
  write(coreform::TXTw, generalFormat(row->height));
  write(coreform::TXTa, generalFormat(row->tongue));
  write(coreform::txtc, generalFormat(row->windowWidth));
  write(coreform::txth, generalFormat(core::windowHeightOf(*row)));
  if (row->coilSurface) write(coreform::TxtFM, generalFormat(*row->coilSurface));
  if (row->dissipation) write(coreform::TxtAM, generalFormat(*row->dissipation));
}

void Frmcore::pickRatedPower(const core::RatedPowerTable& table) {
  if (!proposeRatedPower(table)) return;
  // the table names its lamination by the length alone; the catalogue has the rest of it
  if (!core::catalogueLaminationOf(num(coreform::TXTL))) {
    laminationOutsideCatalogue();
    return;
  }
  laminationEntered();
}

bool Frmcore::proposeRatedPower(const core::RatedPowerTable& table) {
  write(coreform::Text3, table.marker);
  const core::RatedPowerBand* band = core::bandFor(table, num(coreform::txtpo));
  if (!band) host().showMessage("抱歉暂无此功率规格", MessageIcon::Information, caption());
  const core::RatedPowerBand chosen = band ? *band : core::RatedPowerBand{};
  write(coreform::TXTL, generalFormat(chosen.length));
  write(coreform::TxtB, generalFormat(chosen.stack));
  write(coreform::TxtBm, band ? generalFormat(band->fluxDensity) : std::string());
  write(coreform::TxtJ, generalFormat(chosen.currentDensity));
  write(coreform::TXTVA, generalFormat(chosen.noLoadVa));
  write(coreform::txtpc, generalFormat(chosen.ironLoss));
  material(2).setText(generalFormat(table.specificLoss));
  material(3).setText(generalFormat(table.materialFlux));
  write(coreform::Text2, generalFormat(chosen.rise));
  write(coreform::TxtVa0, generalFormat(chosen.noLoadVa));
  material(4).setText(table.description);
  return band != nullptr;
}

// What Enter in TXTL does: the standard lamination's dimensions, the core
// name, the highest output power and both cooling surfaces.
void Frmcore::laminationEntered() {
  biaozhuncore();
  rebuildCoreName();
  va();
  Fc();
  Fm();  // the snap wrote the catalogue's coil surface; this is the one of the dimensions
}

// A lamination the catalogue lacks would snap to another one: its dimensions
// are the designer's to type, and nothing is derived from a size not known.
void Frmcore::laminationOutsideCatalogue() {
  for (const char* dimension : {coreform::TXTw, coreform::TXTa, coreform::txtc, coreform::txth})
    write(dimension, "");
  // the path and weight first: their change reactions rewrite the estimates
  for (const char* derived : {coreform::txtle, coreform::txtwe, coreform::txtpc, coreform::TXTVA,
                              coreform::TxtLv, coreform::TxtCu, coreform::TxtFc, coreform::TxtFM})
    write(derived, "");
  host().showMessage("标准片目录中没有此铁芯的尺寸，请输入铁芯尺寸", MessageIcon::Information,
                     caption());
}

void Frmcore::PowerTable800() {
  pickRatedPower(core::kH800Table);
}

void Frmcore::standardLaminationChoice() {
  control(coreform::OPTFB).setEnabled(true);
  // a lamination is picked for a section: the one the power asks for, as
  // Enter in the power field sizes it, when there is none yet
  if (num(coreform::TXTSC) == 0) ap();
  // the 50H800 table proposes length and stack while it serves the power;
  // the catalogue lamination is picked below in any case
  if (num(coreform::txtpo) <= core::kH800Table.highestPower())
    proposeRatedPower(core::kH800Table);
  else if (num(coreform::TXTL) <= 0)
    proposeLaminationForSection();
  biaozhuncore();
  showStandardWindow();
  va();
}

// The picked lamination's window area Sw, from its c and h; the dimensions
// just picked stay as they are.
void Frmcore::showStandardWindow() {
  keepDimensions_ = true;
  ScopeExit reset([this] { keepDimensions_ = false; });
  write(coreform::txtsw, core::windowAreaText(num(coreform::txtc), num(coreform::txth)));
}

// No length asked for: the smallest standard tongue that carries the section
// within the stack-to-tongue proportion, and the stack for it.
void Frmcore::proposeLaminationForSection() {
  const auto proposal =
      core::standardLaminationForSection(num(coreform::TXTSC), num(coreform::TXTBA));
  if (!proposal) return;
  write(coreform::TXTL, generalFormat(proposal->row->length));
  write(coreform::TxtB, generalFormat(Val(formatFixed(proposal->stack, 1))));
}

void Frmcore::customCoreChoice() {
  write(coreform::Text3, "");  // the core no longer comes from a rated-power table
  if (control(coreform::OPTFB).value() == 1) {
    windowCurrentDensity();
    ap();
  }
  primaryTurns();
  CORESIZE();
  write(coreform::Text4, turnsPerVoltText());
  // without a current density there is no copper area to size the window for
  if (auto needed = core::windowNeededText(electrical(eledata::TXTIIN), num(coreform::TxtJ),
                                           num(coreform::TxtTurnPri))) {
    write(coreform::Text5, *needed);
    write(coreform::txtsw, control(coreform::Text5).text());
  }
  va();
}

void Frmcore::primaryTurns() {
  double volts = electrical(eledata::TXTUIN1) + secondInputVoltage();
  write(coreform::TxtTurnPri, formulas::TurnsFromVoltage(volts, num(coreform::TxtF),
                                                         num(coreform::TxtBm), num(coreform::TXTSC))
                                  .fieldText());
}

std::string Frmcore::turnsPerVoltText() const {
  FormulaResult perVolt =
      formulas::TurnsPerVolt(num(coreform::TxtF), num(coreform::TxtBm), num(coreform::TXTSC));
  return perVolt.isEmpty() ? std::string() : formatPattern(perVolt.number(), "0.000");
}

void Frmcore::windowCurrentDensity() {
  if (auto density = core::windowCurrentDensityText(
          electrical(eledata::TXTIIN), num(coreform::txtsw), num(coreform::TxtTurnPri)))
    write(coreform::TxtJs, *density);
}

void Frmcore::stackConfirmation() {
  rebuildCoreName();
  write(coreform::TXTSC, core::confirmedSectionText(num(coreform::TXTa), num(coreform::TxtB)));
  // the window follows from c and h here; re-deriving c, h, a and b from it
  // would replace the stack just confirmed
  showStandardWindow();
  va();
  CDATA();
}

void Frmcore::windingEstimates() {
  const core::WindingEstimate estimate = core::windingEstimate(
      num(coreform::TXTa), num(coreform::TxtB), num(coreform::txtc), num(coreform::txth));
  write(coreform::TxtLv, estimate.meanTurnLength);
  write(coreform::TxtCu, estimate.copperWeight);
  Fc();
  Fm();
}

void Frmcore::rebuildCoreName() {
  write(coreform::txtcname,
        core::coreName(control(coreform::TXTL).text(), control(coreform::TxtB).text()));
}

}  // namespace corvane
