// Core sizing of the core form: the cross-section from the power, a core from
// a rated-power table, the catalogue or two proportions, and the quantities
// every core gives (turns, path, weight, loss, highest power, surfaces).
// Lengths in mm, areas in cm², so mm² × 0.01 is cm² and cm² × 100 is mm².
#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "core/frmcore.h"
#include "core/lamination_catalogue.h"
#include "core/rated_power_tables.h"
#include "model/formulas.h"
#include "model/host.h"
#include "model/value.h"

namespace corvane {

namespace {

struct EfficiencyBand {
  double powerLimit;  // W
  double efficiency;
};
// output power up to (W), efficiency assumed for sizing the core
constexpr std::array<EfficiencyBand, 6> kEfficiencyBands{{
    {10, 0.7},
    {50, 0.8},
    {100, 0.85},
    {500, 0.9},
    {1000, 0.95},
    {std::numeric_limits<double>::infinity(), 0.97},
}};

// Grain-oriented grades reach their specific loss at 1.7 T, the others at 1.5 T.
constexpr const char* kGrainOrientedGrades[] = {"Z10", "Z11"};
constexpr double kGrainOrientedLossFlux = 1.7;
constexpr double kNonOrientedLossFlux = 1.5;
// Black (unannealed) sheet: the white-sheet loss divided by this.
constexpr double kBlackFinishFactor = 1.24;
// 0.96: stacking factor of the laminations; 0.35: copper fill of the window.
constexpr double kStackingFactor = 0.96;
constexpr double kWindowFill = 0.35;
constexpr double kCopperDensity = 8.95;  // g/cm³

double root(double value) {
  return checkedFinite(std::sqrt(value));
}

double efficiencyFor(double power) {
  for (const EfficiencyBand& band : kEfficiencyBands)
    if (power <= band.powerLimit) return band.efficiency;
  return kEfficiencyBands.back().efficiency;
}

double lossReferenceFlux(const std::string& grade) {
  for (const char* oriented : kGrainOrientedGrades)
    if (grade == oriented) return kGrainOrientedLossFlux;
  return kNonOrientedLossFlux;
}

}  // namespace

// Sc = 0.7 √(Po / η): the empirical section (cm²) for Po watts.
void Frmcore::ap() {
  double power = num("txtpo");
  efficiency_ = efficiencyFor(power);
  if (num("TxtF") * num("TxtBm") * num("TxtJ") == 0) return;
  double section = 0.7 * root(power / efficiency_);
  write("TXTSC", formatPattern(section, "0.000") + "cm^2");
}

// Each dimension is read back as written (one decimal) before the next
// follows from it, so the written set is consistent.
void Frmcore::CORESIZE() {
  double section = num("TXTSC") * 100;  // mm²
  double window = num("txtsw") * 100;   // mm²
  double stackOverTongue = num("TXTBA");
  double heightOverWidth = num("TXTHC");
  if (stackOverTongue > 0) {
    write("TXTa", formatPattern(root(section / stackOverTongue), "0.0"));
    double tongue = num("TXTa");
    if (tongue != 0) write("TxtB", formatPattern(section / tongue, "0.0"));
  }
  if (heightOverWidth > 0) write("txtc", formatPattern(root(window / heightOverWidth), "0.0"));
  double width = num("txtc");
  if (width > 0) write("txth", formatPattern(window / width, "0.0"));
  write("TXTL", generalFormat(2 * num("TXTa") + 2 * num("txtc")));
  write("TXTw", generalFormat(num("txth") + num("TXTa")));
  CDATA();
}

void Frmcore::CDATA() {
  // the mean magnetic path round one window: h + c + L/2 + H
  double path = num("txth") + num("txtc") + num("TXTL") / 2 + num("TXTw");
  write("txtle", formatPattern(path, "0.0"));
  double weight = path * num("TXTSC") * 0.1 * material(1).num();  // mm × cm² × 0.1 = cm³; g
  write("txtwe", formatPattern(weight, "0.0") + "g");
  double ratio = num("TxtBm") / lossReferenceFlux(control("Cmbnew").text());
  double finish = control("OPTB").value() == 1 ? kBlackFinishFactor : 1;
  double loss = ratio * ratio * num("txtwe") * 0.001 * material(2).num() / finish;
  write("txtpc", formatPattern(loss, "0.00") + "W");
}

// P = 2.22 f Bm Sc J Sw: half the window carries the primary's ampere-turns.
void Frmcore::va() {
  double iron = num("TXTa") * num("TxtB") * kStackingFactor * 1e-6;  // m²
  double copper = num("txtc") * num("txth") * kWindowFill;           // mm²
  double power = num("TxtBm") * 2.22 * num("TxtF") * num("TxtJ") * iron * copper;
  write("TXTVA", formatPattern(power, "0.0") + "W");
}

// Outer surface of the core less the two window openings (cm²).
void Frmcore::Fc() {
  write("TxtFc", "");
  double length = num("TXTL"), height = num("TXTw"), stack = num("TxtB");
  double surface =
      2 * length * height + 2 * stack * length + 2 * height * stack - 4 * num("txtc") * num("txth");
  write("TxtFc", formatPattern(surface * 0.865 * 0.01, "0.00"));
}

// Surface of the coil filling the windows round the tongue (cm²).
void Frmcore::Fm() {
  write("TxtFM", "");
  double tongue = 0.1 * num("TXTa"), width = 0.1 * num("txtc"), height = 0.1 * num("txth");
  double surface = 6.28 * width * width + (6.28 * width + 2 * tongue) * height + 4 * tongue * width;
  write("TxtFM", formatPattern(surface, "0.00"));
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
  double density = num("TxtJ");
  // without a current density there is no copper area to size the window for
  if (density > 0) {
    // the primary's copper IIN/J (mm²) per turn, doubled for the secondaries,
    // at a fill of 0.2, in cm²
    double turns = num("TxtTurnPri");
    double needed = electrical("TXTIIN") / density * turns * 2 / 0.2 * 0.01;
    write("Text5", formatPattern(needed, "0.00"));
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

// The primary may take 0.13 of the window: J = IIN / (Sw × 0.13 / N1).
void Frmcore::windowCurrentDensity() {
  double window = num("txtsw"), turns = num("TxtTurnPri");
  if (!(window > 0 && turns > 0)) return;
  write("TxtJs", formatPattern(electrical("TXTIIN") / (window * 100 * 0.13 / turns), "0.00"));
}

void Frmcore::stackConfirmation() {
  rebuildCoreName();
  // 0.95: stacking factor of the confirmed stack
  write("TXTSC", generalFormat(num("TXTa") * num("TxtB") * 0.01 * 0.95));
  {
    // the window follows from c and h here; re-deriving c, h, a and b from it
    // would replace the stack just confirmed
    keepDimensions_ = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{keepDimensions_};
    write("txtsw", formatPattern(num("txtc") * num("txth") * 0.01, "0.000"));
  }
  va();
  CDATA();
}

void Frmcore::windingEstimates() {
  write("TxtLv", generalFormat(5 * num("TXTa") + num("TxtB") + num("txtc")));
  double copperVolume = num("txtc") * num("txth") * kWindowFill * num("TxtLv");  // mm³
  write("TxtCu", formatPattern(copperVolume * kCopperDensity * 1e-6, "0.000"));  // kg
  Fc();
  Fm();
}

void Frmcore::rebuildCoreName() {
  write("txtcname", core::coreName(control("TXTL").text(), control("TxtB").text()));
}

}  // namespace corvane
