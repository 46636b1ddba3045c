#include "simulation/no_load_current.h"

#include <cmath>

#include "model/value.h"
#include "simulation/core_curves.h"

namespace corvane::simulation {

namespace {

constexpr double kGaussPerTesla = 10000;
constexpr double kCmPerMm = 0.1;
constexpr double kOhmPerMilliohm = 0.001;

// The flux density in the unit of the curve's bounds, compared on its
// decimal value (1.57 T is 15700 G, not the binary product 15700.000000000002).
double inCurveUnit(const CoreCurve& curve, double fluxDensity) {
  if (!curve.inGauss) return fluxDensity;
  return Val(generalFormat(fluxDensity * kGaussPerTesla));
}

// why no current can be given, around the grade's name where it has none
constexpr const char* kNoCurve[] = {"铁芯材质“", "”没有磁化曲线，无法计算空载电流"};
constexpr const char* kSaturatedNoResistance = "铁芯已饱和，且初级没有直流电阻，无法计算空载电流";
constexpr const char* kOffTheCurve = "工作磁密超出铁芯材质磁化曲线的范围，无法计算空载电流";
constexpr const char* kNoTurnsOrVoltage = "初级没有匝数或输入电压，无法计算空载电流";

std::string amperes(double current) {
  return formatFixed(checkedFinite(current), 4);
}

}  // namespace

bool isSaturated(std::string_view grade, double fluxDensity) {
  const CoreCurve* curve = curveForGrade(grade);
  return curve && inCurveUnit(*curve, fluxDensity) > curve->saturatedAbove;
}

std::string curveNoLoadCurrentText(std::string_view grade, const NoLoadInputs& in) {
  const CoreCurve* curve = curveForGrade(grade);
  if (!curve) return "";
  if (isSaturated(grade, in.fluxDensity)) {
    // saturated: the primary is a plain resistor across the supply
    if (in.primaryResistance == 0) return "";
    return amperes(in.primaryVoltage / (in.primaryResistance * kOhmPerMilliohm));
  }
  const CurveBand* band = bandFor(*curve, inCurveUnit(*curve, in.fluxDensity));
  if (!band || in.primaryTurns == 0 || in.primaryVoltage == 0) return "";
  // peak ampere-turns of the path over the turns, and the iron-loss current
  const double magnetising = kCmPerMm * in.pathLength * band->h / in.primaryTurns;
  const double lossCurrent = in.ironLoss / in.primaryVoltage;
  return amperes(std::sqrt(magnetising * magnetising + lossCurrent * lossCurrent));
}

std::string noLoadCurrentGap(std::string_view grade, const NoLoadInputs& in) {
  const CoreCurve* curve = curveForGrade(grade);
  if (!curve) return kNoCurve[0] + std::string(grade) + kNoCurve[1];
  if (isSaturated(grade, in.fluxDensity))
    return in.primaryResistance == 0 ? kSaturatedNoResistance : "";
  if (!bandFor(*curve, inCurveUnit(*curve, in.fluxDensity))) return kOffTheCurve;
  if (in.primaryTurns == 0 || in.primaryVoltage == 0) return kNoTurnsOrVoltage;
  return "";
}

std::vector<std::string> everyNoLoadCurrentGap(std::string_view sampleGrade) {
  return {kNoCurve[0] + std::string(sampleGrade) + kNoCurve[1], kSaturatedNoResistance,
          kOffTheCurve, kNoTurnsOrVoltage};
}

std::string ratedNoLoadCurrentText(double noLoadVoltAmperes, double inputVoltage1,
                                   double inputVoltage2) {
  const double voltage = inputVoltage2 + inputVoltage1;
  if (voltage == 0) return "";
  return formatFixed(checkedFinite(noLoadVoltAmperes / voltage), 5);
}

}  // namespace corvane::simulation
