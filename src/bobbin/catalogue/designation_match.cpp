#include "bobbin/catalogue/designation_match.h"

#include "model/ascii.h"

namespace corvane {

namespace {

constexpr char kWildcard = '*';
constexpr char kLikeEscape = '\\';

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string likePatternFor(std::string_view searchText) {
  std::string pattern;
  bool afterWildcard = false;
  for (const char c : trimBlanks(searchText)) {
    if (c == kWildcard) {
      if (!afterWildcard) pattern += '%';  // "**" means what "*" means
      afterWildcard = true;
      continue;
    }
    afterWildcard = false;
    if (c == '%' || c == '_' || c == kLikeEscape) pattern += kLikeEscape;
    pattern += c;
  }
  if (!afterWildcard) pattern += '%';
  return pattern;
}

// Glob matching with '*' as the only wildcard: on a mismatch the last '*'
// takes one more character and the match resumes after it, which finds a match
// whenever one exists, in time proportional to the product of the lengths.
bool designationMatches(std::string_view searchText, std::string_view designation) {
  const std::string_view pattern = trimBlanks(searchText);
  size_t p = 0;
  size_t d = 0;
  size_t resumeP = std::string_view::npos;
  size_t resumeD = 0;
  while (d < designation.size()) {
    if (p == pattern.size()) return true;  // the search text is a prefix: the rest is free
    if (pattern[p] == kWildcard) {
      resumeP = ++p;
      resumeD = d;
    } else if (ascii::lower(pattern[p]) == ascii::lower(designation[d])) {
      ++p;
      ++d;
    } else if (resumeP != std::string_view::npos) {
      p = resumeP;
      d = ++resumeD;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == kWildcard) ++p;
  return p == pattern.size();
}

}  // namespace corvane
