// The command line of corvane-search: every option read, and the reason,
// naming the option, for the first one that is wrong.
#include "search/search_options.h"

#include <gtest/gtest.h>

namespace corvane::search {
namespace {

Outcome<SearchOptions> parse(std::vector<std::string> arguments) {
  return parseSearchOptions(arguments);
}

TEST(SearchOptions, EveryOptionShapesTheSearch) {
  SearchOptions o = parse({"d.cvd",
                           "--laminations",
                           "EI48,ei57,76.2",
                           "--stack",
                           "20:40:5",
                           "--grades",
                           "50H800,S12",
                           "--flux",
                           "1.2:1.5:0.1",
                           "--density=3:4:0.5",
                           "--density-ratio",
                           "0.8",
                           "--bobbins",
                           "drawer,single",
                           "--objective",
                           "weight",
                           "--top",
                           "10",
                           "--all",
                           "--jobs",
                           "3",
                           "--csv",
                           "out.csv"})
                        .value();
  EXPECT_EQ(o.design, "d.cvd");
  EXPECT_EQ(*o.laminations, (std::vector<double>{48, 57, 76.2}));
  EXPECT_EQ(o.space.stackRule, StackRule::Millimetres);
  EXPECT_EQ(o.space.stack.max, 40);
  EXPECT_EQ(*o.grades, (std::vector<int>{*gradeNamed("50H800"), *gradeNamed("H12")}));
  EXPECT_EQ(o.space.fluxMin, 1.2);
  EXPECT_EQ(*o.space.fluxMax, 1.5);
  EXPECT_EQ(o.space.density.step, 0.5);
  EXPECT_EQ(o.space.densityRatio, 0.8);
  EXPECT_EQ(o.space.bobbins, (std::vector<int>{kDrawer, kSingleSlot}));
  EXPECT_EQ(o.space.objective, Objective::Weight);
  EXPECT_EQ(*o.top, 10u);
  EXPECT_TRUE(o.all);
  EXPECT_EQ(o.jobs, 3);
  EXPECT_EQ(*o.csv, "out.csv");
  EXPECT_FALSE(o.replay);

  SearchOptions defaults = parse({"d.CVN"}).value();
  EXPECT_FALSE(defaults.laminations);
  EXPECT_FALSE(defaults.grades);
  EXPECT_EQ(defaults.space.stackRule, StackRule::TongueRatio);
  EXPECT_EQ(defaults.jobs, 0);
  EXPECT_EQ(parse({"--laminations", "all", "d"}).value().laminations->size(), 42u);
  EXPECT_EQ(*parse({"d", "--replay", "17"}).value().replay, 17);
  EXPECT_EQ(parse({"--", "--odd-name.cvd"}).value().design, "--odd-name.cvd");
}

TEST(SearchOptions, AWrongOptionIsNamedWithWhatIsWrong) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "no design file given"},
      {{"a.cvd", "b.cvd"}, "one design file only: \"a.cvd\" and \"b.cvd\""},
      {{"d", "--bogus"}, "unknown option --bogus"},
      {{"d", "--flux"}, "--flux needs a value"},
      {{"d", "--flux", "1:2"}, "--flux: \"1:2\" is not MIN:MAX:STEP"},
      {{"d", "--flux", "1:2:x"}, "--flux: \"1:2:x\" is not MIN:MAX:STEP"},
      {{"d", "--flux", "2:1:0.1"}, "--flux: the minimum is above the maximum"},
      {{"d", "--density", "2:5:0"}, "--density: the step must be above 0"},
      {{"d", "--stack-ratio", "0:2:0.5"}, "--stack-ratio: the values must be above 0"},
      {{"d", "--stack", "20:30:5", "--stack-ratio", "1:2:1"},
       "--stack-ratio: --stack and --stack-ratio exclude each other"},
      {{"d", "--laminations", "EI48,EI49"},
       "--laminations: \"EI49\" is not a standard EI lamination"},
      {{"d", "--grades", "M19"}, "--grades: \"M19\" is not a steel grade of the core form"},
      {{"d", "--bobbins", "single,triple"},
       "--bobbins: \"triple\" is not single, double or drawer"},
      {{"d", "--objective", "price"}, "--objective: \"price\" is not cost, loss or weight"},
      {{"d", "--top", "0"}, "--top: \"0\" is not a whole number from 1 to 200000"},
      {{"d", "--jobs", "2.5"}, "--jobs: \"2.5\" is not a whole number from 1 to 256"},
      {{"d", "--replay", "-3"}, "--replay: \"-3\" is not a whole number from 1 to 200000"},
      {{"d", "--density-ratio", "0"}, "--density-ratio: \"0\" is not a number above 0"},
      {{"d", "--csv="}, "--csv: the file name is empty"},
      {{"d", "--top", "1e999"}, "--top: \"1e999\" is not a whole number from 1 to 200000"},
  };
  for (const auto& [arguments, reason] : cases) EXPECT_EQ(parse(arguments).reason(), reason);
}

TEST(SearchOptions, LaminationsAndGradesAreKnownByEveryName) {
  EXPECT_EQ(laminationNamed("EI-48"), 48);
  EXPECT_EQ(laminationNamed("ei76.2"), 76.2);
  EXPECT_EQ(laminationNamed("218"), 218);
  EXPECT_FALSE(laminationNamed("EI76"));
  EXPECT_FALSE(laminationNamed("EI 48"));
  EXPECT_FALSE(laminationNamed("EI48mm"));
  EXPECT_FALSE(laminationNamed(""));
  EXPECT_EQ(gradeNamed("50h800"), gradeNamed("50RM800"));
  EXPECT_EQ(gradeNamed("g10"), gradeNamed("Z10"));
  EXPECT_FALSE(gradeNamed("50H8000"));
}

}  // namespace
}  // namespace corvane::search
