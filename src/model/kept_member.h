// A member variable of a form that belongs to the design besides the form's
// controls (the group a conversion works on, a value a calculation keeps
// between calls, the catalogue file in use), as a saved design keeps it.
#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace corvane {

// Rows of texts, e.g. the catalogue records a look-up found.
using TextTable = std::vector<std::vector<std::string>>;
using MemberValue = std::variant<bool, int, double, std::string, TextTable>;

struct KeptMember {
  std::string name;
  std::function<MemberValue()> get;
  // False when the value has the wrong type or lies outside the member's
  // range; the member keeps its value then.
  std::function<bool(const MemberValue&)> set;
};

}  // namespace corvane
