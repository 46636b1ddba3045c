#include "search/search_plot.h"

#include <algorithm>
#include <cmath>

#include "model/value.h"

namespace corvane::search {

namespace {

// The picture's own scale: a 1000 × 600 canvas, the plot inside the margins
// that hold the axis marks.
constexpr double kWidth = 1000;
constexpr double kHeight = 600;
constexpr double kLeft = 90;
constexpr double kRight = 945;  // room for the last cost mark, "1000", right of it
constexpr double kTop = 40;
constexpr double kBottom = 530;
constexpr double kDot = 4;  // half the side of a candidate's square
constexpr double kFrontHalfWidth = 1.5;
constexpr int kMarks = 5;

constexpr Rgb kAxis{64, 64, 64};
constexpr Rgb kGrid{225, 225, 225};
constexpr Rgb kFeasible{0, 102, 204};
constexpr Rgb kInfeasible{240, 150, 150};
constexpr Rgb kFront{235, 120, 0};
constexpr Rgb kSelected{230, 0, 0};

struct Range {
  double low = 0;
  double high = 1;
};

// From the smallest to the largest value, widened to whole steps.
Range rangeOf(const std::vector<double>& values) {
  if (values.empty()) return {};
  auto [low, high] = std::minmax_element(values.begin(), values.end());
  double a = *low, b = *high;
  // a range of no width is widened by a step its own size can tell apart
  // from nothing: ±1 near zero, a millionth of the value for a huge one
  const double size = std::max(std::abs(a), std::abs(b));
  if (b - a < 1e-9 * std::max(1.0, size)) {
    const double widening = std::max(1.0, size * 1e-6);
    a -= widening;
    b += widening;
  }
  const double step = axisStep(b - a, kMarks);
  return {std::floor(a / step) * step, std::ceil(b / step) * step};
}

bool plotted(const CandidateResult& result) {
  return !result.skipped && startsWithNumber(result.cost) && startsWithNumber(result.loadRise) &&
         std::isfinite(result.costValue()) && std::isfinite(result.loadRiseValue());
}

// The marks from the low end to the high one in whole steps, counted so that
// no rounding of a sum can leave the loop running (a step below the
// resolution of a huge value adds nothing to it).
std::vector<double> marksAcross(const Range& range, double step) {
  constexpr int kMostSteps = 4 * kMarks;
  const double steps = std::round((range.high - range.low) / step);
  const int count = steps >= 0 && steps <= kMostSteps ? static_cast<int>(steps) : 0;
  std::vector<double> marks;
  double v = range.low;
  for (int k = 0; k <= count; ++k, v += step) marks.push_back(v);
  return marks;
}

}  // namespace

double axisStep(double span, int parts) {
  if (!(span > 0) || parts < 1) return 1;
  const double rough = span / parts;
  const double power = std::pow(10, std::floor(std::log10(rough)));
  for (double factor : {1.0, 2.0, 5.0})
    if (factor * power >= rough) return factor * power;
  return 10 * power;
}

void drawSearchPlot(Drawing& d, const std::vector<CandidateResult>& results,
                    const std::vector<const CandidateResult*>& front,
                    const CandidateResult* selected) {
  d.clear();
  d.setScale(0, 0, kWidth, kHeight);
  std::vector<double> costs, rises;
  for (const CandidateResult& result : results) {
    if (!plotted(result)) continue;
    costs.push_back(result.costValue());
    rises.push_back(result.loadRiseValue());
  }
  const Range x = rangeOf(costs), y = rangeOf(rises);
  auto px = [&](double cost) {
    return kLeft + (cost - x.low) / (x.high - x.low) * (kRight - kLeft);
  };
  auto py = [&](double rise) {
    return kBottom - (rise - y.low) / (y.high - y.low) * (kBottom - kTop);
  };

  // the grid and its marks
  const double xStep = axisStep(x.high - x.low, kMarks), yStep = axisStep(y.high - y.low, kMarks);
  for (double v : marksAcross(x, xStep)) {
    d.line(px(v), kTop, px(v), kBottom, kGrid);
    d.text(px(v) - 15, kBottom + 8, generalFormat(roundHalfAway(v, 6)), kAxis);
  }
  for (double v : marksAcross(y, yStep)) {
    d.line(kLeft, py(v), kRight, py(v), kGrid);
    d.text(8, py(v) - 10, generalFormat(roundHalfAway(v, 6)), kAxis);
  }
  d.line(kLeft, kBottom, kRight, kBottom, kAxis);
  d.line(kLeft, kTop, kLeft, kBottom, kAxis);
  // the titles and the legend with room for their English words
  d.text(kRight - 170, kBottom + 36, "成本价(元)", kAxis);
  d.text(8, 6, "负载温升(℃)", kAxis);
  d.filledBox(300, 12, 308, 20, kFeasible);
  d.text(314, 6, "可行", kAxis);
  d.filledBox(430, 12, 438, 20, kInfeasible);
  d.text(444, 6, "不可行", kAxis);
  for (double offset : {-kFrontHalfWidth, 0.0, kFrontHalfWidth})
    d.line(580, 16 + offset, 610, 16 + offset, kFront);
  d.text(616, 6, "帕累托前沿", kAxis);
  if (costs.empty()) {
    d.text(kLeft + 20, kTop + 20, "尚无结果", kAxis);
    return;
  }

  // the infeasible under the feasible, so the feasible stay in sight
  for (bool feasible : {false, true})
    for (const CandidateResult& result : results)
      if (plotted(result) && result.feasible == feasible)
        d.filledBox(px(result.costValue()) - kDot, py(result.loadRiseValue()) - kDot,
                    px(result.costValue()) + kDot, py(result.loadRiseValue()) + kDot,
                    feasible ? kFeasible : kInfeasible);
  // the front three lines thick, so it shows along the edge of the cloud
  for (double offset : {-kFrontHalfWidth, 0.0, kFrontHalfWidth})
    for (size_t i = 1; i < front.size(); ++i)
      d.line(px(front[i - 1]->costValue()), py(front[i - 1]->loadRiseValue()) + offset,
             px(front[i]->costValue()), py(front[i]->loadRiseValue()) + offset, kFront);
  if (selected && plotted(*selected)) {
    d.circle(px(selected->costValue()), py(selected->loadRiseValue()), 3 * kDot, kSelected);
    d.circle(px(selected->costValue()), py(selected->loadRiseValue()), 3 * kDot + 1, kSelected);
  }
}

}  // namespace corvane::search
