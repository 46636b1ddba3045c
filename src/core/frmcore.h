// The core form: steel grade and sheet finish, required power, frequency and
// densities, the core proposed from a rated-power table, the standard EI
// catalogue or two custom proportions, and what follows from the core:
// cross-section, window, turns, path length, weight, iron loss, highest
// output power and cooling surfaces; plus the electromagnetic parameter tool
// that derives an allowed flux density and current density.
//
// Lengths in mm, areas in cm², flux density in T, current density in A/mm²,
// power and loss in W. Every operation reads the fields with the
// leading-number rule and writes its results back as text; each write runs
// that field's change reaction at once, so one edit cascades through the form.
#pragma once

#include <string>

#include "core/coreform_fields.h"
#include "model/field_links.h"
#include "model/form.h"
#include "model/form_names.h"

namespace corvane {

namespace core {
struct RatedPowerTable;
}

class Frmcore : public Form {
 public:
  static constexpr const char* kName = forms::kCore;
  // What the electrical form reads and writes here: the frequency for its
  // capacitor recommendation, the output power "铁芯选型" raises.
  static constexpr LinkedField kLinkedFields[] = {{links::kCoreFrequency, coreform::TxtF},
                                                  {links::kCorePower, coreform::txtpo}};

  explicit Frmcore(Workspace& workspace);
  void load() override;
  void activated() override;

  // --- core sizing
  // Cross-section TXTSC from the required power.
  void ap();
  // Tongue, stack, window, L and H from Sc, Sw and the two proportions.
  void CORESIZE();
  // Mean magnetic path, core weight and iron loss.
  void CDATA();
  // Highest output power TXTVA of the core.
  void va();
  // Core cooling surface TxtFc.
  void Fc();
  // Coil cooling surface TxtFM.
  void Fm();
  // Snaps TXTL to the standard lamination at or above it.
  void biaozhuncore();
  // A standard transformer for the required power from a grade's table,
  // with its lamination's dimensions from the catalogue.
  void pickRatedPower(const core::RatedPowerTable& table);
  void PowerTable800();
  void standardLaminationChoice();
  void customCoreChoice();
  void primaryTurns();
  void windowCurrentDensity();
  // Enter in TxtB: Sc and Sw from the dimensions.
  void stackConfirmation();
  // Mean turn length and copper weight, then the cooling surfaces.
  void windingEstimates();
  void rebuildCoreName();
  void enableGradeButtons();
  // Enter in TXTL: the lamination snapped to the catalogue and what follows from it.
  void laminationEntered();

  // --- steel material
  // The data of the grade whose list index TXTINDEX holds.
  void COREDATA();

  // --- electromagnetic parameter tool
  void thermalRoute();
  void regulationRoute();

 private:
  void addControls();
  void addMaterialFrame();
  void addPowerFrame();
  void addSectionFrame();
  void addProportionFrame();
  void addSizeFrame();
  void addResultFields();
  void addParameterTool();
  void addMenu();
  void addReactions();
  void addMaterialReactions();
  void addSizingReactions();
  void addToolReactions();
  void addEnterChain();

  double num(const char* name) const;
  // A field of the electrical form ("" in a workspace without that form).
  std::string electricalText(const char* name) const;
  double electrical(const char* name) const;
  // U2 while the electrical form has two primaries, else 0.
  double secondInputVoltage() const;
  void write(const char* name, std::string text);
  Control& material(int index);
  const Control& material(int index) const;

  void gradePicked(const Control& list);
  void materialIndexChanged();
  void rewriteMaterialTexts();
  void proposeFluxDensity();
  void finishChosen(const char* finishLetter);
  void fluxColourCheck();
  void pointFluxReference();
  void refreshSectionFigure();
  std::string turnsPerVoltText() const;
  std::string copperLossCoefficientText() const;
  void applyTool();
  // The writes of a rated-power pick; false when the power is beyond the table.
  bool proposeRatedPower(const core::RatedPowerTable& table);
  void laminationOutsideCatalogue();
  void proposeLaminationForSection();
  void showStandardWindow();
  void openBobbinForm();

  // Set while the stack confirmation writes the window it computed from c
  // and h, so that write does not re-derive the dimensions just confirmed.
  bool keepDimensions_ = false;
};

}  // namespace corvane
