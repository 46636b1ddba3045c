// The no-load current, the load and no-load runs and their safety verdict.
#include <variant>

#include "core/coreform_fields.h"
#include "electrical/eledata_fields.h"
#include "electrical/input_voltages.h"
#include "model/form_names.h"
#include "model/host.h"
#include "model/picture.h"
#include "model/value.h"
#include "model/workspace.h"
#include "simulation/no_load_current.h"
#include "winding/design_completeness.h"
#include "winding/frmjiegou.h"
#include "winding/jiegou_fields.h"
#include "winding/operating_point.h"
#include "winding/run_verdicts.h"

namespace corvane {

using namespace jiegou;

namespace {
constexpr const char* kDangerMessage = "严重警告！该设计方案可能引起严重的事故！！";
// flux density (T) from which the core is taken as saturated
constexpr double kSaturatedFlux = 2;
}  // namespace

simulation::NoLoadInputs Frmjiegou::noLoadInputs() const {
  simulation::NoLoadInputs in;
  in.fluxDensity = core(coreform::TxtBm).num();
  in.pathLength = core(coreform::txtle).num();
  in.ironLoss = core(coreform::txtpc).num();
  in.primaryVoltage = electrical(eledata::TXTUIN1).num();
  in.primaryTurns = cell(TXTTURN, 0).num();
  in.primaryResistance = cell(TXTDCR20, 0).num();
  return in;
}

void Frmjiegou::Io() {
  control(TxtI0).setText(
      simulation::curveNoLoadCurrentText(core(coreform::Cmbnew).text(), noLoadInputs()));
}

namespace {
constexpr const char* kNoInputVoltage = "没有输入电压，无法计算空载电流";
constexpr const char* kNotRunYet = "尚未计算，点击参数仿真后显示空载电流";
}  // namespace

std::vector<std::string> Frmjiegou::everyEmptyFieldReason() const {
  std::vector<std::string> reasons = simulation::everyNoLoadCurrentGap("50H700");
  reasons.push_back(winding::incompleteDesignText({"输入电压", "N1的匝数"}));
  reasons.push_back(kNoInputVoltage);
  reasons.push_back(kNotRunYet);
  return reasons;
}

std::string Frmjiegou::emptyFieldReason(const Control& field) const {
  if (field.name() != TxtI0 || !field.text().empty()) return {};
  // a view asks: it must not bring up a form the design does not hold
  if (!workspace().existing(forms::kElectrical) || !workspace().existing(forms::kCore)) return {};
  const std::vector<std::string> missing = missingForRuns();
  if (!missing.empty()) return winding::incompleteDesignText(missing);
  if (core(coreform::Text3).num() > 0) {
    if (electrical(eledata::TXTUIN1).num() + electrical::secondInputVoltage(workspace()) == 0)
      return kNoInputVoltage;
  } else {
    std::string gap = simulation::noLoadCurrentGap(core(coreform::Cmbnew).text(), noLoadInputs());
    if (!gap.empty()) return gap;
  }
  return kNotRunYet;
}

// A core from a rated-power table brings its no-load VA; any other core's
// no-load current follows from its steel's curve.
void Frmjiegou::determineNoLoadCurrent() {
  if (core(coreform::Text3).num() > 0) {
    control(TxtI0).setText(simulation::ratedNoLoadCurrentText(
        core(coreform::TxtVa0).num(), electrical(eledata::TXTUIN1).num(),
        electrical::secondInputVoltage(workspace())));
    return;
  }
  Io();
}

// The pass in a boundary of its own: where it stops at a value the design
// lacks, the warning still says what that is.
void Frmjiegou::parameterSimulation() {
  bool designed = false;
  workspace().runEvent([&] {
    FANGZHEN();
    designed = true;
  });
  if (warnedIncomplete()) {
    control(TxtI0).setText("");  // no current for a design without its windings
    return;
  }
  if (designed) determineNoLoadCurrent();
}

std::vector<std::string> Frmjiegou::missingForRuns() const {
  std::vector<winding::WindingPresence> windings;
  for (int i = 0; i <= highestRow(); ++i)
    windings.push_back({cell(TXTWN, i).text(), cell(TXTTURN, i).num(), cell(TXTWIRE, i).num()});
  return winding::missingForRuns(electrical(eledata::TXTUIN1).num(), windings);
}

bool Frmjiegou::warnedIncomplete() {
  const std::vector<std::string> missing = missingForRuns();
  if (missing.empty()) return false;
  host().showMessage(winding::incompleteDesignText(missing), MessageIcon::Warning, caption());
  return true;
}

void Frmjiegou::keepRunRises() {
  auto keepText = [this](const char* name, std::string& member) {
    keep(
        name, [&member] { return MemberValue(member); },
        [&member](const MemberValue& value) {
          const std::string* text = std::get_if<std::string>(&value);
          if (!text) return false;
          member = *text;
          return true;
        });
  };
  keepText("loadRise", rises_.load);
  keepText("loadEnclosedRise", rises_.loadEnclosed);
  keepText("noLoadRise", rises_.noLoad);
}

void Frmjiegou::LoadRun() {
  if (warnedIncomplete()) return;
  Control& copperLoss = control(txtpcuz);
  copperLoss.setText("");
  for (int i = 0; i <= highestRow(); ++i)
    copperLoss.setText(generalFormat(copperLoss.num() + cell(TXTPCU, i).num()));
  determineNoLoadCurrent();
  rises_.load = control(TXTTEMP).text();
  rises_.loadEnclosed = control(Tp2).text();
  TemperatureVerdict(winding::kLoadOverheating, winding::kLoadSafe);
}

void Frmjiegou::NoLoadRun() {
  if (warnedIncomplete()) return;
  Control& rise = control(TXTTEMP);
  rise.setText("");
  const bool saturated = control(TxtB).num() >= kSaturatedFlux;
  const double u1 = electrical(eledata::TXTUIN1).num();
  const double cold = cell(TXTDCR20, 0).num();
  Control& copperLoss = control(txtpcuz);
  if (cell(TXTDCRHOT, 0).num() > 0 && saturated) {
    // the primary as a plain resistor at its cold resistance
    copperLoss.setText(formatFixed(checkedDivide(u1 * u1, cold * 0.001), 2));
  } else {
    const double i0 = control(TxtI0).num();
    copperLoss.setText(formatFixed(i0 * i0 * cold * 0.001, 2));
  }
  Control& loss = control(txtpLOST);
  loss.setText(generalFormat(control(TXTPCZ).num() + copperLoss.num()) + "W");
  rise.setText(riseText(loss.num()));
  rises_.noLoad = rise.text();
  TemperatureVerdict(winding::kNoLoadOverheating, winding::kNoLoadSafe);
}

void Frmjiegou::TemperatureVerdict(const char* overheating, const char* safe) {
  const double rise = control(TXTTEMP).num();
  const double allowed = electrical(eledata::TXTTEMPD).num();
  Control& picture = control(Picture1);
  const winding::Verdict verdict = winding::temperatureVerdict(rise, allowed);
  if (verdict == winding::Verdict::Dangerous) {
    for (Control* c : {&control(TXTTEMP), &control(Tp2), &picture}) c->setBackColor(colors::kRed);
    picture.picture().setBackColor(colors::kRed);
    host().showMessage(kDangerMessage, MessageIcon::Warning, caption());
    return;
  }
  for (Control* c : {&control(TXTTEMP), &control(Tp2), &picture}) c->setBackColor(colors::kWhite);
  DrawWindingSection();
  host().showMessage(verdict == winding::Verdict::Overheating ? overheating : safe,
                     MessageIcon::Information, caption());
}

}  // namespace corvane
