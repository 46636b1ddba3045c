// A small design as a plain description, without forms: a 220 V primary of
// 1000 turns in slot 1 of a two-slot bobbin, and secondaries as the caller
// adds them. The designs the export refuses are shown on it (the reasons the
// interface lists for translation), and the model's checks start from it.
#pragma once

#include <string>

#include "spice/transformer_description.h"

namespace corvane::spice {

// 50H800 at 1.5 T, 50 Hz; I0 0.05 A and Pc 2.2 W (Pc/U1 = 0.01 A); slots of
// 20 mm and 9 mm, a window of 8 mm, 3 tape layers over each winding; the
// primary 2 mm thick, 50 Ω hot, 100 mm a turn.
TransformerDescription plainDesign();

// A secondary of `turns` on a new output group (12 V, 1 A) with the given
// circuit, wound next in slot `slot`: 500 mΩ hot, 120 mm a turn.
void addSecondary(TransformerDescription& d, double turns, double thickness,
                  const std::string& circuit = "全桥电容", int slot = 1);

}  // namespace corvane::spice
