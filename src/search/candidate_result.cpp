#include "search/candidate_result.h"

#include "model/value.h"
#include "winding/run_verdicts.h"

namespace corvane::search {

namespace {

bool digit(char c) {
  return c >= '0' && c <= '9';
}

// The verdict of a run: "" when it ended with its safe message, otherwise
// the message it ended with.
std::string runFailure(const std::vector<std::string>& messages, const char* safe,
                       const char* run) {
  if (messages.empty()) return std::string(run) + "没有给出结论";
  if (messages.back() == safe) return {};
  return messages.back();
}

// The figure of the result a print step reads, without its unit.
struct FigureReading {
  Reading reading;
  std::string CandidateResult::*figure;
};
constexpr FigureReading kFigureReadings[] = {
    {Reading::CoreWeight, &CandidateResult::coreWeight},
    {Reading::CopperWeight, &CandidateResult::copperWeight},
    {Reading::LoadRise, &CandidateResult::loadRise},
    {Reading::EnclosedRise, &CandidateResult::enclosedRise},
    {Reading::TotalLoss, &CandidateResult::totalLoss},
    {Reading::NoLoadRise, &CandidateResult::noLoadRise},
    {Reading::Cost, &CandidateResult::cost},
};

// nullptr for a reading that is no figure of the result
std::string CandidateResult::*figureRead(Reading reading) {
  for (const FigureReading& entry : kFigureReadings)
    if (entry.reading == reading) return entry.figure;
  return nullptr;
}

}  // namespace

double CandidateResult::loadRiseValue() const {
  return Val(loadRise);
}
double CandidateResult::lossValue() const {
  return Val(totalLoss);
}
double CandidateResult::costValue() const {
  return Val(cost);
}
double CandidateResult::weightValue() const {
  return Val(coreWeight) + Val(copperWeight) * 1000;  // the copper total is in kg
}

std::string numberPart(const std::string& text) {
  size_t at = text.find_first_not_of(" \t");
  if (at == std::string::npos) return {};
  const size_t start = at;
  if (text[at] == '+' || text[at] == '-') ++at;
  size_t digits = 0;
  while (at < text.size() && digit(text[at])) ++at, ++digits;
  if (at < text.size() && text[at] == '.') {
    ++at;
    while (at < text.size() && digit(text[at])) ++at, ++digits;
  }
  if (digits == 0) return {};
  // an exponent only when digits follow it
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (exponent < text.size() && digit(text[exponent])) {
      at = exponent;
      while (at < text.size() && digit(text[at])) ++at;
    }
  }
  return text.substr(start, at - start);
}

void judge(CandidateResult& result, const std::vector<ReplayStep>& steps,
           const std::string& incomplete, const std::vector<std::string>& loadMessages,
           const std::vector<std::string>& noLoadMessages, const std::vector<int>& slotOfRow) {
  double depth = 0;
  std::vector<double> builds;
  size_t printedAt = 0;
  for (const ReplayStep& step : steps) {
    if (step.verb != Verb::Print) continue;
    const std::string text =
        printedAt < result.printed.size() ? result.printed[printedAt] : std::string();
    ++printedAt;
    if (step.reading == Reading::SlotDepth)
      depth = Val(text);
    else if (step.reading == Reading::RowBuild)
      builds.push_back(Val(text));
    else if (std::string CandidateResult::*figure = figureRead(step.reading))
      result.*figure = numberPart(text);
  }

  // the fill of each slot: the builds of its rows over the slot depth
  double fills[2] = {0, 0};
  for (size_t row = 0; row < builds.size() && row < slotOfRow.size(); ++row)
    fills[slotOfRow[row] == 2 ? 1 : 0] += builds[row];
  const int fuller = fills[1] > fills[0] ? 1 : 0;
  std::string overfull;
  if (depth > 0) {
    result.fill = formatFixed(fills[fuller] / depth, 2);
    if (Val(result.fill) > 1)
      overfull = "绕组装不下：槽" + std::to_string(fuller + 1) + "的填充率为" + result.fill;
  } else {
    overfull = "骨架槽厚为0，绕组装不下";
  }

  // a pass that stopped leaves figures of rows it never finished: no figure
  // of such a design is shown as if it were one
  if (!incomplete.empty())
    for (std::string* figure :
         {&result.loadRise, &result.enclosedRise, &result.noLoadRise, &result.totalLoss,
          &result.coreWeight, &result.copperWeight, &result.fill, &result.cost})
      figure->clear();

  std::string reason = incomplete;
  if (reason.empty()) reason = runFailure(loadMessages, winding::kLoadSafe, "负载运行");
  if (reason.empty()) reason = runFailure(noLoadMessages, winding::kNoLoadSafe, "空载运行");
  if (reason.empty()) reason = overfull;
  result.feasible = reason.empty();
  result.reason = reason;
}

}  // namespace corvane::search
