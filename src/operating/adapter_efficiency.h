// The efficiency levels of an external power supply (US DoE level VI, the
// same limits as the EU's ecodesign rules for external power supplies): its
// class, the least average efficiency over 25, 50, 75 and 100 % load and the
// most power it may draw with no load, both by nameplate output power Po.
// They bind a transformer only when it is sold inside a plug-in adapter.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "operating/part_load_efficiency.h"

namespace corvane::operating {

enum class AdapterClass {
  BasicVoltage,    // AC in, DC out, 6 V or more (or under 0.55 A)
  AcOutput,        // AC in, AC out
  LowVoltage,      // DC out below 6 V at 0.55 A or more
  MultipleOutput,  // more than one output
};

// Average efficiency (fraction) a · Po + b up to 1 W, c · ln Po + d · Po + e
// up to 49 W, a fixed level above; no-load power (W) up to 49 W and above.
struct AdapterLimits {
  AdapterClass adapterClass;
  std::string_view name;  // as the form shows it
  double smallSlope, smallOffset;
  double logCoefficient, linearCoefficient, middleOffset;
  double largeEfficiency;
  double smallNoLoad, largeNoLoad;
};

// class, name, a, b, c, d, e, above 49 W, no-load up to 49 W, no-load above
inline constexpr std::array<AdapterLimits, 4> kAdapterLimits{{
    {AdapterClass::BasicVoltage, "基本电压", 0.5, 0.160, 0.071, -0.0014, 0.67, 0.880, 0.100, 0.210},
    {AdapterClass::AcOutput, "交流输出", 0.5, 0.160, 0.071, -0.0014, 0.67, 0.880, 0.210, 0.210},
    {AdapterClass::LowVoltage, "低压", 0.517, 0.087, 0.0834, -0.0014, 0.609, 0.870, 0.100, 0.210},
    {AdapterClass::MultipleOutput, "多路输出", 0.497, 0.067, 0.075, 0, 0.561, 0.860, 0.300, 0.300},
}};

// Output power bands (W): up to 1 W the linear law, up to 49 W the logarithmic one.
inline constexpr double kSmallOutputPower = 1;
inline constexpr double kLargeOutputPower = 49;

// More than one group is a multiple-output supply; one DC group below 6 V
// at 0.55 A or more a low-voltage one; one without rectifier an AC-AC one.
AdapterClass adapterClass(const std::vector<GroupRating>& groups);

const AdapterLimits& limitsOf(AdapterClass adapterClass);

// The least average efficiency, as a fraction, at nameplate power Po (W).
double requiredEfficiency(AdapterClass adapterClass, double nameplate);
// The most no-load input power (W) at nameplate power Po (W).
double requiredNoLoadPower(AdapterClass adapterClass, double nameplate);

// "满足六级能效", or "不满足六级能效：" followed by what fails ("平均效率",
// "空载功耗" or both, joined by "、"); the average efficiency as a fraction.
std::string adapterVerdict(AdapterClass adapterClass, double nameplate, double averageEfficiency,
                           double noLoadPower);

}  // namespace corvane::operating
