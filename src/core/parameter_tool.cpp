// The electromagnetic parameter tool of the core form: an allowed flux
// density and current density from the temperature rise the surfaces can
// shed (thermal route) or from the voltage regulation allowed (regulation
// route).
#include <string>

#include "core/coreform_fields.h"
#include "core/frmcore.h"
#include "electrical/eledata_fields.h"
#include "model/formulas.h"
#include "model/value.h"

namespace corvane {

// Copper loss coefficient (W/kg per (A/mm²)²) at ambient plus the allowed rise.
std::string Frmcore::copperLossCoefficientText() const {
  double copperTemperature = electrical(eledata::TXTTEMP20) + num(coreform::TXTTEMP);
  return formulas::CopperTemperatureFactor(copperTemperature).fieldText();
}

// Core and coil surfaces shed α·ΔT per cm² (the core counting 1.5 times);
// what the iron loss leaves of that is the copper loss allowed.
void Frmcore::thermalRoute() {
  double rise = num(coreform::TXTTEMP);
  double dissipation = num(coreform::TxtAM);
  double coreSurface = num(coreform::TxtFc), coilSurface = num(coreform::TxtFM);
  double weightKg = num(coreform::txtwe) * 0.001;
  FormulaResult root =
      formulas::RootRatio12250(dissipation, rise, coreSurface, weightKg, material(2).num());
  double allowedFlux = root.isEmpty() ? 0 : 0.0001 * root.number();
  write(coreform::Text1, formatPattern(allowedFlux, "0.00"));
  if (coilSurface > 0)
    write(coreform::TxtPm, formulas::LoadedProduct(dissipation, rise, coilSurface, coreSurface,
                                                   coilSurface, num(coreform::txtpc))
                               .fieldText());
  write(coreform::TxtZ, copperLossCoefficientText());
  write(coreform::TxtJb,
        formulas::RootOfQuotient(num(coreform::TxtPm), num(coreform::TxtCu), num(coreform::TxtZ))
            .fieldText());
}

// The current density whose copper drop over the mean turn Lv gives the
// regulation allowed.
void Frmcore::regulationRoute() {
  write(coreform::TxtZ, copperLossCoefficientText());
  double turnLengthCm = num(coreform::TxtLv) * 0.1;
  double regulation = num(coreform::TxtDU) * 0.01;
  write(coreform::TxtJb,
        formulas::Ratio2_5(num(coreform::TxtF), num(coreform::TxtBm), num(coreform::TXTSC),
                           turnLengthCm, num(coreform::TxtZ), regulation)
            .fieldText());
}

// The tool's results become the form's working densities.
void Frmcore::applyTool() {
  write(coreform::TxtBm, control(coreform::Text1).text());
  write(coreform::TxtJ, control(coreform::TxtJb).text());
}

}  // namespace corvane
