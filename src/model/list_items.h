// The items of a list the designer picks a catalogue row from: the rows'
// names in table order, so an item's index is the row's index.
#pragma once

#include <string>
#include <vector>

namespace corvane {

template <class Table>
std::vector<std::string> namesOf(const Table& table) {
  std::vector<std::string> names;
  for (const auto& row : table) names.emplace_back(row.name);
  return names;
}

}  // namespace corvane
