// The insulation builds a winding row's layout uses for its wire type. The
// layout formulas know four types; every type of the winding table is mapped
// onto one of them before the formulas run, so no row ever reuses an
// allowance another row's type left behind.
#pragma once

#include <string_view>

namespace corvane::winding {

// The type the layout formulas are called with for a wire type of the table:
// "2UEW", "1UEW", "TRIPLE" or "CU.FOIL". Single-coat polyester and
// polyesterimide enamels build like single-coat polyurethane, double coats
// like double-coat polyurethane; for litz and served wire the designer enters
// the bundle's outer diameter, so they take the double-coat build; an unknown
// text does too.
std::string_view layoutWireType(std::string_view wireType);

}  // namespace corvane::winding
