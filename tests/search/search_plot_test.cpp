// The plot of cost price against load rise: which candidates it shows and
// where, the front joining the feasible ones no other beats, the selected
// row marked, and axis steps a designer reads at a glance.
#include "search/search_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "search/ranking.h"

namespace corvane::search {
namespace {

struct Box {
  double x, y;  // centre
  Rgb color;
};
struct Segment {
  double x1, y1, x2, y2;
};

// What the plot drew, in the picture's scale.
class RecordingDrawing : public Drawing {
 public:
  void setScale(double x1, double y1, double x2, double y2) override {
    width = x2 - x1;
    height = y2 - y1;
  }
  void line(double x1, double y1, double x2, double y2, Rgb) override {
    lines.push_back({x1, y1, x2, y2});
  }
  void circle(double cx, double cy, double, Rgb, std::optional<ArcAngles>) override {
    circles.push_back({cx, cy, {}});
  }
  void filledBox(double x1, double y1, double x2, double y2, Rgb color) override {
    boxes.push_back({(x1 + x2) / 2, (y1 + y2) / 2, color});
  }
  void text(double, double, const std::string& t, Rgb) override { texts.push_back(t); }
  void setForeColor(Rgb) override {}
  void setBackColor(Rgb) override {}
  void clear() override { *this = RecordingDrawing(); }

