#include "operating/adapter_efficiency.h"

#include <cmath>

#include "model/programming_error.h"

namespace corvane::operating {

namespace {
constexpr double kLowVoltage = 6;            // V: a DC output below it is low-voltage
constexpr double kLowVoltageCurrent = 0.55;  // A: at this current or more
constexpr std::string_view kNoRectifier = "无";
}  // namespace

AdapterClass adapterClass(const std::vector<GroupRating>& groups) {
  if (groups.size() > 1) return AdapterClass::MultipleOutput;
  if (groups.empty()) return AdapterClass::BasicVoltage;
  const GroupRating& group = groups.front();
  const bool direct = group.circuit != kNoRectifier;
  if (direct && std::fabs(group.voltage) < kLowVoltage &&
      std::fabs(group.current) >= kLowVoltageCurrent)
    return AdapterClass::LowVoltage;
  return direct ? AdapterClass::BasicVoltage : AdapterClass::AcOutput;
}

const AdapterLimits& limitsOf(AdapterClass adapterClass) {
  for (const AdapterLimits& limits : kAdapterLimits)
    if (limits.adapterClass == adapterClass) return limits;
  throw ProgrammingError("no limits for an adapter class");
}

double requiredEfficiency(AdapterClass adapterClass, double nameplate) {
  const AdapterLimits& limits = limitsOf(adapterClass);
  if (nameplate <= kSmallOutputPower) return limits.smallSlope * nameplate + limits.smallOffset;
  if (nameplate <= kLargeOutputPower)
    return limits.logCoefficient * std::log(nameplate) + limits.linearCoefficient * nameplate +
           limits.middleOffset;
  return limits.largeEfficiency;
}

double requiredNoLoadPower(AdapterClass adapterClass, double nameplate) {
  const AdapterLimits& limits = limitsOf(adapterClass);
  return nameplate <= kLargeOutputPower ? limits.smallNoLoad : limits.largeNoLoad;
}

std::string adapterVerdict(AdapterClass adapterClass, double nameplate, double averageEfficiency,
                           double noLoadPower) {
  const bool efficient = averageEfficiency >= requiredEfficiency(adapterClass, nameplate);
  const bool quiet = noLoadPower <= requiredNoLoadPower(adapterClass, nameplate);
  if (efficient && quiet) return "满足六级能效";
  std::string failing;
  if (!efficient) failing = "平均效率";
  if (!quiet) failing += failing.empty() ? "空载功耗" : "、空载功耗";
  return "不满足六级能效：" + failing;
}

}  // namespace corvane::operating
