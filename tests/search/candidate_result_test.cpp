// Judging a candidate from what its forms showed: the units taken off the
// figures, the fill of each slot, and which failure is named first.
#include "search/candidate_result.h"

#include <gtest/gtest.h>

#include "support/case_table.h"
#include "winding/run_verdicts.h"

namespace corvane::search {
namespace {

TEST(CandidateFigures, TheNumberPartLeavesTheUnitBehind) {
  testing::expectEachText(numberPart, {{"83.5℃", "83.5"},
                                       {"12.344W", "12.344"},
                                       {" 345.6g", "345.6"},
                                       {"-0.5", "-0.5"},
                                       {"1E-05W", "1E-05"},
                                       {"2E", "2"},  // an exponent needs its digits
                                       {".5", ".5"},
                                       {"", ""},
                                       {"℃", ""},
                                       {"-.", ""}});
}

// What a replay of a one-primary, one-secondary design prints, in order.
struct Printed {
  std::string depth = "6";
  std::string builds[2] = {"2.5", "2.9"};
  std::vector<std::string> texts() const {
    return {depth,   builds[0], builds[1], "345.6g", "0.125",
            "70.1℃", "99.1℃",   "12.3W",   "10.2℃",  "16.50"};
  }
};

std::vector<ReplayStep> steps() {
  Candidate any;
  ReplayContext context;
  context.highestRow = 1;
  return replaySteps(any, context);
}

CandidateResult judged(const Printed& printed, const std::vector<int>& slots,
                       const std::string& incomplete = {},
                       std::vector<std::string> load = {winding::kLoadSafe},
                       std::vector<std::string> noLoad = {winding::kNoLoadSafe}) {
  CandidateResult r;
  r.printed = printed.texts();
  judge(r, steps(), incomplete, load, noLoad, slots);
  return r;
}

TEST(CandidateFigures, FiguresComeFromThePrintsWithoutUnits) {
  const CandidateResult r = judged(Printed{}, {1, 1});
  EXPECT_TRUE(r.feasible);
  EXPECT_EQ(r.reason, "");
  EXPECT_EQ(r.coreWeight, "345.6");
  EXPECT_EQ(r.copperWeight, "0.125");
  EXPECT_EQ(r.loadRise, "70.1");
  EXPECT_EQ(r.enclosedRise, "99.1");
  EXPECT_EQ(r.totalLoss, "12.3");
  EXPECT_EQ(r.noLoadRise, "10.2");
  EXPECT_EQ(r.cost, "16.50");
  EXPECT_EQ(r.fill, "0.90");  // (2.5 + 2.9) / 6
  EXPECT_DOUBLE_EQ(r.weightValue(), 470.6);
}

TEST(CandidateFigures, EachSlotIsFilledByItsOwnRows) {
  Printed p;
  p.builds[0] = "5.9";
  p.builds[1] = "6.1";
  // two slots: the secondary alone overfills slot 2
  CandidateResult r = judged(p, {1, 2});
  EXPECT_FALSE(r.feasible);
  EXPECT_EQ(r.fill, "1.02");
  EXPECT_EQ(r.reason, "绕组装不下：槽2的填充率为1.02");
  // a fill that shows as 1.00 fits
  p.builds[1] = "6.02";
  EXPECT_TRUE(judged(p, {1, 2}).feasible);
  p.depth = "0";
  r = judged(p, {1, 2});
  EXPECT_EQ(r.fill, "");
  EXPECT_EQ(r.reason, "骨架槽厚为0，绕组装不下");
}

TEST(CandidateFigures, TheFirstFailureIsNamed) {
  Printed overfull;
  overfull.builds[0] = "9";
  const std::string danger = "严重警告！该设计方案可能引起严重的事故！！";
  const CandidateResult incomplete =
      judged(overfull, {1, 1}, "结构仿真未完成：绕组N2的层数没有数值", {danger});
  EXPECT_EQ(incomplete.reason, "结构仿真未完成：绕组N2的层数没有数值");
  // what the unfinished rows left is no figure of the design
  EXPECT_EQ(incomplete.cost, "");
  EXPECT_EQ(incomplete.loadRise, "");
  EXPECT_EQ(incomplete.fill, "");
  EXPECT_EQ(judged(overfull, {1, 1}, "", {danger}).reason, danger);
  EXPECT_EQ(
      judged(overfull, {1, 1}, "", {winding::kLoadSafe}, {winding::kNoLoadOverheating}).reason,
      winding::kNoLoadOverheating);
  EXPECT_EQ(judged(overfull, {1, 1}).reason, "绕组装不下：槽1的填充率为1.98");
  // a run that shows no verdict, or a warning after it, is no safe run
  EXPECT_EQ(judged(Printed{}, {1, 1}, "", {}).reason, "负载运行没有给出结论");
  EXPECT_EQ(judged(Printed{}, {1, 1}, "", {winding::kLoadSafe, "设计不完整：铁芯"}).reason,
            "设计不完整：铁芯");
}

}  // namespace
}  // namespace corvane::search
