// Files the catalogue tests make: a private folder per test, SQLite
// catalogues with chosen rows, and raw byte files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bobbin/catalogue/sqlite_database.h"
#include "support/test_files.h"

namespace corvane::testing {

// A folder of its own for each test, removed afterwards.
class CatalogueFiles : public ::testing::Test {
 protected:
  std::string pathOf(const std::string& name) const { return folder_.file(name); }

  std::string writeBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(pathOf(name), std::ios::binary) << bytes;
    return pathOf(name);
  }

  // A SQLite file made by running `sql`.
  std::string writeSqlite(const std::string& name, const std::string& sql) const {
    sqlite::Database::openForWriting(pathOf(name)).execute(sql);
    return pathOf(name);
  }

  // The three bobbin tables with `rows` ("'SUP', 'EI-48*30', ..." value lists) in
  // EIB1 and nothing in the others.
  std::string writeCatalogue(const std::string& name, const std::vector<std::string>& rows) const {
    std::string sql;
    for (const char* table : {"EIB1", "EIB2", "EIB3"})
      sql += std::string("CREATE TABLE ") + table +
             " (SUP, specification, partno, A, B, C1, C2, D, F);";
    for (const std::string& row : rows) sql += "INSERT INTO EIB1 VALUES (" + row + ");";
    return writeSqlite(name, sql);
  }

  // A catalogue whose EIB1 holds one row per designation, bound as given, so
  // quotes and wildcards need no escaping here.
  std::string writeDesignations(const std::string& name,
                                const std::vector<std::string>& designations) const {
    const std::string path = writeCatalogue(name, {});
    sqlite::Database db = sqlite::Database::openForWriting(path);
    sqlite::Statement insert =
        db.prepare("INSERT INTO EIB1 (SUP, specification, partno) VALUES ('S', ?1, ?2)");
    for (size_t i = 0; i < designations.size(); ++i) {
      insert.reset();
      insert.bindText(1, designations[i]);
      insert.bindText(2, "P" + std::to_string(i));
      insert.step();
    }
    return path;
  }

 private:
  TestFolder folder_{"corvane-catalogue"};
};

}  // namespace corvane::testing
