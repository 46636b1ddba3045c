// The winding tool of the bobbin form ("高级应用"): the turns of a wire that
// fill half the window at the chosen fill ratio, the current density and flux
// density they give, the best current density for the primary, and a turns
// tester that counts an unknown winding from a known one.
#include <algorithm>
#include <cmath>

#include "bobbin/bobbinform_fields.h"
#include "bobbin/frmbobbin.h"
#include "bobbin/window_figures.h"
#include "core/coreform_fields.h"
#include "electrical/eledata_fields.h"
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
  on(EventKind::Enter, bobbinform::TxtWire, recalculateThen(bobbinform::TxtI));
  on(EventKind::Enter, bobbinform::TxtI, recalculateThen(bobbinform::TxtU));
  on(EventKind::Enter, bobbinform::TxtU, recalculateThen(bobbinform::Option2));
  auto frequency = [this](const char* hertz) {
    return [this, hertz](Control&, const EventArgs&) {
      control(bobbinform::TxtF).setText(hertz);
      toolRecalculation();
    };
  };
  on(EventKind::Click, bobbinform::Option2, frequency("50"));
  on(EventKind::Click, bobbinform::Option3, frequency("60"));
  on(EventKind::Enter, bobbinform::TxtTurn, [this](Control&, const EventArgs&) { turnsEntered(); });

  on(EventKind::Change, bobbinform::TxtB0, [this](Control& flux, const EventArgs&) {
    showBobbinPower(flux.num(), control(bobbinform::TxtJ).num());
  });
  on(EventKind::Change, bobbinform::Sl,
     [this](Control&, const EventArgs&) { fillRatioFromSlider(); });
  on(EventKind::Change, bobbinform::TxtMcl,
     [this](Control&, const EventArgs&) { bestCurrentDensity(true); });
  on(EventKind::Click, bobbinform::Command1,
     [this](Control&, const EventArgs&) { bestCurrentDensity(false); });

  auto tester = [this](Control&, const EventArgs&) { turnsTester(); };
  on(EventKind::Change, {bobbinform::TxtUin, bobbinform::TxtTstU, bobbinform::TxtTstTu}, tester);
  on(EventKind::Enter, bobbinform::TxtUin,
     [this](Control&, const EventArgs&) { setFocus(control(bobbinform::TxtTstU)); });
  on(EventKind::Enter, bobbinform::TxtTstU,
     [this](Control&, const EventArgs&) { setFocus(control(bobbinform::TxtTstTu)); });

  on(EventKind::Click, bobbinform::Command2, [this](Control&, const EventArgs&) { applyTool(); });
  on(EventKind::Click, bobbinform::Command4,
     [this](Control&, const EventArgs&) { control(bobbinform::Fm).setVisible(false); });
  on(EventKind::Click, bobbinform::GJ,
     [this](Control&, const EventArgs&) { control(bobbinform::Fm).setVisible(true); });
}

void Frmbobbin::toolRecalculation() {
  bobbin::ToolInputs in;
  in.windowArea = control(bobbinform::TXTBSW).num();
  in.fillPercent = control(bobbinform::TxtMcl).num();
  in.wireDiameter = control(bobbinform::TxtWire).num();
  in.current = control(bobbinform::TxtI).num();
  in.volts = control(bobbinform::TxtU).num();
  in.frequency = control(bobbinform::TxtF).num();
  in.section = core(coreform::TXTSC).num();
  FormFields fields(*this);
  bobbin::toolFigures(in, fields);
}

void Frmbobbin::turnsEntered() {
  const double n = control(bobbinform::TxtTurn).num();
  if (auto wire = bobbin::wireForTurnsText(control(bobbinform::TXTBSW).num(),
                                           control(bobbinform::TxtMcl).num(), n))
    control(bobbinform::TxtWire).setText(*wire);
  control(bobbinform::TxtB0)
      .setText(bobbin::toolFluxDensityText(control(bobbinform::TxtU).num(),
                                           control(bobbinform::TxtF).num(), n,
                                           core(coreform::TXTSC).num()));
}

void Frmbobbin::bestCurrentDensity(bool guarded) {
  if (auto density = bobbin::bestCurrentDensityText(
          electrical(eledata::TXTIIN).num(), control(bobbinform::TxtMcl).num(),
          control(bobbinform::TXTBSW).num(), core(coreform::TxtTurnPri).num(), guarded))
    control(bobbinform::TxtBestJ).setText(*density);
}

void Frmbobbin::turnsTester() {
  if (auto turns = bobbin::testedTurnsText(control(bobbinform::TxtUin).num(),
                                           control(bobbinform::TxtTstU).num(),
                                           control(bobbinform::TxtTstTu).num()))
    control(bobbinform::TxtTun).setText(*turns);
}

void Frmbobbin::applyTool() {
  const std::string density = control(bobbinform::TxtJ).text();
  core(coreform::TxtJ).setText(density);
  core(coreform::txtjsec).setText(density);
  core(coreform::TxtBm).setText(control(bobbinform::TxtB0).text());
}

// The slider holds the fill ratio in whole percent within its range.
void Frmbobbin::fillRatioFromSlider() {
  Control& slider = control(bobbinform::Sl);
  double percent = std::clamp(roundHalfEven(slider.num()), static_cast<double>(slider.minimum()),
                              static_cast<double>(slider.maximum()));
  control(bobbinform::TxtMcl).setText(generalFormat(percent));
}

}  // namespace corvane
