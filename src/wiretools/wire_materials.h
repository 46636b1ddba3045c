// Conductor materials of the wire tools: resistivity and density of the round
// wires the material list offers, and the copper of the foil.
#pragma once

#include <array>
#include <string_view>

#include "model/design_constants.h"

namespace corvane::wiretools {

struct WireMaterial {
  std::string_view name;  // list text of CmbWire
  double resistivity;     // Ω·mm²/m at 20 °C
  double density;         // g/cm³
};

// Annealed copper as the winding calculations take it (the foil is copper too).
inline constexpr WireMaterial kCopper{"铜线", 0.0175, design::kCopperDensity};

// name, resistivity (Ω·mm²/m at 20 °C), density (g/cm³), in the list order.
//
// Aluminium: IEC 60889 (hard-drawn aluminium wire), 61 % IACS:
// 0.017241 / 0.61 = 0.028264 Ω·mm²/m, density 2.703 g/cm³.
//
// Copper-clad aluminium, ASTM B566 classes 10A/10H and 15A/15H: 10 % and 15 %
// copper by volume on an aluminium core (A annealed, H hard; the list names
// both tempers of one copper share together). Resistivity from the minimum
// conductivity that makers' datasheets quote for these classes, 62.9 % and
// 64.4 % IACS (0.017241 / 0.629 and 0.017241 / 0.644); those two figures were
// not checked against the standard's own table. As a guaranteed minimum they
// lie below the ideal parallel mix of the two metals (64.9 % and 66.9 % IACS
// with the aluminium at 61 %). Density from the volume mix of copper 8.89 and
// aluminium 2.70 g/cm³: 0.10 × 8.89 + 0.90 × 2.70 = 3.32 and
// 0.15 × 8.89 + 0.85 × 2.70 = 3.63, the densities the datasheets give.
inline constexpr std::array<WireMaterial, 4> kWireMaterials{{
    kCopper,
    {"铝线", 0.02826, 2.703},
    {"铜包铝线 10A 10H", 0.02741, 3.32},
    {"铜包铝线 15A 15H", 0.02677, 3.63},
}};

// The material of that list text; nullptr for a text outside the list.
const WireMaterial* findWireMaterial(std::string_view name);

}  // namespace corvane::wiretools
