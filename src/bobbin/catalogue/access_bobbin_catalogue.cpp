#include "bobbin/catalogue/access_bobbin_catalogue.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "bobbin/catalogue/bobbin_tables.h"
#include "bobbin/catalogue/designation_match.h"
#include "bobbin/catalogue/mdb_file.h"
#include "bobbin/catalogue/watched_child_read.h"

namespace corvane {

namespace {

const std::vector<std::string_view> kColumns(kBobbinColumns.begin(), kBobbinColumns.end());
constexpr size_t kSpecificationColumn = 1;

using Row = std::array<std::string, kBobbinColumns.size()>;
using Tables = std::array<std::vector<Row>, kBobbinTables.size()>;

// The rows travel from the reading process as counted texts: a 32-bit
// length before each text, a row count before each table.
void putCount(std::string& out, size_t count) {
  const auto n = static_cast<uint32_t>(count);
  out.append(reinterpret_cast<const char*>(&n), sizeof n);
}

bool takeCount(std::string_view& in, size_t& count) {
  uint32_t n = 0;
  if (in.size() < sizeof n) return false;
  std::memcpy(&n, in.data(), sizeof n);
  in.remove_prefix(sizeof n);
  count = n;
  return true;
}

// Every table's rows, read by mdbtools; runs in the watched reading process.
std::string readAllTables(const std::string& path) {
  MdbFile file(path);
  for (const std::string_view table : kBobbinTables) file.requireColumns(table, kColumns);
  std::string out;
  for (const std::string_view table : kBobbinTables) {
    std::string body;
    size_t rows = 0;
    file.forEachRow(table, kColumns, [&](const std::vector<std::string>& row) {
      for (const std::string& text : row) {
        putCount(body, text.size());
        body += text;
      }
      ++rows;
    });
    putCount(out, rows);
    out += body;
  }
  return out;
}

Outcome<Tables> tablesFrom(std::string_view in) {
  Tables tables;
  for (std::vector<Row>& rows : tables) {
    size_t count = 0;
    if (!takeCount(in, count)) return Failure{"读取时出错"};
    for (size_t r = 0; r < count; ++r) {
      Row row;
      for (std::string& text : row) {
        size_t length = 0;
        if (!takeCount(in, length) || in.size() < length) return Failure{"读取时出错"};
        text.assign(in.substr(0, length));
        in.remove_prefix(length);
      }
      rows.push_back(std::move(row));
    }
  }
  return tables;
}

// mdbtools reads the whole file once, in a process of its own that is
// watched for memory and time (a damaged file can make it allocate without
// end or crash); searches then run over the rows with the shared matcher, so
// an Access file answers exactly as a SQLite file with the same rows.
class AccessBobbinCatalogue final : public BobbinCatalogue {
 public:
  AccessBobbinCatalogue(std::string path, Tables tables)
      : path_(std::move(path)), tables_(std::move(tables)) {}

  const std::string& path() const override { return path_; }

  std::vector<BobbinRecord> search(size_t table, const std::string& searchText) override {
    std::vector<BobbinRecord> rows;
    for (const Row& row : tables_.at(table))
      if (designationMatches(searchText, row[kSpecificationColumn]))
        rows.push_back(bobbinRecordFrom(row));
    return rows;
  }

 private:
  std::string path_;
  Tables tables_;
};

}  // namespace

Outcome<std::unique_ptr<BobbinCatalogue>> openAccessBobbinCatalogue(const std::string& path) {
  Outcome<std::string> bytes = readInWatchedChild([&] { return readAllTables(path); });
  if (!bytes) return Failure{bytes.reason()};
  Outcome<Tables> tables = tablesFrom(bytes.value());
  if (!tables) return Failure{tables.reason()};
  return std::unique_ptr<BobbinCatalogue>(
      std::make_unique<AccessBobbinCatalogue>(path, std::move(tables.value())));
}

}  // namespace corvane
