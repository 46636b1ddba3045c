#include "bobbin/catalogue/sqlite_bobbin_catalogue.h"

#include <sqlite3.h>

#include <optional>

#include <array>
#include <utility>

#include "bobbin/catalogue/bobbin_tables.h"
#include "bobbin/catalogue/designation_index.h"
#include "bobbin/catalogue/designation_match.h"
#include "bobbin/catalogue/sqlite_database.h"

namespace corvane {

namespace {

struct SqliteReason {
  int code;  // SQLite's primary result code
  const char* reason;
};

// SQLite's failures in words for the designer, by result code.
constexpr SqliteReason kSqliteReasons[] = {
    {SQLITE_NOTADB, "不是数据库文件"},
    {SQLITE_CORRUPT, "数据库文件已损坏"},
    {SQLITE_CANTOPEN, "无法打开文件"},
    {SQLITE_IOERR, "读取文件时出错"},
    {SQLITE_BUSY, "文件正被其他程序锁定"},
    {SQLITE_LOCKED, "文件正被其他程序锁定"},
    {SQLITE_NOMEM, "内存不足"},
};

std::string missingTable(const std::string& table) {
  return "缺少骨架表 " + table;
}
std::string missingColumn(const std::string& column) {
  return "骨架表缺少列 " + column;
}
std::string otherFailure(const std::string& message) {
  return "数据库出错（" + message + "）";
}

// SQLite's reason for a failure, in words for the designer.
std::string reasonOf(const sqlite::SqliteError& error) {
  const std::string message = error.what();
  auto after = [&message](std::string_view prefix) -> std::optional<std::string> {
    if (message.rfind(prefix, 0) != 0) return std::nullopt;
    return message.substr(prefix.size());
  };
  for (const SqliteReason& known : kSqliteReasons)
    if (error.code() == known.code) return known.reason;
  if (auto table = after("no such table: ")) return missingTable(*table);
  if (auto column = after("no such column: ")) return missingColumn(*column);
  return otherFailure(message);
}

// Every row of one table, the designation index searches them. NULL
// designations read as empty text, as the Access reader sees them, so both
// readers find the same rows.
std::string readSql(std::string_view table) {
  std::string sql = "SELECT ";
  for (size_t i = 0; i < kBobbinColumns.size(); ++i) {
    if (i) sql += ", ";
    sql += kBobbinColumns[i];
  }
  sql += " FROM ";
  sql += table;
  return sql;
}

class SqliteBobbinCatalogue final : public BobbinCatalogue {
 public:
  SqliteBobbinCatalogue(std::string path, sqlite::Database db)
      : path_(std::move(path)), db_(std::move(db)) {
    for (size_t i = 0; i < kBobbinTables.size(); ++i)
      reads_[i] = db_.prepare(readSql(kBobbinTables[i]));
  }

  const std::string& path() const override { return path_; }

  std::vector<BobbinRecord> search(size_t table, const std::string& searchText) override {
    try {
      return indexOf(table).find(searchText);
    } catch (const sqlite::SqliteError& e) {
      throw CatalogueReadError(reasonOf(e));
    }
  }

 private:
  // A table is read once, at its first search; every search after it runs
  // over the rows in memory through the designation index. A read that fails
  // is tried again at the next search.
  const DesignationIndex& indexOf(size_t table) {
    std::optional<DesignationIndex>& index = indexes_[table];
    if (!index) index.emplace(readAll(reads_[table]));
    return *index;
  }

  static std::vector<BobbinRecord> readAll(sqlite::Statement& statement) {
    statement.reset();
    std::vector<BobbinRecord> rows;
    while (statement.step()) {
      std::array<std::string, kBobbinColumns.size()> columns;
      for (size_t i = 0; i < columns.size(); ++i)
        columns[i] = statement.columnText(static_cast<int>(i));
      rows.push_back(bobbinRecordFrom(columns));
    }
    statement.reset();
    return rows;
  }

  std::string path_;
  sqlite::Database db_;
  std::array<sqlite::Statement, kBobbinTables.size()> reads_;
  std::array<std::optional<DesignationIndex>, kBobbinTables.size()> indexes_;
};

}  // namespace

std::vector<std::string> sqliteCatalogueReasons() {
  std::vector<std::string> reasons;
  for (const SqliteReason& known : kSqliteReasons) reasons.push_back(known.reason);
  for (std::string_view table : kBobbinTables) reasons.push_back(missingTable(std::string(table)));
  for (std::string_view column : kBobbinColumns)
    reasons.push_back(missingColumn(std::string(column)));
  reasons.push_back(otherFailure("disk I/O error"));
  return reasons;
}

Outcome<std::unique_ptr<BobbinCatalogue>> openSqliteBobbinCatalogue(const std::string& path) {
  try {
    return std::unique_ptr<BobbinCatalogue>(
        std::make_unique<SqliteBobbinCatalogue>(path, sqlite::Database::openReadOnly(path)));
  } catch (const sqlite::SqliteError& e) {
    return Failure{reasonOf(e)};
  }
}

}  // namespace corvane
