#include "search/search_progress.h"

#include <algorithm>
#include <cmath>

#include "model/value.h"

namespace corvane::search {

namespace {

// "1:05" for 65 s; hours when it takes that long.
std::string duration(double seconds) {
  const long total = std::lround(std::max(0.0, seconds));
  const long hours = total / 3600, minutes = total / 60 % 60, rest = total % 60;
  std::string text = hours > 0 ? std::to_string(hours) + ":" : "";
  text += (hours > 0 && minutes < 10 ? "0" : "") + std::to_string(minutes) + ":";
  return text + (rest < 10 ? "0" : "") + std::to_string(rest);
}

const char* stateText(SearchState state) {
  switch (state) {
    case SearchState::Running:
      return "已完成：";
    case SearchState::Stopped:
      return "已停止：";
    case SearchState::Finished:
      break;
  }
  return "搜索完成：";
}

}  // namespace

std::string progressText(const SearchProgress& p) {
  std::string text = stateText(p.state) + std::to_string(p.done) + "/" + std::to_string(p.total) +
                     "，可行方案：" + std::to_string(p.feasible);
  text += p.cheapest ? "，最低成本价：" + formatFixed(*p.cheapest, 2) + " 元" : "，尚无可行方案";
  if (p.state == SearchState::Running)
    text += p.secondsLeft ? "，剩余约 " + duration(*p.secondsLeft) : "，正在估计剩余时间";
  return text;
}

std::string notSearchedText() {
  return "尚未搜索";
}

std::vector<std::string> progressSamples() {
  std::vector<std::string> samples{notSearchedText()};
  for (SearchState state : {SearchState::Running, SearchState::Stopped, SearchState::Finished})
    for (bool feasible : {false, true})
      for (bool estimated : {false, true})
        samples.push_back(progressText({state, 120, 300, feasible ? 3u : 0u,
                                        feasible ? std::optional(12.3) : std::nullopt,
                                        estimated ? std::optional(3725.0) : std::nullopt}));
  return samples;
}

}  // namespace corvane::search
