#include "bobbin/catalogue/sqlite_database.h"

#include <sqlite3.h>

#include <cstdio>

namespace corvane::sqlite {

namespace {

// How long a read waits for another program's write lock to clear.
constexpr int kBusyTimeoutMs = 2000;

[[noreturn]] void fail(sqlite3* db) {
  if (!db) throw SqliteError(SQLITE_NOMEM, "out of memory");
  throw SqliteError(sqlite3_errcode(db) & 0xff, sqlite3_errmsg(db));
}

std::string shortestReal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

}  // namespace

void DatabaseCloser::operator()(sqlite3* db) const {
  sqlite3_close(db);
}

void StatementFinalizer::operator()(sqlite3_stmt* statement) const {
  sqlite3_finalize(statement);
}

void Statement::bindText(int index, std::string_view text) {
  if (sqlite3_bind_text(statement_.get(), index, text.data(), static_cast<int>(text.size()),
                        SQLITE_TRANSIENT) != SQLITE_OK)
    fail(sqlite3_db_handle(statement_.get()));
}

bool Statement::step() {
  const int rc = sqlite3_step(statement_.get());
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  sqlite3* db = sqlite3_db_handle(statement_.get());
  const std::string message = sqlite3_errmsg(db);
  sqlite3_reset(statement_.get());
  throw SqliteError(rc & 0xff, message);
}

void Statement::reset() {
  sqlite3_reset(statement_.get());
  sqlite3_clear_bindings(statement_.get());
}

int Statement::columnCount() const {
  return sqlite3_column_count(statement_.get());
}

std::string Statement::columnText(int column) const {
  sqlite3_stmt* s = statement_.get();
  switch (sqlite3_column_type(s, column)) {
    case SQLITE_NULL:
      return {};
    case SQLITE_FLOAT:
      return shortestReal(sqlite3_column_double(s, column));
    default: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
      return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(s, column)))
                  : std::string();
    }
  }
}

Database Database::open(const std::string& path, int flags) {
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
  Database db(raw);  // closes the handle SQLite returns even on failure
  if (rc != SQLITE_OK) fail(raw);
  sqlite3_busy_timeout(raw, kBusyTimeoutMs);
  return db;
}

// A connection serves one thread only, so it takes no lock of its own: a
// table read would lock and unlock it for every column of every row.
Database Database::openReadOnly(const std::string& path) {
  return open(path, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX);
}

Database Database::openForWriting(const std::string& path) {
  return open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

Statement Database::prepare(std::string_view sql) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db_.get(), sql.data(), static_cast<int>(sql.size()), &raw, nullptr) !=
      SQLITE_OK)
    fail(db_.get());
  return Statement(raw);
}

void Database::execute(const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(db_.get(), sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return;
  const std::string text = message ? message : sqlite3_errmsg(db_.get());
  sqlite3_free(message);
  throw SqliteError(sqlite3_errcode(db_.get()) & 0xff, text);
}

int Database::likePatternLimit() const {
  return sqlite3_limit(db_.get(), SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1);
}

}  // namespace corvane::sqlite
