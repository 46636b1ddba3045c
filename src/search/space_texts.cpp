#include "search/space_texts.h"

#include "core/lamination_catalogue.h"
#include "core/material_grades.h"
#include "model/ascii.h"
#include "model/value.h"
#include "search/search_options.h"

namespace corvane::search {

namespace {

// Lists are separated by commas, ASCII or full-width, blanks around them allowed.
std::vector<std::string> items(const std::string& text) {
  constexpr std::string_view kWideComma = "，";
  std::vector<std::string> out(1);
  for (size_t at = 0; at < text.size(); ++at) {
    if (text[at] == ',' || text.compare(at, kWideComma.size(), kWideComma) == 0) {
      if (text[at] != ',') at += kWideComma.size() - 1;
      out.emplace_back();
    } else {
      out.back() += text[at];
    }
  }
  for (std::string& item : out) {
    const size_t first = item.find_first_not_of(" \t");
    item = first == std::string::npos
               ? std::string()
               : item.substr(first, item.find_last_not_of(" \t") - first + 1);
  }
  return out;
}

Outcome<double> number(const std::string& text, const std::string& what) {
  if (!startsWithNumber(text)) return Failure{what + "没有数值"};
  return Val(text);
}

Outcome<Steps> steps(const std::string& min, const std::string& max, const std::string& step,
                     const std::string& what) {
  Outcome<double> low = number(min, what + "的最小值");
  if (!low) return Failure{low.reason()};
  Outcome<double> high = number(max, what + "的最大值");
  if (!high) return Failure{high.reason()};
  Outcome<double> by = number(step, what + "的步长");
  if (!by) return Failure{by.reason()};
  if (low.value() <= 0) return Failure{what + "的最小值必须大于0"};
  if (by.value() <= 0) return Failure{what + "的步长必须大于0"};
  if (low.value() > high.value()) return Failure{what + "的最小值大于最大值"};
  return Steps{low.value(), high.value(), by.value()};
}

}  // namespace

std::string gradeNames(const std::vector<int>& grades) {
  std::string names;
  for (int grade : grades) {
    if (!names.empty()) names += ",";
    names += core::materialGrades()[static_cast<size_t>(grade)].nippon;
  }
  return names;
}

Outcome<SearchSpace> spaceFromTexts(const SpaceTexts& t, int defaultGrade) {
  SearchSpace space;
  const std::string every = ascii::upper(t.laminations);
  if (t.laminations == kEveryLamination || every == "ALL") {
    for (const core::StandardEiRow& row : core::standardLaminations())
      space.laminations.push_back(row.length);
  } else {
    for (const std::string& item : items(t.laminations)) {
      std::optional<double> length = laminationNamed(item);
      if (!length) return Failure{"铁芯规格“" + item + "”不是标准EI铁芯"};
      space.laminations.push_back(*length);
    }
  }

  if (t.grades.find_first_not_of(" \t") == std::string::npos) {
    space.grades = {defaultGrade};
  } else {
    for (const std::string& item : items(t.grades)) {
      std::optional<int> grade = gradeNamed(item);
      if (!grade) return Failure{"材质“" + item + "”不是铁芯窗体的矽钢片材质"};
      space.grades.push_back(*grade);
    }
  }

  space.stackRule = t.stackInMillimetres ? StackRule::Millimetres : StackRule::TongueRatio;
  Outcome<Steps> stack = steps(t.stackMin, t.stackMax, t.stackStep, "叠厚");
  if (!stack) return Failure{stack.reason()};
  space.stack = stack.value();

  // an empty maximum: up to each grade's rated flux density
  const bool rated = t.fluxMax.find_first_not_of(" \t") == std::string::npos;
  Outcome<Steps> flux = steps(t.fluxMin, rated ? t.fluxMin : t.fluxMax, t.fluxStep, "磁通密度");
  if (!flux) return Failure{flux.reason()};
  space.fluxMin = flux.value().min;
  if (!rated) space.fluxMax = flux.value().max;
  space.fluxStep = flux.value().step;

  Outcome<Steps> density = steps(t.densityMin, t.densityMax, t.densityStep, "电流密度");
  if (!density) return Failure{density.reason()};
  space.density = density.value();
  Outcome<double> ratio = number(t.densityRatio, "次级/初级电流密度比");
  if (!ratio) return Failure{ratio.reason()};
  if (ratio.value() <= 0) return Failure{"次级/初级电流密度比必须大于0"};
  space.densityRatio = ratio.value();

  space.bobbins.clear();
  if (t.singleSlot) space.bobbins.push_back(kSingleSlot);
  if (t.doubleSlot) space.bobbins.push_back(kDoubleSlot);
  if (t.drawer) space.bobbins.push_back(kDrawer);
  if (space.bobbins.empty()) return Failure{"没有选择骨架类型"};
  space.objective = t.objective;
  return space;
}

}  // namespace corvane::search
