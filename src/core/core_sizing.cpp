// Core sizing of the core form: the cross-section from the power, a core from
// a rated-power table, the catalogue or two proportions, and the quantities
// every core gives (turns, path, weight, loss, highest power, surfaces).
// Lengths in mm, areas in cm², so mm² × 0.01 is cm² and cm² × 100 is mm².
#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "core/core_geometry.h"
#include "core/frmcore.h"
#include "core/lamination_catalogue.h"
#include "core/rated_power_tables.h"
#include "model/form_fields.h"
#include "model/formulas.h"
#include "model/host.h"
#include "model/value.h"

namespace corvane {

void Frmcore::ap() {
  if (auto section =
          core::sectionForPowerText(num("txtpo"), num("TxtF"), num("TxtBm"), num("TxtJ")))
    write("TXTSC", *section);
}

void Frmcore::CORESIZE() {
  core::ProportionInputs in;
  in.section = num("TXTSC");
  in.window = num("txtsw");
  in.stackOverTongue = num("TXTBA");
  in.heightOverWidth = num("TXTHC");
  in.tongue = control("TXTa").text();
  in.windowWidth = control("txtc").text();
  in.windowHeight = control("txth").text();
  FormFields fields(*this);
  core::proportionedCore(in, fields);
  CDATA();
}

void Frmcore::CDATA() {
  core::CoreLossInputs in;
  in.length = num("TXTL");
  in.height = num("TXTw");
  in.windowWidth = num("txtc");
  in.windowHeight = num("txth");
  in.section = num("TXTSC");
  in.density = material(1).num();
  in.specificLoss = material(2).num();
  in.fluxDensity = num("TxtBm");
  const std::string grade = control("Cmbnew").text();
  in.grade = grade;
  in.blackFinish = control("OPTB").value() == 1;
  FormFields fields(*this);
  core::coreLosses(in, fields);
}

void Frmcore::va() {
  write("TXTVA", core::highestPowerText(num("TxtBm"), num("TxtF"), num("TxtJ"), num("TXTa"),
                                        num("TxtB"), num("txtc"), num("txth")));
}

void Frmcore::Fc() {
  write("TxtFc", "");
  write("TxtFc",
        core::coreSurfaceText(num("TXTL"), num("TXTw"), num("TxtB"), num("txtc"), num("txth")));
}

void Frmcore::Fm() {
  write("TxtFM", "");
  write("TxtFM", core::coilSurfaceText(num("TXTa"), num("txtc"), num("txth")));
}

void Frmcore::biaozhuncore() {
  const core::StandardEiRow* row = core::standardLaminationFor(num("TXTL"));
  if (!row) return;  // larger than the largest standard lamination
  // L first: what it triggers sees the old a, c and h; the later writes catch up
  write("TXTL", generalFormat(row->length));
  write("TXTw", generalFormat(row->height));
  write("TXTa", generalFormat(row->tongue));
  write("txtc", generalFormat(row->windowWidth));
  write("txth", generalFormat(core::windowHeightOf(*row)));
  if (row->coilSurface) write("TxtFM", generalFormat(*row->coilSurface));
  if (row->dissipation) write("TxtAM", generalFormat(*row->dissipation));
}

void Frmcore::pickRatedPower(const core::RatedPowerTable& table) {
  write("Text3", table.marker);
  const core::RatedPowerBand* band = core::bandFor(table, num("txtpo"));
  if (!band) host().showMessage("抱歉暂无此功率规格", MessageIcon::Information, caption());
  const core::RatedPowerBand chosen = band ? *band : core::RatedPowerBand{};
  write("TXTL", generalFormat(chosen.length));
  write("TxtB", generalFormat(chosen.stack));
  write("TxtBm", band ? generalFormat(band->fluxDensity) : std::string());
  write("TxtJ", generalFormat(chosen.currentDensity));
  write("TXTVA", generalFormat(chosen.noLoadVa));
  write("txtpc", generalFormat(chosen.ironLoss));
  material(2).setText(generalFormat(table.specificLoss));
  material(3).setText(generalFormat(table.materialFlux));
  write("Text2", generalFormat(chosen.rise));
  write("TxtVa0", generalFormat(chosen.noLoadVa));
  material(4).setText(table.description);
}

void Frmcore::PowerTable800() {
  pickRatedPower(core::kH800Table);
}

void Frmcore::standardLaminationChoice() {
  control("OPTFB").setEnabled(true);
  // the 50H800 table proposes length and stack while it serves the power
  if (num("txtpo") <= core::kH800Table.highestPower()) PowerTable800();
  biaozhuncore();
  va();
}

void Frmcore::customCoreChoice() {
  write("Text3", "");  // the core no longer comes from a rated-power table
  if (control("OPTFB").value() == 1) {
    windowCurrentDensity();
    ap();
  }
  primaryTurns();
  CORESIZE();
  write("Text4", turnsPerVoltText());
  // without a current density there is no copper area to size the window for
  if (auto needed = core::windowNeededText(electrical("TXTIIN"), num("TxtJ"), num("TxtTurnPri"))) {
    write("Text5", *needed);
    write("txtsw", control("Text5").text());
  }
  va();
}

void Frmcore::primaryTurns() {
  double volts = electrical("TXTUIN1") + electrical("TXTUIN2");
  write("TxtTurnPri",
        formulas::TurnsFromVoltage(volts, num("TxtF"), num("TxtBm"), num("TXTSC")).fieldText());
}

std::string Frmcore::turnsPerVoltText() const {
  FormulaResult perVolt = formulas::TurnsPerVolt(num("TxtF"), num("TxtBm"), num("TXTSC"));
  return perVolt.isEmpty() ? std::string() : formatPattern(perVolt.number(), "0.000");
}

void Frmcore::windowCurrentDensity() {
  if (auto density =
          core::windowCurrentDensityText(electrical("TXTIIN"), num("txtsw"), num("TxtTurnPri")))
    write("TxtJs", *density);
}

void Frmcore::stackConfirmation() {
  rebuildCoreName();
  write("TXTSC", core::confirmedSectionText(num("TXTa"), num("TxtB")));
  {
    // the window follows from c and h here; re-deriving c, h, a and b from it
    // would replace the stack just confirmed
    keepDimensions_ = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{keepDimensions_};
    write("txtsw", core::windowAreaText(num("txtc"), num("txth")));
  }
  va();
  CDATA();
}

void Frmcore::windingEstimates() {
  const core::WindingEstimate estimate =
      core::windingEstimate(num("TXTa"), num("TxtB"), num("txtc"), num("txth"));
  write("TxtLv", estimate.meanTurnLength);
  write("TxtCu", estimate.copperWeight);
  Fc();
  Fm();
}

void Frmcore::rebuildCoreName() {
  write("txtcname", core::coreName(control("TXTL").text(), control("TxtB").text()));
}

}  // namespace corvane
