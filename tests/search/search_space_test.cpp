// The search space: its ranges, the stacks and flux densities each lamination
// and grade is tried at, and the numbering of the candidates.
#include "search/search_space.h"

#include <gtest/gtest.h>

#include <set>

#include "core/lamination_catalogue.h"
#include "search/search_options.h"
#include "search/space_texts.h"

namespace corvane::search {
namespace {

TEST(SearchRanges, StepsReachTheMaximumWithoutBinaryError) {
  // 0.05 added twelve times falls short of 1.6 in binary: the maximum still counts
  const std::vector<double> flux = stepValues({1.0, 1.6, 0.05}).value();
  ASSERT_EQ(flux.size(), 13u);
  EXPECT_EQ(flux[3], 1.15);
  EXPECT_EQ(flux.back(), 1.6);
  // a maximum between two steps is not reached
  EXPECT_EQ(stepValues({2, 5.2, 0.5}).value().back(), 5);
  EXPECT_EQ(stepValues({3, 3, 1}).value(), std::vector<double>{3});
}

TEST(SearchRanges, NoRangeAndTooManyValuesAreRefusedWithTheirReason) {
  EXPECT_EQ(stepValues({1, 2, 0}).reason(), "步长必须大于0");
  EXPECT_EQ(stepValues({1, 2, -0.1}).reason(), "步长必须大于0");
  EXPECT_EQ(stepValues({2, 1, 0.1}).reason(), "最小值大于最大值");
  EXPECT_EQ(stepValues({1, 1e300, 1e-300}).reason(), "取值太多");
  EXPECT_FALSE(stepValues({1, 2, 1e-9}));
}

TEST(SearchRanges, TongueRatioStacksAreWholeMillimetresEachOnce) {
  SearchSpace space;  // a to 2a in quarters
  // EI14 (a 3.5): 3.5, 4.375, 5.25, 6.125, 7 round to 4, 4, 5, 6, 7
  EXPECT_EQ(stacksFor(space, 3.5).value(), (std::vector<double>{4, 5, 6, 7}));
  // EI48 (a 16): five stacks from 16 to 32
  EXPECT_EQ(stacksFor(space, 16).value(), (std::vector<double>{16, 20, 24, 28, 32}));
  space.stackRule = StackRule::Millimetres;
  space.stack = {20, 30, 2.5};
  EXPECT_EQ(stacksFor(space, 16).value(), (std::vector<double>{20, 22.5, 25, 27.5, 30}));
}

TEST(SearchRanges, FluxRunsUpToEachGradesRatingUnlessAMaximumIsGiven) {
  SearchSpace space;
  const int h12 = *gradeNamed("H12");      // rated 1.6 T
  const int h800 = *gradeNamed("50H800");  // rated 1.68 T
  EXPECT_EQ(fluxesFor(space, h12).value().size(), 13u);
  EXPECT_EQ(fluxesFor(space, h800).value().back(), 1.65);
  space.fluxMax = 1.2;
  EXPECT_EQ(fluxesFor(space, h800).value().back(), 1.2);
  space.fluxMin = 1.7;
  space.fluxMax.reset();
  EXPECT_EQ(fluxesFor(space, h12).reason(), "磁通密度最小值大于最大值");
}

TEST(SearchCandidates, NumbersRunInWalkOrderAndAgreeWithTheCount) {
  SearchSpace space;
  space.laminations = {14, 48};
  space.grades = {*gradeNamed("H12"), *gradeNamed("Z10")};
  space.bobbins = {kSingleSlot, kDrawer};
  const std::vector<Candidate> candidates = enumerateCandidates(space).value();
  EXPECT_EQ(static_cast<long>(candidates.size()), countCandidates(space).value());
  // 4 + 5 stacks, 13 + 16 flux densities (1.77 T for Z10), 7 densities, 2 bobbins
  EXPECT_EQ(candidates.size(), 9u * 29 * 7 * 2);
  for (size_t i = 0; i < candidates.size(); ++i) EXPECT_EQ(candidates[i].id, int(i + 1));
  const Candidate& first = candidates.front();
  EXPECT_EQ(first.laminationText(), "14");
  EXPECT_EQ(first.stackText(), "4");
  EXPECT_EQ(first.fluxText(), "1.00");
  EXPECT_EQ(first.densityText(), "2");
  EXPECT_EQ(first.bobbin, kSingleSlot);
  EXPECT_EQ(candidates[1].bobbin, kDrawer);
  EXPECT_EQ(candidates.back().laminationText(), "48");
  EXPECT_EQ(candidates.back().gradeName(), "Z10");
  EXPECT_EQ(candidates.back().fluxText(), "1.75");
}

TEST(SearchCandidates, TextsKeepTheDigitsTheStepAsksFor) {
  Candidate c{.lamination = 76.2,
              .stack = 22.5,
              .flux = 1.025,
              .density = 2.5,
              .secondaryDensity = 2.5 * 1.1};
  EXPECT_EQ(c.laminationText(), "76.2");
  EXPECT_EQ(c.stackText(), "22.5");
  EXPECT_EQ(c.fluxText(), "1.025");
  EXPECT_EQ(c.secondaryDensityText(), "2.75");
}

TEST(SearchCandidates, SpacesNoSearchShouldTakeOnAreRefused) {
  SearchSpace space;
  space.grades = {0};
  EXPECT_EQ(countCandidates(space).reason(), "没有选择铁芯规格");
  space.laminations = {49};
  EXPECT_EQ(countCandidates(space).reason(), "铁芯EI49不在标准铁芯表中");
  space.laminations = {48};
  space.bobbins.clear();
  EXPECT_EQ(countCandidates(space).reason(), "没有选择骨架类型");
  space.bobbins = {kSingleSlot};
  space.densityRatio = 0;
  EXPECT_FALSE(countCandidates(space));
  space.densityRatio = 1;
  space.fluxStep = 1e-6;  // a slip: a million flux densities
  EXPECT_FALSE(enumerateCandidates(space));
  for (const core::StandardEiRow& row : core::standardLaminations())
    space.laminations.push_back(row.length);
  space.fluxStep = 0.001;
  EXPECT_EQ(countCandidates(space).reason(), "候选方案超过200000个，请缩小搜索范围");
}

TEST(SearchFields, TheFormsTextsReadIntoTheSpaceOrNameTheFieldThatDoesNot) {
  // the texts as the form shows them at first: stack 1 to 2 a by 0.25, Bm from
  // 1.00 T by 0.05, J 2 to 5 A/mm² by 0.5, every bobbin but the drawer
  SpaceTexts t;
  t.laminations = "EI48， ei-57 ,76.2";
  t.densityRatio = "1.2";
  const int z10 = *gradeNamed("Z10");
  SearchSpace space = spaceFromTexts(t, z10).value();
  EXPECT_EQ(space.laminations, (std::vector<double>{48, 57, 76.2}));
  EXPECT_EQ(space.grades, std::vector<int>{z10});  // empty: the core form's grade
  EXPECT_FALSE(space.fluxMax.has_value());         // empty: each grade's rating
  EXPECT_EQ(space.densityRatio, 1.2);
  EXPECT_EQ(space.bobbins, (std::vector<int>{kSingleSlot, kDoubleSlot}));

  t.laminations = "全部";
  EXPECT_EQ(spaceFromTexts(t, 0).value().laminations.size(), core::standardLaminations().size());
  t.grades = "50a800, rm12";  // any maker's name
  EXPECT_EQ(spaceFromTexts(t, 0).value().grades,
            (std::vector<int>{*gradeNamed("50H800"), *gradeNamed("H12")}));

  // each fault alone, in texts that are otherwise good, names its field
  struct Refusal {
    std::string SpaceTexts::*field;
    const char* text;
    const char* reason;
  };
  for (const Refusal& refusal : {
           Refusal{&SpaceTexts::grades, "50H801", "材质“50H801”不是铁芯窗体的矽钢片材质"},
           Refusal{&SpaceTexts::laminations, "EI48,", "铁芯规格“”不是标准EI铁芯"},
           Refusal{&SpaceTexts::stackStep, "x", "叠厚的步长没有数值"},
           Refusal{&SpaceTexts::densityMin, "0", "电流密度的最小值必须大于0"},
       }) {
    SpaceTexts bad = t;
    bad.*refusal.field = refusal.text;
    EXPECT_EQ(spaceFromTexts(bad, 0).reason(), refusal.reason) << refusal.text;
  }
  t.singleSlot = t.doubleSlot = false;
  EXPECT_EQ(spaceFromTexts(t, 0).reason(), "没有选择骨架类型");
}

}  // namespace
}  // namespace corvane::search
