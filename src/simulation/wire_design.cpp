#include "simulation/wire_design.h"

#include "model/formulas.h"

namespace corvane::simulation {

std::string designedWireDiameter(double current, double currentDensity) {
  const FormulaResult computed = formulas::WireDiameterFromCurrent(current, currentDensity);
  if (computed.isEmpty()) return "";
  // the standard size is looked up from the diameter's text, as the cell shows it
  return formulas::StandardWireDiameter(computed.text()).fieldText();
}

}  // namespace corvane::simulation
