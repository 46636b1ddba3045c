// The designation index answers every search exactly as a scan of the whole
// table with the LIKE pattern does: the same rows, in the same order.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "bobbin/catalogue/bobbin_catalogue.h"
#include "bobbin/catalogue/bobbin_tables.h"
#include "bobbin/catalogue/designation_index.h"
#include "bobbin/catalogue/designation_match.h"

namespace corvane {
namespace {

// (designation, part number) of the rows a full-table LIKE scan finds.
std::vector<std::string> scanned(sqlite3* db, const std::string& table, const std::string& text) {
  const std::string sql = "SELECT coalesce(specification, ''), coalesce(partno, '') FROM " + table +
                          " WHERE coalesce(specification, '') LIKE ?1 ESCAPE '\\'";
  sqlite3_stmt* statement = nullptr;
  EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), SQLITE_OK);
  const std::string pattern = likePatternFor(text);
  sqlite3_bind_text(statement, 1, pattern.c_str(), -1, SQLITE_TRANSIENT);
  std::vector<std::string> rows;
  while (sqlite3_step(statement) == SQLITE_ROW)
    rows.push_back(std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))) +
                   "|" + reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
  sqlite3_finalize(statement);
  return rows;
}

std::vector<std::string> keys(const std::vector<BobbinRecord>& rows) {
  std::vector<std::string> out;
  for (const BobbinRecord& r : rows) out.push_back(r.specification + "|" + r.partno);
  return out;
}

// Search texts drawn from the designations themselves: every prefix, in
// either case, with wildcards put in, blanks around, and texts that find
// nothing or hold the characters LIKE would take as wildcards.
std::set<std::string> searchTextsFor(const std::vector<BobbinRecord>& rows) {
  std::set<std::string> texts = {"",       " ",       "*",          "**",    "%",
                                 "_",      "\\",      "zz",         "*44",   "EI-*",
                                 "ei*4*4", " EI-66 ", "EI-66**44*", "EI_66", "EI%"};
  for (const BobbinRecord& r : rows) {
    const std::string& d = r.specification;
    for (size_t n = 1; n <= d.size(); n += 2) {
      std::string prefix = d.substr(0, n);
      texts.insert(prefix);
      std::string lower = prefix;
      for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
      texts.insert(lower);
      if (n > 2) texts.insert(prefix.substr(0, 2) + "*" + prefix.substr(n / 2));
    }
    texts.insert(d + "x");
  }
  return texts;
}

TEST(DesignationIndex, AgreesWithTheFullTableScanOverTheShippedCatalogue) {
  const std::string path = defaultBobbinCataloguePath();
  auto opened = openBobbinCatalogue(path);
  ASSERT_TRUE(opened) << opened.reason();
  BobbinCatalogue& catalogue = *opened.value();
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  std::unique_ptr<sqlite3, int (*)(sqlite3*)> closer(db, sqlite3_close);
  size_t compared = 0;
  for (const std::string_view name : kBobbinTables) {
    const std::string table(name);
    auto all = catalogue.find(table, "");
    ASSERT_TRUE(all) << all.reason();
    ASSERT_FALSE(all.value().empty()) << table;
    for (const std::string& text : searchTextsFor(all.value())) {
      auto rows = catalogue.find(table, text);
      ASSERT_TRUE(rows) << rows.reason();
      EXPECT_EQ(keys(rows.value()), scanned(db, table, text)) << table << " \"" << text << "\"";
      ++compared;
    }
  }
  EXPECT_GT(compared, 300u);
}

BobbinRecord row(std::string designation, std::string part) {
  BobbinRecord r;
  r.specification = std::move(designation);
  r.partno = std::move(part);
  return r;
}

TEST(DesignationIndex, RowsFoundKeepTheirTableOrderWhateverTheLetterOrder) {
  // the index orders by folded designation; the answer must not
  const DesignationIndex index({row("EI-48*30", "3"), row("ei-48*16", "1"), row("", "empty"),
                                row("EI-48*30", "2"), row("EI-41*20", "0"), row("XEI-48", "x")});
  EXPECT_EQ(keys(index.find("EI-48")),
            (std::vector<std::string>{"EI-48*30|3", "ei-48*16|1", "EI-48*30|2"}));
  EXPECT_EQ(keys(index.find("")).size(), 6u);  // the empty designation too
  EXPECT_EQ(keys(index.find("*48")),
            (std::vector<std::string>{"EI-48*30|3", "ei-48*16|1", "EI-48*30|2", "XEI-48|x"}));
  EXPECT_TRUE(index.find("EI-48*30x").empty());
}

TEST(DesignationIndex, LiteralPrefixStopsAtTheFirstWildcardAndFoldsCase) {
  EXPECT_EQ(literalPrefixOf("  EI-48*30 "), "ei-48");
  EXPECT_EQ(literalPrefixOf("*48"), "");
  EXPECT_EQ(literalPrefixOf("标准Ei"), "标准ei");
}

}  // namespace
}  // namespace corvane
