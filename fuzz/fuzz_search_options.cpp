// Fuzzes the two readers of a search space: the command line of
// corvane-search (the input's lines are its arguments) and the
// automatic-design form's fields (the same lines are the field texts, in
// the order of SpaceTexts). Each ends in options or a space, or in a reason;
// a space that reads is counted without being walked.
#include <cstdint>
#include <string>
#include <vector>

#include "core/lamination_catalogue.h"
#include "search/search_options.h"
#include "search/space_texts.h"

namespace {

void require(bool condition) {
  if (!condition) __builtin_trap();
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  size_t from = 0;
  while (from <= text.size()) {
    size_t end = text.find('\n', from);
    if (end == std::string::npos) end = text.size();
    out.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  return out;
}

void countOf(const corvane::search::SearchSpace& space) {
  corvane::Outcome<long> count = corvane::search::countCandidates(space);
  require(count ? count.value() > 0 && count.value() <= corvane::search::kMostCandidates
                : !count.reason().empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvane::search;
  const std::vector<std::string> arguments =
      lines(std::string(reinterpret_cast<const char*>(data), size));

  corvane::Outcome<SearchOptions> options = parseSearchOptions(arguments);
  if (options) {
    SearchSpace space = options.value().space;
    space.laminations = options.value().laminations.value_or(std::vector<double>{48});
    space.grades = options.value().grades.value_or(std::vector<int>{0});
    countOf(space);
  } else {
    require(!options.reason().empty());
  }

  std::vector<std::string> f = arguments;
  f.resize(13);
  SpaceTexts texts{f[0], f[1], !f[2].empty(), f[3],  f[4],  f[5], f[6],
                   f[7], f[8], f[9],          f[10], f[11], f[12]};
  corvane::Outcome<SearchSpace> space = spaceFromTexts(texts, 0);
  if (space)
    countOf(space.value());
  else
    require(!space.reason().empty());
  return 0;
}
