#include "search/search_csv.h"

#include <algorithm>

#include "search/ranking.h"
#include "search/replay.h"

namespace corvane::search {

namespace {

constexpr const char* kColumns[] = {"id",
                                    "rank",
                                    "feasible",
                                    "reason",
                                    "lamination",
                                    "stack_mm",
                                    "grade",
                                    "flux_T",
                                    "density_A_mm2",
                                    "bobbin",
                                    "load_rise_C",
                                    "enclosed_rise_C",
                                    "noload_rise_C",
                                    "total_loss_W",
                                    "core_g",
                                    "copper_kg",
                                    "fill",
                                    "cost_yuan",
                                    "secondary_density_A_mm2"};

std::string field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string line(const std::vector<std::string>& fields) {
  std::string out;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    out += field(fields[i]);
  }
  return out + "\n";
}

}  // namespace

std::vector<std::string> csvColumns() {
  return {std::begin(kColumns), std::end(kColumns)};
}

std::vector<std::string> csvRow(const CandidateResult& r, size_t rank) {
  const Candidate& c = r.candidate;
  return {std::to_string(c.id),
          rank > 0 ? std::to_string(rank) : std::string(),
          r.feasible ? "1" : "0",
          r.reason,
          "EI" + c.laminationText(),
          c.stackText(),
          c.gradeName(),
          c.fluxText(),
          c.densityText(),
          kBobbinWords[c.bobbin],
          r.loadRise,
          r.enclosedRise,
          r.noLoadRise,
          r.totalLoss,
          r.coreWeight,
          r.copperWeight,
          r.fill,
          r.cost,
          c.secondaryDensityText()};
}

std::string searchCsv(const std::vector<CandidateResult>& results, const CsvChoice& choice) {
  std::string out = line(csvColumns());
  std::vector<const CandidateResult*> best = ranked(results, choice.objective);
  if (choice.top && best.size() > *choice.top) best.resize(*choice.top);
  for (size_t i = 0; i < best.size(); ++i) out += line(csvRow(*best[i], i + 1));
  if (!choice.everyCandidate) return out;
  std::vector<const CandidateResult*> others;
  for (const CandidateResult& result : results)
    if (!result.feasible) others.push_back(&result);
  std::sort(others.begin(), others.end(), [](const CandidateResult* a, const CandidateResult* b) {
    return a->candidate.id < b->candidate.id;
  });
  for (const CandidateResult* result : others) out += line(csvRow(*result, 0));
  return out;
}

}  // namespace corvane::search
