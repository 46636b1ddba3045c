// Ranking the feasible designs, their Pareto front, and the table as CSV.
#include "search/ranking.h"

#include <gtest/gtest.h>

#include "search/candidate_result.h"
#include "search/search_csv.h"

namespace corvane::search {
namespace {

CandidateResult result(int id, const char* cost, const char* loss, const char* rise,
                       bool feasible = true) {
  CandidateResult r;
  r.candidate.id = id;
  r.candidate.lamination = 48;
  r.candidate.stack = 30;
  r.candidate.flux = 1.5;
  r.candidate.density = 3;
  r.candidate.secondaryDensity = 3;
  r.cost = cost;
  r.totalLoss = loss;
  r.loadRise = rise;
  r.feasible = feasible;
  if (!feasible) r.reason = "负载运行过热";
  return r;
}

std::vector<int> ids(const std::vector<const CandidateResult*>& results) {
  std::vector<int> out;
  for (const CandidateResult* r : results) out.push_back(r->candidate.id);
  return out;
}

TEST(SearchRanking, TiesGoToTheLowerLossThenTheLowerCost) {
  std::vector<CandidateResult> results = {
      result(1, "20.00", "9", "50"), result(2, "18.00", "12", "55"), result(3, "18.00", "10", "60"),
      result(4, "15.00", "8", "70", false), result(5, "19.00", "10", "52")};
  EXPECT_EQ(ids(ranked(results, Objective::Cost)), (std::vector<int>{3, 2, 5, 1}));
  // equal loss: the cheaper first
  EXPECT_EQ(ids(ranked(results, Objective::Loss)), (std::vector<int>{1, 3, 5, 2}));
  results[0].coreWeight = "300";
  results[0].copperWeight = "0.2";  // kg: 500 g in all
  results[1].coreWeight = "450";
  results[1].copperWeight = "0.06";
  results[2].coreWeight = "400";
  results[2].copperWeight = "0.1";
  results[4].coreWeight = "499";
  results[4].copperWeight = "0.001";
  // 500 g each but the second (510 g): the loss decides, then the cost
  EXPECT_EQ(ids(ranked(results, Objective::Weight)), (std::vector<int>{1, 3, 5, 2}));
}

TEST(SearchRanking, TheFrontHoldsTheDesignsNoOtherBeatsOnCostAndRise) {
  std::vector<CandidateResult> results = {
      result(1, "10.00", "5", "70"), result(2, "12.00", "5", "60"),
      result(3, "12.00", "5", "65"),  // as dear as 2 and hotter
      result(4, "15.00", "5", "62"),  // dearer and hotter than 2
      result(5, "16.00", "5", "40"), result(6, "9.00", "5", "30", false)};
  EXPECT_EQ(ids(paretoFront(ranked(results, Objective::Cost))), (std::vector<int>{1, 2, 5}));
  EXPECT_TRUE(paretoFront({}).empty());
}

TEST(SearchCsv, FeasibleRowsByRankThenEveryOtherByNumber) {
  std::vector<CandidateResult> results = {
      result(3, "20.00", "9", "50", false), result(1, "18.00", "12", "55"),
      result(2, "17.00", "10", "60"), result(4, "16.00", "10", "60", false)};
  results[0].reason = "绕组装不下：槽1的填充率为1.20";
  results[3].skipped = true;
  results[3].reason = "skipped: 槽1的绕组共厚 9.0 mm，槽厚只有 6 mm";
  results[3].cost.clear();
  const std::string header =
      "id,rank,feasible,reason,lamination,stack_mm,grade,flux_T,density_A_mm2,bobbin,load_rise_C,"
      "enclosed_rise_C,noload_rise_C,total_loss_W,core_g,copper_kg,fill,cost_yuan,"
      "secondary_density_A_mm2\n";
  const std::string best = "2,1,1,,EI48,30,H12,1.50,3,single,60,,,10,,,,17.00,3\n";
  const std::string second = "1,2,1,,EI48,30,H12,1.50,3,single,55,,,12,,,,18.00,3\n";
  EXPECT_EQ(searchCsv(results, {}), header + best + second);
  EXPECT_EQ(searchCsv(results, {Objective::Cost, 1, false}), header + best);
  EXPECT_EQ(searchCsv(results, {Objective::Cost, 1, true}),
            header + best +
                "3,,0,绕组装不下：槽1的填充率为1.20,EI48,30,H12,1.50,3,single,50,,,9,,,,20.00,3\n"
                "4,,0,skipped: 槽1的绕组共厚 9.0 mm，槽厚只有 6 mm,EI48,30,H12,1.50,3,single,60,"
                ",,10,,,,,3\n");
  // a reason with a comma or a quote is quoted
  results[0].reason = "a,\"b\"";
  EXPECT_NE(searchCsv(results, {Objective::Cost, {}, true}).find(",\"a,\"\"b\"\"\","),
            std::string::npos);
}

}  // namespace
}  // namespace corvane::search
