#include "winding/wire_insulation.h"

#include <array>

#include "model/ascii.h"

namespace corvane::winding {

namespace {

struct WireTypeBuild {
  std::string_view type;    // wire type, upper case
  std::string_view layout;  // the type whose builds it takes
};

// wire type (upper case), the type of the layout formulas it builds like
constexpr std::array<WireTypeBuild, 10> kWireTypeBuilds{{
    {"2UEW", "2UEW"},
    {"1UEW", "1UEW"},
    {"TRIPLE", "TRIPLE"},
    {"CU.FOIL", "CU.FOIL"},
    {"1PEW", "1UEW"},
    {"1EIW", "1UEW"},
    {"2PEW", "2UEW"},
    {"2EIW", "2UEW"},
    {"LITZ", "2UEW"},
    {"USTC", "2UEW"},
}};

constexpr std::string_view kUnknownTypeBuild = "2UEW";

}  // namespace

std::string_view layoutWireType(std::string_view wireType) {
  const std::string type = ascii::upper(wireType);
  for (const WireTypeBuild& row : kWireTypeBuilds)
    if (row.type == type) return row.layout;
  return kUnknownTypeBuild;
}

}  // namespace corvane::winding
