#include "electrical/electrical_tables.h"

namespace corvane::electrical {

namespace {
template <class Row, size_t N>
const Row* findByName(const std::array<Row, N>& table, std::string_view name) {
  for (const Row& row : table)
    if (row.name == name) return &row;
  return nullptr;
}
}  // namespace

const RectifierCircuit* findRectifierCircuit(std::string_view name) {
  return findByName(kRectifierCircuits, name);
}

const RectifierDiode* findRectifierDiode(std::string_view name) {
  return findByName(kRectifierDiodes, name);
}

const InsulationClass* findInsulationClass(std::string_view name) {
  return findByName(kInsulationClasses, name);
}

int defaultRegulation(double outputPower) {
  for (const RegulationBand& band : kRegulationBands) {
    bool inside =
        band.limitExcluded ? outputPower < band.powerLimit : outputPower <= band.powerLimit;
    if (inside) return band.regulation;
  }
  return kRegulationBands.back().regulation;
}

}  // namespace corvane::electrical
