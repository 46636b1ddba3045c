// Plain descriptions of a design for the model's tests, without forms: a
// 220 V primary of 1000 turns and secondaries as the test adds them.
#pragma once

#include <string>

#include "spice/transformer_description.h"

namespace corvane::testing {

inline spice::TransformerDescription plainDesign() {
  spice::TransformerDescription d;
  d.grade = "50H800";
  d.fluxDensity = 1.5;
  d.inputVoltage1 = 220;
  d.frequency = 50;
  d.noLoadCurrent = 0.05;
  d.ironLoss = 2.2;  // Pc/U1 = 0.01 A
  d.slotWidth1 = 20;
  d.slotWidth2 = 9;
  d.windowWidth = 8;
  d.tapeLayers = 3;
  spice::WindingDescription primary;
  primary.label = "N1";
  primary.turns = 1000;
  primary.hotResistance = 50000;
  primary.thickness = 2;
  primary.meanTurnLength = 100;
  d.windings.push_back(primary);
  return d;
}

// A secondary of `turns` on a new output group with the given circuit, wound
// next in slot `slot`.
inline void addSecondary(spice::TransformerDescription& d, double turns, double thickness,
                         const std::string& circuit = "全桥电容", int slot = 1) {
  spice::OutputGroupDescription g;
  g.label = "W" + std::to_string(d.groups.size() + 1);
  g.circuit = circuit;
  g.outputVoltage = 12;
  g.outputCurrent = 1;
  d.groups.push_back(g);
  spice::WindingDescription w;
  w.label = "N" + std::to_string(d.windings.size() + 1);
  w.role = spice::WindingRole::Secondary;
  w.group = static_cast<int>(d.groups.size()) - 1;
  w.turns = turns;
  w.hotResistance = 500;
  w.thickness = thickness;
  w.meanTurnLength = 120;
  w.slot = slot;
  for (const spice::WindingDescription& other : d.windings)
    if (other.slot == slot) ++w.position;
  d.windings.push_back(w);
}

}  // namespace corvane::testing
