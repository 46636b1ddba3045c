#include "bobbin/catalogue/bobbin_tables.h"

#include <string>

namespace corvane {

namespace {

bool equalIgnoringAsciiCase(std::string_view x, std::string_view y) {
  if (x.size() != y.size()) return false;
  for (size_t i = 0; i < x.size(); ++i) {
    const auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; };
    if (fold(x[i]) != fold(y[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<size_t> bobbinTableIndex(std::string_view table) {
  for (size_t i = 0; i < kBobbinTables.size(); ++i)
    if (equalIgnoringAsciiCase(table, kBobbinTables[i])) return i;
  return std::nullopt;
}

BobbinRecord bobbinRecordFrom(const std::array<std::string, kBobbinColumns.size()>& c) {
  return BobbinRecord{c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]};
}

}  // namespace corvane
