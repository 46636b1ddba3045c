#include "app/texts/reason_samples.h"
#include "spice/plain_design.h"
#include "spice/transformer_description.h"
#include "spice/transformer_model.h"

namespace corvane {

namespace {

using spice::TransformerDescription;

// A design the model takes: the plain design with one 12 V secondary over
// its primary.
TransformerDescription modelledDesign() {
  TransformerDescription d = spice::plainDesign();
  spice::addSecondary(d, 60, 1);
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
