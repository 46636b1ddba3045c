// Case folding of ASCII letters only: wire types, table names and bobbin
// designations compare case-insensitively in their Latin letters, while
// Chinese text and every other byte stay as they are.
#pragma once

#include <string>
#include <string_view>

namespace corvane::ascii {

constexpr char upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr char lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = upper(c);
  return out;
}

inline bool equalIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (upper(a[i]) != upper(b[i])) return false;
  return true;
}

}  // namespace corvane::ascii
