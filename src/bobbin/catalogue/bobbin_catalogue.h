// The bobbin catalogue: one table of bobbins per bobbin type, searched by
// designation. The form reads it only through this interface, so the shipped
// SQLite catalogue, a user's own SQLite or Access file and test fakes serve
// alike.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace corvane {

// One catalogue row, the columns as stored (texts; dimensions in mm).
struct BobbinRecord {
  std::string SUP;            // supplier
  std::string specification;  // designation, the search key, e.g. "EI-48*30 ..."
  std::string partno;
  std::string A, B, C1, C2, D, F;
};

class BobbinCatalogue {
 public:
  virtual ~BobbinCatalogue() = default;
  // The file it reads, for messages.
  virtual const std::string& path() const = 0;
  // Rows of `table` ("EIB1", "EIB2" or "EIB3") whose designation starts with
  // `searchText` (surrounding blanks trimmed), where '*' in the search text
  // matches any run of characters and every other character matches itself.
  // In catalogue order. A read failure gives no rows and sets `error`.
  virtual std::vector<BobbinRecord> find(const std::string& table, const std::string& searchText,
                                         std::string& error) = 0;
};

// Opens a catalogue file: SQLite, or Access (.mdb) when the program was built
// with mdbtools. nullptr and `error` ("cannot open FILE: reason") when the file
// is missing, unreadable or not a catalogue.
std::unique_ptr<BobbinCatalogue> openBobbinCatalogue(const std::string& path, std::string& error);

// The shipped catalogue: beside the executable, else in the installed data
// folder. The first candidate's path when neither exists.
std::string defaultBobbinCataloguePath();

}  // namespace corvane
