#include "spice/plain_design.h"

namespace corvane::spice {

TransformerDescription plainDesign() {
  TransformerDescription d;
  d.grade = "50H800";
  d.fluxDensity = 1.5;
  d.inputVoltage1 = 220;
  d.frequency = 50;
  d.noLoadCurrent = 0.05;
  d.ironLoss = 2.2;
  d.slotWidth1 = 20;
  d.slotWidth2 = 9;
  d.windowWidth = 8;
  d.tapeLayers = 3;
  d.windings.push_back({.label = "N1",
                        .turns = 1000,
                        .hotResistance = 50000,
                        .thickness = 2,
                        .meanTurnLength = 100});
  return d;
}

void addSecondary(TransformerDescription& d, double turns, double thickness,
                  const std::string& circuit, int slot) {
  OutputGroupDescription g;
  g.label = "W" + std::to_string(d.groups.size() + 1);
  g.circuit = circuit;
  g.outputVoltage = 12;
  g.outputCurrent = 1;
  d.groups.push_back(g);
  WindingDescription w{.label = "N" + std::to_string(d.windings.size() + 1),
                       .role = WindingRole::Secondary,
                       .group = static_cast<int>(d.groups.size()) - 1,
                       .turns = turns,
                       .hotResistance = 500,
                       .thickness = thickness,
                       .meanTurnLength = 120,
                       .slot = slot};
  for (const WindingDescription& other : d.windings)
    if (other.slot == slot) ++w.position;
  d.windings.push_back(w);
}

}  // namespace corvane::spice
