#include "bobbin/catalogue/access_bobbin_catalogue.h"

#include <algorithm>
#include <array>
#include <vector>

#include "bobbin/catalogue/bobbin_tables.h"
#include "bobbin/catalogue/designation_match.h"
#include "bobbin/catalogue/mdb_file.h"

namespace corvane {

namespace {

const std::vector<std::string_view> kColumns(kBobbinColumns.begin(), kBobbinColumns.end());
constexpr size_t kSpecificationColumn = 1;

// mdbtools reads a table row by row; each search reads the table and keeps
// the rows the shared matcher accepts, so an Access file answers exactly as a
// SQLite file with the same rows.
class AccessBobbinCatalogue final : public BobbinCatalogue {
 public:
  explicit AccessBobbinCatalogue(const std::string& path) : path_(path), file_(path) {
    for (const std::string_view table : kBobbinTables) file_.requireColumns(table, kColumns);
  }

  const std::string& path() const override { return path_; }

  std::vector<BobbinRecord> search(size_t table, const std::string& searchText) override {
    std::vector<BobbinRecord> rows;
    try {
      file_.forEachRow(kBobbinTables[table], kColumns, [&](const std::vector<std::string>& row) {
        if (!designationMatches(searchText, row[kSpecificationColumn])) return;
        std::array<std::string, kBobbinColumns.size()> columns;
        std::copy(row.begin(), row.end(), columns.begin());
        rows.push_back(bobbinRecordFrom(columns));
      });
    } catch (const MdbError& e) {
      throw CatalogueReadError(e.what());
    }
    return rows;
  }

 private:
  std::string path_;
  MdbFile file_;
};

}  // namespace

Outcome<std::unique_ptr<BobbinCatalogue>> openAccessBobbinCatalogue(const std::string& path) {
  try {
    return std::unique_ptr<BobbinCatalogue>(std::make_unique<AccessBobbinCatalogue>(path));
  } catch (const MdbError& e) {
    return Failure{e.what()};
  }
}

}  // namespace corvane
