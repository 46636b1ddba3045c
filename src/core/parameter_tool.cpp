// The electromagnetic parameter tool of the core form: an allowed flux
// density and current density from the temperature rise the surfaces can
// shed (thermal route) or from the voltage regulation allowed (regulation
// route).
#include <string>

#include "core/frmcore.h"
#include "model/formulas.h"
#include "model/value.h"

namespace corvane {

// Copper loss coefficient (W/kg per (A/mm²)²) at ambient plus the allowed rise.
std::string Frmcore::copperLossCoefficientText() const {
  double copperTemperature = electrical("TXTTEMP20") + num("TXTTEMP");
  return formulas::CopperTemperatureFactor(copperTemperature).fieldText();
}

// Core and coil surfaces shed α·ΔT per cm² (the core counting 1.5 times);
// what the iron loss leaves of that is the copper loss allowed.
void Frmcore::thermalRoute() {
  double rise = num("TXTTEMP");
  double dissipation = num("TxtAM");
  double coreSurface = num("TxtFc"), coilSurface = num("TxtFM");
  double weightKg = num("txtwe") * 0.001;
  FormulaResult root =
      formulas::RootRatio12250(dissipation, rise, coreSurface, weightKg, material(2).num());
  double allowedFlux = root.isEmpty() ? 0 : 0.0001 * root.number();
  write("Text1", formatPattern(allowedFlux, "0.00"));
  if (coilSurface > 0)
    write("TxtPm", formulas::LoadedProduct(dissipation, rise, coilSurface, coreSurface, coilSurface,
                                           num("txtpc"))
                       .fieldText());
  write("TxtZ", copperLossCoefficientText());
  write("TxtJb", formulas::RootOfQuotient(num("TxtPm"), num("TxtCu"), num("TxtZ")).fieldText());
}

// The current density whose copper drop over the mean turn Lv gives the
// regulation allowed.
void Frmcore::regulationRoute() {
  write("TxtZ", copperLossCoefficientText());
  double turnLengthCm = num("TxtLv") * 0.1;
  double regulation = num("TxtDU") * 0.01;
  write("TxtJb", formulas::Ratio2_5(num("TxtF"), num("TxtBm"), num("TXTSC"), turnLengthCm,
                                    num("TxtZ"), regulation)
                     .fieldText());
}

// The tool's results become the form's working densities.
void Frmcore::applyTool() {
  write("TxtBm", control("Text1").text());
  write("TxtJ", control("TxtJb").text());
}

}  // namespace corvane
