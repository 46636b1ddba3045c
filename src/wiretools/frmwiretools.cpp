#include "wiretools/frmwiretools.h"

#include <cmath>
#include <string>
#include <vector>

#include "model/design_constants.h"
#include "model/design_session.h"
#include "model/form_image_print.h"
#include "model/formulas.h"
#include "model/host.h"
#include "model/list_items.h"
#include "model/value.h"
#include "model/workspace.h"
#include "wiretools/wiretoolsform_fields.h"

namespace corvane {

namespace {
constexpr const char* kCaption = "导线换算程序";

// Lengths are typed in m; the conductor equations take them in mm.
constexpr double kMmPerM = 1000;
// Skin depth of copper: δ = 66.1 / √f mm with f in Hz.
constexpr double kCopperSkinDepthMmRootHz = 66.1;
constexpr double kHzPerKhz = 1000;
// π of the current-density equation (the design's 3.14), so current and
// density convert back and forth exactly.
constexpr double kDensityPi = design::kPi;

std::string textOf(const FormulaResult& result) {
  return result.fieldText();
}

// A formula's value in another fixed pattern; an empty result stays empty.
std::string refixed(const FormulaResult& result, int decimals) {
  return result.isEmpty() ? std::string() : formatFixed(result.num(), decimals);
}
}  // namespace

FrmWireTools::FrmWireTools(Workspace& workspace) : Form(workspace, kName, kCaption) {
  addControls();
  addReactions();
  keepMembers();
}

void FrmWireTools::keepMembers() {
  keep(
      "material", [this] { return MemberValue(std::string(material_.name)); },
      [this](const MemberValue& value) {
        const auto* name = std::get_if<std::string>(&value);
        const wiretools::WireMaterial* row = name ? wiretools::findWireMaterial(*name) : nullptr;
        if (!row) return false;
        material_ = *row;
        return true;
      });
  keep(
      "currentEntry", [this] { return MemberValue(static_cast<int>(currentEntry_)); },
      [this](const MemberValue& value) {
        const int* entry = std::get_if<int>(&value);
        if (!entry || *entry < static_cast<int>(CurrentEntry::None) ||
            *entry > static_cast<int>(CurrentEntry::Density))
          return false;
        currentEntry_ = static_cast<CurrentEntry>(*entry);
        return true;
      });
}

void FrmWireTools::load() {
  control(wiretoolsform::Tim1).setEnabled(true);
  Control& materials = control(wiretoolsform::CmbWire);
  materials.setItems(namesOf(wiretools::kWireMaterials));
  // choosing the first material runs the wire calculation
  materials.setListIndex(0);
}

void FrmWireTools::addReactions() {
  auto materialChosen = [this](Control&, const EventArgs&) {
    chooseMaterial();
    wireCalculation();
  };
  on(EventKind::Choose, wiretoolsform::CmbWire, materialChosen);
  on(EventKind::Click, wiretoolsform::CmbWire, materialChosen);

  auto wire = [this](Control&, const EventArgs&) { wireCalculation(); };
  // a new diameter brings its section, resistance and weight with it, so the
  // AC resistance that follows never uses the previous wire's DC resistance
  on(EventKind::Enter, {wiretoolsform::TxtWireLeng, wiretoolsform::TxtWireD}, wire);
  on(EventKind::Enter, wiretoolsform::TxtAwg, [this](Control& awg, const EventArgs&) {
    control(wiretoolsform::TxtWireD).setText(textOf(formulas::AwgToDiameter(awg.num())));
    wireCalculation();
  });
  on(EventKind::Change, wiretoolsform::TxtRac,
     [this](Control&, const EventArgs&) { acResistanceFromRatio(); });
  on(EventKind::Enter, wiretoolsform::TxtF,
     [this](Control&, const EventArgs&) { skinDepthCalculation(); });

  on(EventKind::Enter, wiretoolsform::TxtJ, [this](Control&, const EventArgs&) {
    currentEntry_ = CurrentEntry::Density;
    currentFromDensity();
  });
  on(EventKind::Enter, wiretoolsform::TxtI, [this](Control&, const EventArgs&) {
    currentEntry_ = CurrentEntry::Current;
    densityFromCurrent();
  });

  auto litz = [this](Control&, const EventArgs&) { litzCalculation(); };
  on(EventKind::Change, wiretoolsform::TxtLitzD, litz);
  on(EventKind::Enter, {wiretoolsform::TxtLitzD, wiretoolsform::TxtLitzLeng}, litz);
  on(EventKind::Enter, wiretoolsform::TxtLitzP,
     [this](Control&, const EventArgs&) { strandsTyped(); });

  on(EventKind::Enter, wiretoolsform::TxtFoilTh,
     [this](Control&, const EventArgs&) { foilCalculation(FoilEntry::Thickness); });
  on(EventKind::Enter, wiretoolsform::TxtFoilWd,
     [this](Control&, const EventArgs&) { foilCalculation(FoilEntry::Width); });
  on(EventKind::Enter, wiretoolsform::TxtFoilLeng,
     [this](Control&, const EventArgs&) { foilCalculation(FoilEntry::Length); });

  on(EventKind::Tick, wiretoolsform::Tim1, [this](Control&, const EventArgs&) { showTime(); });
  on(EventKind::Click, wiretoolsform::P,
     [this](Control&, const EventArgs&) { printFormImage(*this); });
  on(EventKind::Click, wiretoolsform::OP, [this](Control&, const EventArgs&) { sayGoodbye(); });
  on(EventKind::Click, wiretoolsform::Ab, [this](Control&, const EventArgs&) { showAbout(); });
}

// A text outside the list keeps the material chosen before.
void FrmWireTools::chooseMaterial() {
  if (const wiretools::WireMaterial* row =
          wiretools::findWireMaterial(control(wiretoolsform::CmbWire).text()))
    material_ = *row;
}

void FrmWireTools::wireCalculation() {
  const double d = control(wiretoolsform::TxtWireD).num();
  const double lengthMm = kMmPerM * control(wiretoolsform::TxtWireLeng).num();
  control(wiretoolsform::TxtWireS).setText(textOf(formulas::CircleArea(d)));
  // resistance of one metre: Ω/m
  control(wiretoolsform::TxtWireOM)
      .setText(textOf(formulas::ConductorResistance(d, 1, kMmPerM, material_.resistivity)));
  control(wiretoolsform::TxtWireWeig)
      .setText(textOf(formulas::ConductorMass(d, 1, lengthMm, material_.density)));
  control(wiretoolsform::TxtWireDCR)
      .setText(textOf(formulas::ConductorResistance(d, 1, lengthMm, material_.resistivity)));
  control(wiretoolsform::TxtAwg).setText(textOf(formulas::DiameterToAwg(d)));
  followCurrentEntry();
  acResistance();
}

void FrmWireTools::skinDepthCalculation() {
  const double khz = control(wiretoolsform::TxtF).num();
  Control& depth = control(wiretoolsform::TxtHfT);
  if (khz > 0)
    depth.setText(
        formatFixed(checkedDivide(kCopperSkinDepthMmRootHz, std::sqrt(kHzPerKhz * khz)), 3));
  // a wire or foil up to twice the skin depth still conducts over its whole section
  control(wiretoolsform::TxtHftMax).setText(formatFixed(2 * depth.num(), 3));
  acResistance();
}

// The round wire's AC/DC ratio at the skin depth shown. It follows the wire
// and the frequency, so the ratio on show always belongs to the diameter and
// the depth on show.
void FrmWireTools::acResistance() {
  FormulaResult ratio =
      formulas::SkinEffectRatio(control(wiretoolsform::TxtWireDCR),
                                control(wiretoolsform::TxtWireD), control(wiretoolsform::TxtHfT));
  control(wiretoolsform::TxtRac).setText(refixed(ratio, 2));
  // the ratio text may stay while the DC resistance changed (a new length)
  acResistanceFromRatio();
}

// AC resistance from the three-decimal ratio and the DC resistance; empty
// while either the wire or the skin depth is missing.
void FrmWireTools::acResistanceFromRatio() {
  Control& dcr = control(wiretoolsform::TxtWireDCR);
  FormulaResult ratio = formulas::SkinEffectRatio(dcr, control(wiretoolsform::TxtWireD),
                                                  control(wiretoolsform::TxtHfT));
  control(wiretoolsform::TxtR)
      .setText(ratio.isEmpty() ? std::string() : formatFixed(ratio.num() * dcr.num(), 6));
}

// The current the wire carries at the density typed: A = A/mm² × mm².
void FrmWireTools::currentFromDensity() {
  const double d = control(wiretoolsform::TxtWireD).num();
  const double density = control(wiretoolsform::TxtJ).num();
  control(wiretoolsform::TxtI)
      .setText(d > 0 ? formatFixed(density * kDensityPi * (d / 2) * (d / 2), 3) : std::string());
}

// The density a current typed gives in the wire, as the winding table
// computes it.
void FrmWireTools::densityFromCurrent() {
  control(wiretoolsform::TxtJ)
      .setText(textOf(formulas::CurrentDensity(control(wiretoolsform::TxtWireD),
                                               control(wiretoolsform::TxtI))));
}

void FrmWireTools::followCurrentEntry() {
  switch (currentEntry_) {
    case CurrentEntry::Density:
      currentFromDensity();
      break;
    case CurrentEntry::Current:
      densityFromCurrent();
      break;
    case CurrentEntry::None:
      break;
  }
}

// The strand diameter that gives the strands typed the round wire's section;
// the litz fields follow even when the rounded diameter is the one already
// shown (the change reaction then does not run).
void FrmWireTools::strandsTyped() {
  Control& strand = control(wiretoolsform::TxtLitzD);
  const bool changed = strand.setText(textOf(formulas::StrandDiameter(
      control(wiretoolsform::TxtWireD), control(wiretoolsform::TxtLitzP))));
  if (!changed) litzCalculation();
}

void FrmWireTools::litzCalculation() {
  const double strand = control(wiretoolsform::TxtLitzD).num();
  const double lengthMm = kMmPerM * control(wiretoolsform::TxtLitzLeng).num();
  Control& strands = control(wiretoolsform::TxtLitzP);
  strands.setText(textOf(formulas::StrandCount(control(wiretoolsform::TxtWireD), strand)));
  // the bundle conducts as one round wire of the same total section
  const double equivalent = std::sqrt(checkedFinite(strands.num())) * strand;
  control(wiretoolsform::TxtLitzS).setText(textOf(formulas::CircleArea(equivalent)));
  control(wiretoolsform::TxtLitzDCR)
      .setText(
          textOf(formulas::ConductorResistance(equivalent, 1, lengthMm, material_.resistivity)));
  control(wiretoolsform::TxtLitzWeig)
      .setText(textOf(formulas::ConductorMass(equivalent, 1, lengthMm, material_.density)));
}

void FrmWireTools::foilCalculation(FoilEntry entry) {
  Control& section = control(wiretoolsform::TxtFoilS);
  Control& thickness = control(wiretoolsform::TxtFoilTh);
  Control& width = control(wiretoolsform::TxtFoilWd);
  const double lengthMm = kMmPerM * control(wiretoolsform::TxtFoilLeng).num();
  if (entry == FoilEntry::Width) {
    // a foil is often 0.05 mm thin: the thickness keeps the quotient's three
    // decimals, where one decimal would show 0.05 as 0.1
    thickness.setText(textOf(formulas::Quotient3(section.num(), width.num())));
  } else {
    width.setText(refixed(formulas::Quotient3(section.num(), thickness.num()), 1));
  }
  if (entry == FoilEntry::Length) section.setText(formatFixed(thickness.num() * width.num(), 3));
  const double s = section.num();
  control(wiretoolsform::TxtFoilWeig)
      .setText(refixed(formulas::MilliProduct3(wiretools::kCopper.density, s, lengthMm), 3));
  control(wiretoolsform::TxtFoilDCR)
      .setText(textOf(formulas::MilliRatio(wiretools::kCopper.resistivity, s, lengthMm)));
}

void FrmWireTools::showTime() {
  control(wiretoolsform::Lbt).setCaption(kClockPrefix + timeText(host().now()));
  Control& counter = control(wiretoolsform::Txt1);
  counter.setText(generalFormat(counter.num() + 1));
}

// The farewell comes once the unsaved-changes question (if any) lets the
// program end.
void FrmWireTools::sayGoodbye() {
  workspace().session().endProgram(
      [this] { host().showMessage(kGoodbye, MessageIcon::Information, caption()); });
}

void FrmWireTools::showAbout() {
  if (workspace().knowsForm(forms::kAbout)) workspace().form(forms::kAbout).show();
}

}  // namespace corvane
