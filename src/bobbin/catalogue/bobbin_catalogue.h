// The bobbin catalogue: one table of bobbins per bobbin type, searched by
// designation. The form reads it only through this interface, so the shipped
// SQLite catalogue, a user's own SQLite or Access file and test fakes serve
// alike.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/outcome.h"

namespace corvane {

// One catalogue row, the columns as stored (texts; dimensions in mm).
struct BobbinRecord {
  std::string SUP;            // supplier
  std::string specification;  // designation, the search key, e.g. "EI-48*30 ..."
  std::string partno;
  std::string A, B, C1, C2, D, F;
};

// A read that fails inside a catalogue, with the reason in words for the user.
class CatalogueReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class BobbinCatalogue {
 public:
  virtual ~BobbinCatalogue() = default;
  // The file it reads, for messages.
  virtual const std::string& path() const = 0;
  // Rows of `table` ("EIB1", "EIB2" or "EIB3", ASCII case ignored) whose
  // designation starts with `searchText` (surrounding blanks trimmed), where
  // '*' in the search text matches any run of characters and every other
  // character matches itself. In catalogue order. The reason when the table
  // is not one of the three or the file cannot be read.
  Outcome<std::vector<BobbinRecord>> find(std::string_view table, const std::string& searchText);

 protected:
  // The rows of bobbin table `table` (an index of kBobbinTables) the search
  // text finds; a failed read throws CatalogueReadError.
  virtual std::vector<BobbinRecord> search(size_t table, const std::string& searchText) = 0;
  // The same search in another catalogue, for one that hands it on.
  static std::vector<BobbinRecord> searchIn(BobbinCatalogue& catalogue, size_t table,
                                            const std::string& searchText) {
    return catalogue.search(table, searchText);
  }
};

// Opens a catalogue file: SQLite, or Access (.mdb) when the program was built
// with mdbtools; the reason when the file is missing, unreadable or not a
// catalogue.
Outcome<std::unique_ptr<BobbinCatalogue>> openBobbinCatalogue(const std::string& path);

// The shipped catalogue: beside the executable, else in the installed data
// folder. The first candidate's path when neither exists.
std::string defaultBobbinCataloguePath();
// A file the program ships as data (`relative` to its data folder), looked for
// where defaultBobbinCataloguePath looks; the first place when it is nowhere.
std::string installedDataFile(const std::string& relative);

}  // namespace corvane
