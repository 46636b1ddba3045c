// The winding tool of the bobbin form ("高级应用"): the turns of a wire that
// fill half the window at the chosen fill ratio, the current density and flux
// density they give, the best current density for the primary, and a turns
// tester that counts an unknown winding from a known one.
#include <algorithm>
#include <cmath>

#include "bobbin/frmbobbin.h"
#include "bobbin/window_figures.h"
#include "model/form_fields.h"
#include "model/value.h"

namespace corvane {

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

void Frmbobbin::toolRecalculation() {
  bobbin::ToolInputs in;
  in.windowArea = control("TXTBSW").num();
  in.fillPercent = control("TxtMcl").num();
  in.wireDiameter = control("TxtWire").num();
  in.current = control("TxtI").num();
  in.volts = control("TxtU").num();
  in.frequency = control("TxtF").num();
  in.section = core("TXTSC").num();
  FormFields fields(*this);
  bobbin::toolFigures(in, fields);
}

void Frmbobbin::turnsEntered() {
  const double n = control("TxtTurn").num();
  if (auto wire = bobbin::wireForTurnsText(control("TXTBSW").num(), control("TxtMcl").num(), n))
    control("TxtWire").setText(*wire);
  control("TxtB0").setText(bobbin::toolFluxDensityText(control("TxtU").num(), control("TxtF").num(),
                                                       n, core("TXTSC").num()));
}

void Frmbobbin::bestCurrentDensity(bool guarded) {
  if (auto density = bobbin::bestCurrentDensityText(
          electrical("TXTIIN").num(), control("TxtMcl").num(), control("TXTBSW").num(),
          core("TxtTurnPri").num(), guarded))
    control("TxtBestJ").setText(*density);
}

void Frmbobbin::turnsTester() {
  if (auto turns = bobbin::testedTurnsText(control("TxtUin").num(), control("TxtTstU").num(),
                                           control("TxtTstTu").num()))
    control("TxtTun").setText(*turns);
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
