#include "bobbin/catalogue/designation_index.h"

#include <algorithm>

#include "bobbin/catalogue/designation_match.h"
#include "model/ascii.h"

namespace corvane {

namespace {

std::string folded(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ascii::lower(c);
  return out;
}

}  // namespace

std::string literalPrefixOf(std::string_view searchText) {
  const std::string_view trimmed = trimBlanks(searchText);
  return folded(trimmed.substr(0, trimmed.find('*')));
}

DesignationIndex::DesignationIndex(std::vector<BobbinRecord> rows) : rows_(std::move(rows)) {
  byDesignation_.reserve(rows_.size());
  for (size_t i = 0; i < rows_.size(); ++i)
    byDesignation_.emplace_back(folded(rows_[i].specification), i);
  std::sort(byDesignation_.begin(), byDesignation_.end());
}

std::vector<BobbinRecord> DesignationIndex::find(std::string_view searchText) const {
  const std::string prefix = literalPrefixOf(searchText);
  // the first entry not before the prefix; the run that starts with it follows
  auto it = std::lower_bound(byDesignation_.begin(), byDesignation_.end(), prefix,
                             [](const std::pair<std::string, size_t>& entry, const std::string& p) {
                               return entry.first < p;
                             });
  std::vector<size_t> found;
  for (; it != byDesignation_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it)
    if (designationMatches(searchText, rows_[it->second].specification))
      found.push_back(it->second);
  std::sort(found.begin(), found.end());
  std::vector<BobbinRecord> out;
  out.reserve(found.size());
  for (size_t row : found) out.push_back(rows_[row]);
  return out;
}

}  // namespace corvane
