// The design pass's choice of a winding's wire: the round conductor that
// carries the current at the current density, rounded up to a standard bare
// diameter.
#pragma once

#include <string>

namespace corvane::simulation {

// The "0.000" diameter of F2 mapped to the standard size ("0.00"); "" when
// the current density is not positive (the mapping is not applied to an empty
// diameter).
std::string designedWireDiameter(double current, double currentDensity);

}  // namespace corvane::simulation
