#include "search/search_space.h"

#include <algorithm>
#include <cmath>

#include "core/lamination_catalogue.h"
#include "core/material_grades.h"
#include "model/value.h"

namespace corvane::search {

namespace {

// Steps are typed to a few decimals: the values keep no trace of the binary
// error of adding them up (1 + 3 × 0.05 is 1.15, not 1.1500000000000001).
constexpr int kStepDecimals = 6;

std::string plain(double value) {
  return generalFormat(roundHalfAway(value, kStepDecimals));
}

const core::StandardEiRow* laminationOf(double length) {
  for (const core::StandardEiRow& row : core::standardLaminations())
    if (row.length == length) return &row;
  return nullptr;
}

bool isGrade(int grade) {
  return grade >= 0 && grade < static_cast<int>(core::materialGrades().size());
}

}  // namespace

std::string Candidate::laminationText() const {
  return plain(lamination);
}
std::string Candidate::stackText() const {
  return plain(stack);
}
std::string Candidate::gradeName() const {
  return isGrade(grade) ? core::materialGrades()[grade].nippon : "";
}
// two decimals as the core form writes a flux density, more when the step asks
std::string Candidate::fluxText() const {
  const double rounded = roundHalfAway(flux, kStepDecimals);
  return roundHalfAway(rounded, 2) == rounded ? formatFixed(rounded, 2) : plain(rounded);
}
std::string Candidate::densityText() const {
  return plain(density);
}
std::string Candidate::secondaryDensityText() const {
  return plain(secondaryDensity);
}

Outcome<std::vector<double>> stepValues(const Steps& steps, long most) {
  if (!std::isfinite(steps.min) || !std::isfinite(steps.max) || !std::isfinite(steps.step))
    return Failure{"范围不是数"};
  if (steps.step <= 0) return Failure{"步长必须大于0"};
  if (steps.min > steps.max) return Failure{"最小值大于最大值"};
  // a maximum a rounding error short of the last step still counts
  const double spans = (steps.max - steps.min) / steps.step;
  if (spans + 1 > static_cast<double>(most)) return Failure{"取值太多"};
  const long count = static_cast<long>(std::floor(spans + 1e-9)) + 1;
  std::vector<double> values;
  values.reserve(static_cast<size_t>(count));
  for (long k = 0; k < count; ++k)
    values.push_back(roundHalfAway(steps.min + static_cast<double>(k) * steps.step, kStepDecimals));
  return values;
}

Outcome<std::vector<double>> stacksFor(const SearchSpace& space, double tongue) {
  Outcome<std::vector<double>> values = stepValues(space.stack);
  if (!values) return Failure{"叠厚" + values.reason()};
  std::vector<double> stacks;
  for (double value : values.value()) {
    const double stack =
        space.stackRule == StackRule::TongueRatio ? roundHalfAway(value * tongue, 0) : value;
    if (stack > 0 && std::find(stacks.begin(), stacks.end(), stack) == stacks.end())
      stacks.push_back(stack);
  }
  std::sort(stacks.begin(), stacks.end());
  return stacks;
}

Outcome<std::vector<double>> fluxesFor(const SearchSpace& space, int grade) {
  if (!isGrade(grade)) return Failure{"没有这种矽钢片材质"};
  const double rated = core::materialGrades()[grade].fluxDensity;
  Outcome<std::vector<double>> values =
      stepValues({space.fluxMin, space.fluxMax.value_or(rated), space.fluxStep});
  if (!values) return Failure{"磁通密度" + values.reason()};
  std::erase_if(values.value(), [](double flux) { return flux <= 0; });
  return values;
}

Outcome<long> countCandidates(const SearchSpace& space) {
  if (space.laminations.empty()) return Failure{"没有选择铁芯规格"};
  if (space.grades.empty()) return Failure{"没有选择矽钢片材质"};
  if (space.bobbins.empty()) return Failure{"没有选择骨架类型"};
  if (!std::isfinite(space.densityRatio) || space.densityRatio <= 0)
    return Failure{"次级电流密度比必须大于0"};
  Outcome<std::vector<double>> densities = stepValues(space.density);
  if (!densities) return Failure{"电流密度" + densities.reason()};
  std::erase_if(densities.value(), [](double j) { return j <= 0; });
  long fluxes = 0;
  for (int grade : space.grades) {
    Outcome<std::vector<double>> values = fluxesFor(space, grade);
    if (!values) return Failure{values.reason()};
    fluxes += static_cast<long>(values.value().size());
  }
  long count = 0;
  for (double length : space.laminations) {
    const core::StandardEiRow* row = laminationOf(length);
    if (!row) return Failure{"铁芯EI" + plain(length) + "不在标准铁芯表中"};
    Outcome<std::vector<double>> stacks = stacksFor(space, row->tongue);
    if (!stacks) return Failure{stacks.reason()};
    count += static_cast<long>(stacks.value().size()) * fluxes *
             static_cast<long>(densities.value().size()) * static_cast<long>(space.bobbins.size());
    if (count > kMostCandidates)
      return Failure{"候选方案超过" + std::to_string(kMostCandidates) + "个，请缩小搜索范围"};
  }
  if (count == 0) return Failure{"搜索范围中没有候选方案"};
  return count;
}

Outcome<std::vector<Candidate>> enumerateCandidates(const SearchSpace& space) {
  Outcome<long> count = countCandidates(space);
  if (!count) return Failure{count.reason()};
  std::vector<double> densities = stepValues(space.density).value();
  std::erase_if(densities, [](double j) { return j <= 0; });
  std::vector<Candidate> candidates;
  candidates.reserve(static_cast<size_t>(count.value()));
  Candidate c;
  for (double length : space.laminations) {
    c.lamination = length;
    const std::vector<double> stacks = stacksFor(space, laminationOf(length)->tongue).value();
    for (double stack : stacks) {
      c.stack = stack;
      for (int grade : space.grades) {
        c.grade = grade;
        const std::vector<double> fluxes = fluxesFor(space, grade).value();
        for (double flux : fluxes) {
          c.flux = flux;
          for (double density : densities) {
            c.density = density;
            c.secondaryDensity = roundHalfAway(density * space.densityRatio, kStepDecimals);
            for (int bobbin : space.bobbins) {
              c.bobbin = bobbin;
              ++c.id;
              candidates.push_back(c);
            }
          }
        }
      }
    }
  }
  return candidates;
}

}  // namespace corvane::search
