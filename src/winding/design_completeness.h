// What the operating runs need of a design before their figures mean
// anything: a primary voltage above 0, and turns and a wire diameter in every
// winding. Without them a run would divide by nothing or read 0 as a winding
// and still give a verdict, so it names what is missing instead.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace corvane::winding {

// One winding as the table shows it: its label, turns and bare wire diameter (mm).
struct WindingPresence {
  std::string label;
  double turns = 0;
  double wireDiameter = 0;
};

// What is missing, in the designer's words and in table order ("输入电压",
// "N2的匝数", "N2的线径"); empty when the design can be run.
std::vector<std::string> missingForRuns(double primaryVoltage,
                                        std::span<const WindingPresence> windings);

// The one warning naming every missing value: "设计不完整：缺少输入电压、N1的匝数".
std::string incompleteDesignText(const std::vector<std::string>& missing);

}  // namespace corvane::winding
