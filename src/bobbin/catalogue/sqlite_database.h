// A thin RAII layer over the SQLite C API: a database handle and prepared
// statements that close themselves. Failures throw SqliteError with SQLite's
// own message, so callers can turn them into one error text.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace corvane::sqlite {

class SqliteError : public std::runtime_error {
 public:
  SqliteError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
  // SQLite's primary result code (SQLITE_NOTADB, SQLITE_CORRUPT, ...).
  int code() const { return code_; }

 private:
  int code_;
};

struct DatabaseCloser {
  void operator()(sqlite3* db) const;
};
struct StatementFinalizer {
  void operator()(sqlite3_stmt* statement) const;
};

// One prepared statement. step() walks the result rows; reset() makes it
// ready to run again with new bindings.
class Statement {
 public:
  Statement() = default;
  explicit Statement(sqlite3_stmt* statement) : statement_(statement) {}

  void bindText(int index, std::string_view text);
  // true while a row is available; throws on a read error.
  bool step();
  void reset();
  int columnCount() const;
  // The column as text: NULL reads as empty text, a real number in its
  // shortest form ("21", not "21.0").
  std::string columnText(int column) const;

 private:
  std::unique_ptr<sqlite3_stmt, StatementFinalizer> statement_;
};

class Database {
 public:
  // Opens an existing file without write access, for use by one thread.
  static Database openReadOnly(const std::string& path);
  // Creates the file, or opens it for writing when it exists.
  static Database openForWriting(const std::string& path);

  Statement prepare(std::string_view sql);
  // Runs every statement of `sql` in turn.
  void execute(const std::string& sql);
  // The longest LIKE pattern this connection accepts, in bytes.
  int likePatternLimit() const;

 private:
  explicit Database(sqlite3* db) : db_(db) {}
  static Database open(const std::string& path, int flags);

  std::unique_ptr<sqlite3, DatabaseCloser> db_;
};

}  // namespace corvane::sqlite
