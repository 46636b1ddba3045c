// What the search form's progress bar says while a search runs and after it:
// the candidates done of all, the feasible ones, the lowest cost price so
// far and the time left, phrases and figures apart so that the English
// interface can say them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace corvane::search {

enum class SearchState { Running, Stopped, Finished };

struct SearchProgress {
  SearchState state = SearchState::Running;
  std::size_t done = 0, total = 0, feasible = 0;
  std::optional<double> cheapest;     // yuan; none while nothing is feasible
  std::optional<double> secondsLeft;  // while running; none while it is estimated
};

// "已完成：12/300，可行方案：3，最低成本价：12.30 元，剩余约 1:05"
std::string progressText(const SearchProgress& progress);
// "尚未搜索": before the first search.
std::string notSearchedText();

// Every kind of text the bar can say, with sample figures.
std::vector<std::string> progressSamples();

}  // namespace corvane::search
