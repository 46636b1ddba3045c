// The winding tool of the bobbin form ("高级应用"): the turns of a wire that
// fill half the window at the chosen fill ratio, the current density and flux
// density they give, the best current density for the primary, and a turns
// tester that counts an unknown winding from a known one.
#include <algorithm>
#include <cmath>

#include "bobbin/frmbobbin.h"
#include "model/value.h"

namespace corvane {

namespace {
// the value of pi the winding figures are worked with
constexpr double kPi = 3.14;

double wireArea(double diameter) {
  return kPi * (diameter / 2) * (diameter / 2);
}
}  // namespace

void Frmbobbin::addToolReactions() {
  auto recalculateThen = [this](const char* next) {
    return [this, next](Control&, const EventArgs&) {
      toolRecalculation();
      setFocus(control(next));
    };
  };
  on(EventKind::Enter, "TxtWire", recalculateThen("TxtI"));
  on(EventKind::Enter, "TxtI", recalculateThen("TxtU"));
  on(EventKind::Enter, "TxtU", recalculateThen("Option2"));
  auto frequency = [this](const char* hertz) {
    return [this, hertz](Control&, const EventArgs&) {
      control("TxtF").setText(hertz);
      toolRecalculation();
    };
  };
  on(EventKind::Click, "Option2", frequency("50"));
  on(EventKind::Click, "Option3", frequency("60"));
  on(EventKind::Enter, "TxtTurn", [this](Control&, const EventArgs&) { turnsEntered(); });

  on(EventKind::Change, "TxtB0", [this](Control& flux, const EventArgs&) {
    showBobbinPower(flux.num(), control("TxtJ").num());
  });
  on(EventKind::Change, "Sl", [this](Control&, const EventArgs&) { fillRatioFromSlider(); });
  on(EventKind::Change, "TxtMcl", [this](Control&, const EventArgs&) { bestCurrentDensity(true); });
  on(EventKind::Click, "Command1",
     [this](Control&, const EventArgs&) { bestCurrentDensity(false); });

  auto tester = [this](Control&, const EventArgs&) { turnsTester(); };
  on(EventKind::Change, {"TxtUin", "TxtTstU", "TxtTstTu"}, tester);
  on(EventKind::Enter, "TxtUin",
     [this](Control&, const EventArgs&) { setFocus(control("TxtTstU")); });
  on(EventKind::Enter, "TxtTstU",
     [this](Control&, const EventArgs&) { setFocus(control("TxtTstTu")); });

  on(EventKind::Click, "Command2", [this](Control&, const EventArgs&) { applyTool(); });
  on(EventKind::Click, "Command4",
     [this](Control&, const EventArgs&) { control("Fm").setVisible(false); });
  on(EventKind::Click, "GJ",
     [this](Control&, const EventArgs&) { control("Fm").setVisible(true); });
}

// Turns N = Fix(BSW/2 * Mcl% / wire area), J = I / wire area,
// B = U * 1e4 / (4.44 * F * N * Sc) with Sc in cm².
void Frmbobbin::toolRecalculation() {
  double halfWindow = control("TXTBSW").num() / 2 * control("TxtMcl").num() * 0.01;
  double area = wireArea(control("TxtWire").num());
  Control& turns = control("TxtTurn");
  turns.setText(generalFormat(std::trunc(checkedDivide(halfWindow, area))));
  control("TxtJ").setText(formatFixed(checkedDivide(control("TxtI").num(), area), 2));
  double n = turns.num();
  double volts = control("TxtU").num() * 1e4;
  double perTurn = 4.44 * control("TxtF").num() * n * core("TXTSC").num();
  control("TxtB0").setText(formatFixed(checkedDivide(volts, perTurn), 2));
}

// The wire that fills the same share of half the window with the turns typed.
void Frmbobbin::turnsEntered() {
  double n = control("TxtTurn").num();
  double halfWindow = control("TXTBSW").num() / 2 * control("TxtMcl").num() * 0.01;
  if (n > 0) control("TxtWire").setText(formatFixed(2 * std::sqrt(halfWindow / n / kPi), 2));
  double volts = control("TxtU").num() * 1e4;
  double perTurn = 4.44 * control("TxtF").num() * n * core("TXTSC").num();
  control("TxtB0").setText(formatFixed(checkedDivide(volts, perTurn), 2));
}

// J = IIN / (Mcl% * BSW/2 / N1): the primary current over the copper one
// primary turn may take when the primary fills half the window.
void Frmbobbin::bestCurrentDensity(bool guarded) {
  double primaryTurns = core("TxtTurnPri").num();
  double copper = control("TxtMcl").num() * 0.01 * (control("TXTBSW").num() * 0.5);
  if (guarded && !(primaryTurns > 0 && copper > 0)) return;
  double perTurn = checkedDivide(copper, primaryTurns);
  double current = electrical("TXTIIN").num();
  control("TxtBestJ").setText(formatFixed(checkedDivide(current, perTurn), 1));
}

// With a known winding of TstTu turns fed Uin volts, a winding that shows
// TstU volts has TstTu * TstU / Uin turns.
void Frmbobbin::turnsTester() {
  double input = control("TxtUin").num();
  if (!(input > 0)) return;
  double turns = control("TxtTstTu").num() * control("TxtTstU").num() / input;
  control("TxtTun").setText(generalFormat(roundHalfEven(checkedFinite(turns))));
}

void Frmbobbin::applyTool() {
  const std::string density = control("TxtJ").text();
  core("TxtJ").setText(density);
  core("txtjsec").setText(density);
  core("TxtBm").setText(control("TxtB0").text());
}

// The slider holds the fill ratio in whole percent within its range.
void Frmbobbin::fillRatioFromSlider() {
  Control& slider = control("Sl");
  double percent = std::clamp(roundHalfEven(slider.num()), static_cast<double>(slider.minimum()),
                              static_cast<double>(slider.maximum()));
  control("TxtMcl").setText(generalFormat(percent));
}

}  // namespace corvane
