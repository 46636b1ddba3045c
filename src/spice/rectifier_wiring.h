// How each rectifier circuit of the electrical form is wired in the supply
// circuit: which rectifier, and whether a reservoir capacitor follows it.
#pragma once

#include <array>
#include <string_view>

namespace corvane::spice {

enum class Rectifier {
  None,       // AC output: the load across the winding
  HalfWave,   // one diode
  CentreTap,  // two diodes on a centre-tapped winding
  Bridge,     // four diodes
};

struct RectifierWiring {
  std::string_view circuit;  // CMBZL text
  Rectifier rectifier;
  bool capacitorInput;  // a reservoir capacitor across the load
};

// circuit, rectifier, capacitor input (the list order of the rectifier drop-down)
inline constexpr std::array<RectifierWiring, 7> kRectifierWirings{{
    {"无", Rectifier::None, false},
    {"半波电阻", Rectifier::HalfWave, false},
    {"半波电容", Rectifier::HalfWave, true},
    {"全波电阻", Rectifier::CentreTap, false},
    {"全波电容", Rectifier::CentreTap, true},
    {"全桥电阻", Rectifier::Bridge, false},
    {"全桥电容", Rectifier::Bridge, true},
}};

// nullptr when the text names no circuit (possible through a design file).
const RectifierWiring* findRectifierWiring(std::string_view circuit);

}  // namespace corvane::spice
