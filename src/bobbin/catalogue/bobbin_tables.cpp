#include "bobbin/catalogue/bobbin_tables.h"

#include <string>

#include "model/ascii.h"

namespace corvane {

std::optional<size_t> bobbinTableIndex(std::string_view table) {
  for (size_t i = 0; i < kBobbinTables.size(); ++i)
    if (ascii::equalIgnoringCase(table, kBobbinTables[i])) return i;
  return std::nullopt;
}

BobbinRecord bobbinRecordFrom(const std::array<std::string, kBobbinColumns.size()>& c) {
  return BobbinRecord{c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]};
}

}  // namespace corvane