  double width = 0, height = 0;
  std::vector<Segment> lines;
  std::vector<Box> circles;
  std::vector<Box> boxes;
  std::vector<std::string> texts;
};

CandidateResult run(int id, const char* cost, const char* rise, bool feasible) {
  CandidateResult r;
  r.candidate.id = id;
  r.cost = cost;
  r.loadRise = rise;
  r.totalLoss = "10";
  r.feasible = feasible;
  return r;
}

// The candidate dots, past the two of the legend.
std::vector<Box> dots(const RecordingDrawing& d) {
  return {d.boxes.begin() + 2, d.boxes.end()};
}

bool inside(const RecordingDrawing& d, double x, double y) {
  return std::isfinite(x) && std::isfinite(y) && x >= 0 && x <= d.width && y >= 0 && y <= d.height;
}

TEST(SearchPlot, EveryCandidateRunIsADotAndTheFrontJoinsTheBestOnes) {
  std::vector<CandidateResult> results{
      run(1, "17.10", "57.5", true),  run(2, "20.00", "40.0", true),
      run(3, "19.00", "60.0", true),  // dearer and hotter than 1: off the front
      run(4, "15.00", "70.0", false), run(5, "", "", false),  // the pass stopped: no figures
  };
  CandidateResult skipped = run(6, "", "", false);
  skipped.skipped = true;
  results.push_back(skipped);
  RecordingDrawing d;
  const std::vector<const CandidateResult*> front = paretoFront(ranked(results, Objective::Cost));
  drawSearchPlot(d, results, front, &results[1]);

  const std::vector<Box> shown = dots(d);
  ASSERT_EQ(shown.size(), 4u);
  for (const Box& dot : shown) EXPECT_TRUE(inside(d, dot.x, dot.y));
  // the infeasible one first, under the feasible; cheaper lies left, hotter
  // higher up (the picture's y runs down)
  const Box& infeasible = shown[0];
  const Box& cheapest = shown[1];
  const Box& coolest = shown[2];
  EXPECT_FALSE(infeasible.color == cheapest.color);
  EXPECT_TRUE(cheapest.color == coolest.color);
  EXPECT_LT(infeasible.x, cheapest.x);
  EXPECT_LT(cheapest.x, coolest.x);
  EXPECT_LT(infeasible.y, cheapest.y);
  EXPECT_LT(cheapest.y, coolest.y);
  // the front runs from the cheapest to the coolest feasible design, past
  // the one that is dearer and hotter than the cheapest
  auto at = [](double a, double b) { return std::abs(a - b) < 1e-9; };
  bool joined = false;
  for (const Segment& s : d.lines)
    joined = joined || (at(s.x1, cheapest.x) && at(s.y1, cheapest.y) && at(s.x2, coolest.x) &&
                        at(s.y2, coolest.y));
  EXPECT_TRUE(joined);
  // the selected row circled where its dot is
  ASSERT_FALSE(d.circles.empty());
  for (const Box& mark : d.circles) {
    EXPECT_TRUE(at(mark.x, coolest.x));
    EXPECT_TRUE(at(mark.y, coolest.y));
  }
}

// One candidate alone, or all at one cost and rise: a range of no width
// still gives points inside the plot, never at an undefined place.
TEST(SearchPlot, ASingleValueStillFindsItsPlace) {
  for (const std::vector<CandidateResult>& results :
       {std::vector<CandidateResult>{run(1, "17.10", "57.5", true)},
        std::vector<CandidateResult>{run(1, "17.10", "57.5", true),
                                     run(2, "17.10", "57.5", false)}}) {
    RecordingDrawing d;
    drawSearchPlot(d, results, paretoFront(ranked(results, Objective::Cost)), &results[0]);
    const std::vector<Box> shown = dots(d);
    ASSERT_EQ(shown.size(), results.size());
    for (const Box& dot : shown) EXPECT_TRUE(inside(d, dot.x, dot.y));
    for (const Segment& s : d.lines) EXPECT_TRUE(inside(d, s.x1, s.y1) && inside(d, s.x2, s.y2));
  }
}

// Figures typed with a run of zeros too many, or beyond what a number holds:
// the plot still ends with a few marks and every dot inside it (a step below
// the resolution of 4e299 once kept the marks' loop running for ever).
TEST(SearchPlot, HugeFiguresStillGiveAFewMarks) {
  const std::string huge = "4" + std::string(299, '0');
  for (const std::vector<CandidateResult>& results :
       {std::vector<CandidateResult>{run(1, huge.c_str(), "57.5", true)},
        std::vector<CandidateResult>{run(1, "17.10", huge.c_str(), true),
                                     run(2, "17.10", "1e-320", false)},
        std::vector<CandidateResult>{run(1, "4e299", "57.5", true),
                                     run(2, "4.00000001e299", "57.5", true)},
        std::vector<CandidateResult>{run(1, "17.10", "57.5", true),
                                     run(2, "1e999", "57.5", true)}}) {
    RecordingDrawing d;
    drawSearchPlot(d, results, paretoFront(ranked(results, Objective::Cost)), nullptr);
    EXPECT_LE(d.lines.size(), 60u);
    for (const Box& dot : dots(d)) EXPECT_TRUE(inside(d, dot.x, dot.y));
    for (const Segment& s : d.lines) EXPECT_TRUE(inside(d, s.x1, s.y1) && inside(d, s.x2, s.y2));
  }
}

TEST(SearchPlot, NothingRunSaysSoAndMarksNothing) {
  CandidateResult skipped = run(1, "", "", false);
  skipped.skipped = true;
  RecordingDrawing d;
  drawSearchPlot(d, {skipped}, {}, nullptr);
  EXPECT_TRUE(dots(d).empty());
  EXPECT_TRUE(d.circles.empty());
  EXPECT_NE(std::find(d.texts.begin(), d.texts.end(), "尚无结果"), d.texts.end());
}

// Marks at 1, 2 or 5 times a power of ten, about as many as asked: a span of
// 40 yuan in steps of 10, of 0.3 in steps of 0.1; a span of nothing or a
// wrong count gives a step that still ends the loop over the marks.
TEST(SearchPlot, AxisStepsAreRoundAndFew) {
  EXPECT_EQ(axisStep(40, 5), 10);
  EXPECT_EQ(axisStep(830, 5), 200);
  EXPECT_DOUBLE_EQ(axisStep(0.3, 5), 0.1);
  EXPECT_EQ(axisStep(1e6, 5), 200000);
  for (double span : {0.0, -3.0, std::nan("")}) EXPECT_EQ(axisStep(span, 5), 1) << span;
  EXPECT_EQ(axisStep(40, 0), 1);
  for (double span : {0.7, 7.0, 13.0, 47.0, 99.0, 480.0}) {
    const double step = axisStep(span, 5);
    EXPECT_LE(span / step, 5) << span;
    EXPECT_GT(span / step, 1) << span;
  }
}

}  // namespace
}  // namespace corvane::search
