// A read-only Access (Jet) database file read through mdbtools: tables by name
// and their rows as UTF-8 texts. Failures throw MdbError.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class MdbError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class MdbFile {
 public:
  // The texts of the requested columns of one row, in the order asked for.
  using RowVisitor = std::function<void(const std::vector<std::string>&)>;

  explicit MdbFile(const std::string& path);
  ~MdbFile();
  MdbFile(const MdbFile&) = delete;
  MdbFile& operator=(const MdbFile&) = delete;

  // Throws unless `table` exists and has every one of `columns` (names
  // compare without regard to ASCII case, as in Access).
  void requireColumns(std::string_view table, const std::vector<std::string_view>& columns);
  // Calls `visit` for every row of `table` in stored order. Empty and NULL
  // values read as empty text; numbers and dates as mdbtools writes them.
  void forEachRow(std::string_view table, const std::vector<std::string_view>& columns,
                  const RowVisitor& visit);

 private:
  struct Handle;
  std::unique_ptr<Handle> handle_;
};

// Every reason MdbFile gives, about `table` and its `column`, for the list
// of texts the interface translates.
std::vector<std::string> mdbReasonsAbout(std::string_view table, std::string_view column);

}  // namespace corvane
