#include "app/texts/reason_samples.h"
#include "spice/transformer_description.h"
#include "spice/transformer_model.h"

namespace corvane {

namespace {

using spice::TransformerDescription;
using spice::WindingDescription;

// A design the model takes: a 220 V primary of 1000 turns and one 12 V
// secondary over it.
TransformerDescription modelledDesign() {
  TransformerDescription d;
  d.grade = "50H800";
  d.fluxDensity = 1.5;
  d.inputVoltage1 = 220;
  d.frequency = 50;
  d.noLoadCurrent = 0.05;
  d.ironLoss = 2.2;
  d.slotWidth1 = 20;
  d.windowWidth = 8;
  WindingDescription primary;
  primary.label = "N1";
  primary.turns = 1000;
  primary.hotResistance = 50000;
  primary.thickness = 2;
  primary.meanTurnLength = 100;
  d.windings.push_back(primary);
  spice::OutputGroupDescription group;
  group.label = "W1";
  group.circuit = "全桥电容";
  d.groups.push_back(group);
  WindingDescription secondary = primary;
  secondary.label = "N2";
  secondary.role = spice::WindingRole::Secondary;
  secondary.group = 0;
  secondary.turns = 60;
  secondary.hotResistance = 500;
  secondary.position = 1;
  d.windings.push_back(secondary);
  return d;
}

// The designs whose reasons name a part of them.
std::vector<TransformerDescription> unmodelledDesigns() {
  std::vector<TransformerDescription> designs(5, modelledDesign());
  designs[0].saturated = true;
  designs[1].windings[1].turns = 0;
  designs[2].windings[1].group = 3;
  designs[3].groups[0].circuit = "倍压";
  designs[4].noLoadCurrent = 100;  // a magnetising inductance below the leakage
  return designs;
}

}  // namespace

std::vector<std::string> spiceReasonSamples() {
  std::vector<std::string> reasons = spice::fixedModelReasons();
  for (const TransformerDescription& design : unmodelledDesigns())
    if (auto model = spice::buildTransformerModel(design); !model)
      reasons.push_back(model.reason());
  std::vector<std::string> shown;
  for (const std::string& reason : reasons) shown.push_back("无法导出SPICE模型：" + reason + "。");
  return shown;
}

}  // namespace corvane
