// Build tool: runs a SQL text file into a new SQLite database file, so the
// shipped bobbin catalogue is made from readable SQL without the sqlite3
// command-line program. Usage: corvane_build_catalogue INPUT.sql OUTPUT.sqlite
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "bobbin/catalogue/sqlite_database.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: " << argv[0] << " INPUT.sql OUTPUT.sqlite\n";
    return 2;
  }
  const std::string input = argv[1];
  const std::string output = argv[2];
  std::ifstream sqlFile(input, std::ios::binary);
  if (!sqlFile) {
    std::cerr << input << ": cannot read\n";
    return 1;
  }
  std::stringstream sql;
  sql << sqlFile.rdbuf();

  // Written under a temporary name and renamed, so a failed run never leaves
  // a half-built catalogue where the program looks for it.
  const std::string partial = output + ".partial";
  std::error_code ignored;
  std::filesystem::remove(partial, ignored);
  try {
    corvane::sqlite::Database db = corvane::sqlite::Database::openForWriting(partial);
    db.execute(sql.str());
  } catch (const corvane::sqlite::SqliteError& e) {
    std::cerr << input << ": " << e.what() << "\n";
    std::filesystem::remove(partial, ignored);
    return 1;
  }
  std::error_code failed;
  std::filesystem::rename(partial, output, failed);
  if (failed) {
    std::cerr << output << ": " << failed.message() << "\n";
    return 1;
  }
  return 0;
}
