#include "winding/design_completeness.h"

namespace corvane::winding {

namespace {
// a winding whose label was cleared is named by its place in the table
std::string nameOf(const WindingPresence& winding, size_t index) {
  if (!winding.label.empty()) return winding.label;
  return "第" + std::to_string(index + 1) + "个绕组";
}
}  // namespace

std::vector<std::string> missingForRuns(double primaryVoltage,
                                        std::span<const WindingPresence> windings) {
  std::vector<std::string> missing;
  if (!(primaryVoltage > 0)) missing.emplace_back("输入电压");
  for (size_t i = 0; i < windings.size(); ++i) {
    const WindingPresence& winding = windings[i];
    if (!(winding.turns > 0)) missing.push_back(nameOf(winding, i) + "的匝数");
    if (!(winding.wireDiameter > 0)) missing.push_back(nameOf(winding, i) + "的线径");
  }
  return missing;
}

std::string incompleteDesignText(const std::vector<std::string>& missing) {
  std::string text = "设计不完整：缺少";
  for (size_t i = 0; i < missing.size(); ++i) {
    if (i > 0) text += "、";
    text += missing[i];
  }
  return text;
}

}  // namespace corvane::winding
