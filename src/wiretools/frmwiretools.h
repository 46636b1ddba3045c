// The wire conversion tools FrmWireTools: section, resistance and weight of
// an enamelled round wire of the chosen material, AWG in both directions, the
// current it carries at a current density, litz strands matching its
// section, copper foil, and the skin depth with the AC/DC resistance ratio of
// the round wire. Lengths in m, diameters and thicknesses in mm, sections in
// mm², resistances in Ω, weights in g, frequency in kHz.
#pragma once

#include "model/form.h"
#include "model/form_names.h"
#include "wiretools/wire_materials.h"

namespace corvane {

class FrmWireTools : public Form {
 public:
  static constexpr const char* kName = forms::kWireTools;
  static constexpr const char* kGoodbye = "祝您工作更轻松！谢谢您的使用！再见！";
  static constexpr const char* kClockPrefix = "现在是：";

  explicit FrmWireTools(Workspace& workspace);
  void load() override;

  // The material the wire and litz calculations use.
  const wiretools::WireMaterial& material() const { return material_; }

  // --- calculations (each runs the change reactions of the fields it writes)
  void wireCalculation();
  void skinDepthCalculation();
  void litzCalculation();
  // Which foil field was confirmed: it decides whether the width or the
  // thickness is derived from the section, and whether the section is
  // re-derived from both.
  enum class FoilEntry { Thickness, Width, Length };
  void foilCalculation(FoilEntry entry);

 private:
  // Which of current and current density the user gave last: the other one
  // follows it when the wire changes.
  enum class CurrentEntry { None, Current, Density };

  void addControls();
  void addClockAndButtons();
  void addReactions();
  void keepMembers();

  void chooseMaterial();
  void acResistance();
  void acResistanceFromRatio();
  void currentFromDensity();
  void densityFromCurrent();
  void followCurrentEntry();
  void strandsTyped();
  void showTime();
  void sayGoodbye();
  void showAbout();

  wiretools::WireMaterial material_ = wiretools::kCopper;
  CurrentEntry currentEntry_ = CurrentEntry::None;
};

}  // namespace corvane
