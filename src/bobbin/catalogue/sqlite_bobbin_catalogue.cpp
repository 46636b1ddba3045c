#include "bobbin/catalogue/sqlite_bobbin_catalogue.h"

#include <array>
#include <utility>

#include "bobbin/catalogue/bobbin_tables.h"
#include "bobbin/catalogue/designation_match.h"
#include "bobbin/catalogue/sqlite_database.h"

namespace corvane {

namespace {

// The search of one table. NULL designations read as empty text, as the
// Access reader sees them, so both readers find the same rows.
std::string searchSql(std::string_view table) {
  std::string sql = "SELECT ";
  for (size_t i = 0; i < kBobbinColumns.size(); ++i) {
    if (i) sql += ", ";
    sql += kBobbinColumns[i];
  }
  sql += " FROM ";
  sql += table;
  sql += " WHERE coalesce(specification, '') LIKE ?1 ESCAPE '\\'";
  return sql;
}

class SqliteBobbinCatalogue final : public BobbinCatalogue {
 public:
  SqliteBobbinCatalogue(std::string path, sqlite::Database db)
      : path_(std::move(path)), db_(std::move(db)) {
    for (size_t i = 0; i < kBobbinTables.size(); ++i)
      searches_[i] = db_.prepare(searchSql(kBobbinTables[i]));
  }

  const std::string& path() const override { return path_; }

  std::vector<BobbinRecord> find(const std::string& table, const std::string& searchText,
                                 std::string& error) override {
    const auto index = bobbinTableIndex(table);
    if (!index) {
      error = "cannot read " + path_ + ": no bobbin table " + table;
      return {};
    }
    try {
      return search(searches_[*index], searchText);
    } catch (const sqlite::SqliteError& e) {
      error = "cannot read " + path_ + ": " + e.what();
      return {};
    }
  }

 private:
  // A pattern longer than SQLite accepts is searched with the same matcher in
  // C++ over every row, so no search text is ever refused.
  std::vector<BobbinRecord> search(sqlite::Statement& statement, const std::string& searchText) {
    const std::string pattern = likePatternFor(searchText);
    const bool tooLong = pattern.size() > static_cast<size_t>(db_.likePatternLimit());
    statement.reset();
    statement.bindText(1, tooLong ? "%" : pattern);
    std::vector<BobbinRecord> rows;
    while (statement.step()) {
      std::array<std::string, kBobbinColumns.size()> columns;
      for (size_t i = 0; i < columns.size(); ++i)
        columns[i] = statement.columnText(static_cast<int>(i));
      if (tooLong && !designationMatches(searchText, columns[1])) continue;
      rows.push_back(bobbinRecordFrom(columns));
    }
    statement.reset();
    return rows;
  }

  std::string path_;
  sqlite::Database db_;
  std::array<sqlite::Statement, kBobbinTables.size()> searches_;
};

}  // namespace

std::unique_ptr<BobbinCatalogue> openSqliteBobbinCatalogue(const std::string& path,
                                                           std::string& error) {
  try {
    return std::make_unique<SqliteBobbinCatalogue>(path, sqlite::Database::openReadOnly(path));
  } catch (const sqlite::SqliteError& e) {
    error = "cannot open " + path + ": " + e.what();
    return nullptr;
  }
}

}  // namespace corvane
