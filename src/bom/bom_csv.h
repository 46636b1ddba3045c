// The bill of materials as a CSV file for purchasing: UTF-8 with a byte-order
// mark (so spreadsheet programs show the Chinese texts), CR LF line ends, a
// header line, one line per material item (group, description, quantity,
// its unit, unit price, the price's unit, cost: the quantity, price and cost
// as numbers a spreadsheet can sum, the units in their own columns), then the
// production time, labour and price lines with their value in the last
// column. A field holding a comma, a quote or a line break is quoted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class FrmBomList;

// One CSV field, quoted (inner quotes doubled) when it must be.
std::string csvField(std::string_view text);
// The lines of the file, each a list of fields.
std::vector<std::vector<std::string>> bomCsvRows(const FrmBomList& form);
// The file's bytes.
std::string bomCsv(const FrmBomList& form);

}  // namespace corvane
