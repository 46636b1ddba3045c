// The SQLite catalogue: the shipped file, users' own files, and every way a
// file can fail to be a catalogue.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "bobbin/catalogue/bobbin_catalogue.h"
#include "catalogue_test_files.h"
#include "support/test_files.h"

namespace corvane {
namespace {

using testing::CatalogueFiles;

std::unique_ptr<BobbinCatalogue> openOrFail(const std::string& path) {
  auto catalogue = openBobbinCatalogue(path);
  EXPECT_TRUE(catalogue) << catalogue.reason();
  return catalogue ? std::move(catalogue.value()) : nullptr;
}

// A record's dimension columns A, B, C1, C2, D and F, in the catalogue's
// order, to compare with a catalogue line at once.
using Dimensions = std::array<std::string, 6>;
Dimensions dimensionsOf(const BobbinRecord& record) {
  return {record.A, record.B, record.C1, record.C2, record.D, record.F};
}

std::string openError(const std::string& path) {
  auto catalogue = openBobbinCatalogue(path);
  EXPECT_FALSE(catalogue);
  return catalogue.reason();
}

// The rows a search finds; `error` gets the reason of a failed search.
std::vector<BobbinRecord> found(BobbinCatalogue& catalogue, std::string_view table,
                                const std::string& text, std::string& error) {
  auto rows = catalogue.find(table, text);
  error = rows.reason();
  return rows ? rows.value() : std::vector<BobbinRecord>{};
}

std::vector<std::string> designations(const std::vector<BobbinRecord>& rows) {
  std::vector<std::string> out;
  for (const BobbinRecord& r : rows) out.push_back(r.specification);
  return out;
}

TEST(DefaultCatalogue, LiesBesideTheExecutable) {
  const auto exe = std::filesystem::read_symlink("/proc/self/exe");
  EXPECT_EQ(defaultBobbinCataloguePath(), (exe.parent_path() / "bobbins.sqlite").string());
  EXPECT_TRUE(std::filesystem::is_regular_file(defaultBobbinCataloguePath()));
}

TEST(DefaultCatalogue, HoldsTheEi48With30StackOfEachType) {
  auto catalogue = openOrFail(defaultBobbinCataloguePath());
  ASSERT_NE(catalogue, nullptr);
  std::string error;
  // h 24, c 8, a 16, b 30: A = h - 0.5, B = a + 3, slots h - 3 or (h - 4.5) / 2,
  // D = c - 2, F = b + 3
  const auto one = found(*catalogue, "EIB1", "EI-48*30", error);
  ASSERT_EQ(one.size(), 1u);
  const BobbinRecord& g = one[0];
  EXPECT_EQ(g.SUP, "标准骨架");
  EXPECT_EQ(g.specification, "EI-48*30");
  EXPECT_EQ(g.partno, "GZ-48-30");
  EXPECT_EQ(dimensionsOf(g), (Dimensions{"23.5", "19", "21", "", "6", "33"}));
  for (const auto& [table, partno] :
       {std::pair{"EIB2", "WZ-48-30"}, std::pair{"EIB3", "CT-48-30"}}) {
    const auto two = found(*catalogue, table, "EI-48*30*", error);
    ASSERT_EQ(two.size(), 1u) << table;
    EXPECT_EQ(two[0].partno, partno);
    EXPECT_EQ(dimensionsOf(two[0]), (Dimensions{"23.5", "19", "9.75", "9.75", "6", "33"}));
  }
  EXPECT_EQ(error, "");
}

TEST(DefaultCatalogue, ListsTheStacksOfASizeInOrderAndFractionalNames) {
  auto catalogue = openOrFail(defaultBobbinCataloguePath());
  ASSERT_NE(catalogue, nullptr);
  std::string error;
  EXPECT_EQ(designations(found(*catalogue, "EIB1", "EI-48*", error)),
            (std::vector<std::string>{"EI-48*16", "EI-48*20", "EI-48*24", "EI-48*25", "EI-48*28",
                                      "EI-48*30", "EI-48*32"}));
  const auto odd = found(*catalogue, "EIB2", "ei-76.2*25.4", error);
  ASSERT_EQ(odd.size(), 1u);
  EXPECT_EQ(odd[0].A, "37.6");
  EXPECT_EQ(odd[0].C1, "16.8");  // (38.1 - 4.5) / 2
  EXPECT_EQ(odd[0].F, "28.4");
  EXPECT_EQ(found(*catalogue, "EIB3", "EI-54*31.5", error).size(), 1u);
  EXPECT_EQ(found(*catalogue, "EIB1", "EI-75*50", error).size(), 1u);
  EXPECT_EQ(found(*catalogue, "EIB1", "EI-28*8", error).at(0).C1, "14");  // h 17 supplied
  EXPECT_EQ(error, "");
}

TEST(DefaultCatalogue, EverySizeFromEi28ToEi96HasEachType) {
  auto catalogue = openOrFail(defaultBobbinCataloguePath());
  ASSERT_NE(catalogue, nullptr);
  std::string error;
  for (const char* size : {"28", "30", "35",   "38", "41", "42", "48",   "54", "57", "60", "64",
                           "66", "74", "76.2", "78", "83", "85", "85.8", "93", "95", "96"})
    for (const char* table : {"EIB1", "EIB2", "EIB3"})
      EXPECT_FALSE(found(*catalogue, table, std::string("EI-") + size + "**", error).empty())
          << table << " EI" << size;
  EXPECT_EQ(error, "");
}

TEST(DefaultCatalogue, QuotesAndSqlInTheSearchTextFindNothingAndNeverFail) {
  auto catalogue = openOrFail(defaultBobbinCataloguePath());
  ASSERT_NE(catalogue, nullptr);
  for (const char* text : {"\"", "'", "EI-48*30\" OR \"1\"=\"1", "'; DROP TABLE EIB1; --", "%", "_",
                           "\\", "EI-48_30", "EI-48%"}) {
    std::string error;
    EXPECT_TRUE(found(*catalogue, "EIB1", text, error).empty()) << text;
    EXPECT_EQ(error, "") << text;
  }
  std::string error;
  EXPECT_EQ(found(*catalogue, "EIB1", "EI-48*30", error).size(), 1u);
}

using UserCatalogue = CatalogueFiles;

TEST_F(UserCatalogue, WildcardsAndQuotesOfTheSearchTextMatchLiterally) {
  const std::string path = writeDesignations(
      "user.db", {"EI-48_30", "EI-48X30", "EI-48%30", "EI-48'30", "EI-48\"30", "EI-48\\30"});
  auto catalogue = openOrFail(path);
  ASSERT_NE(catalogue, nullptr);
  std::string error;
  for (const char* text : {"EI-48_30", "EI-48%30", "EI-48'30", "EI-48\"30", "EI-48\\30"})
    EXPECT_EQ(designations(found(*catalogue, "EIB1", text, error)), std::vector<std::string>{text});
  EXPECT_EQ(found(*catalogue, "EIB1", "EI-48*30", error).size(), 6u);
  EXPECT_EQ(error, "");
}

TEST_F(UserCatalogue, NumbersAndNullsReadAsTheFormShowsThem) {
  const std::string path =
      writeCatalogue("numbers.db", {"'S', 'EI-48*30', 1234, 23.5, 19.0, 21, NULL, 6e0, 0.1",
                                    "NULL, NULL, NULL, "
                                    "NULL, NULL, NULL, "
                                    "NULL, NULL, NULL"});
  auto catalogue = openOrFail(path);
  ASSERT_NE(catalogue, nullptr);
  std::string error;
  const auto rows = found(*catalogue, "EIB1", "EI", error);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].partno, "1234");
  EXPECT_EQ(dimensionsOf(rows[0]), (Dimensions{"23.5", "19", "21", "", "6", "0.1"}));
  // a NULL designation reads as empty text, found only by the empty search
  EXPECT_EQ(found(*catalogue, "EIB1", "", error).size(), 2u);
  EXPECT_EQ(error, "");
}

TEST_F(UserCatalogue, ASearchLongerThanSqliteAcceptsIsStillAnswered) {
  const std::string longName(60000, 'x');
  auto catalogue = openOrFail(writeDesignations("long.db", {longName, "short"}));
  ASSERT_NE(catalogue, nullptr);
  std::string error;
  EXPECT_EQ(found(*catalogue, "EIB1", longName, error).size(), 1u);
  EXPECT_TRUE(found(*catalogue, "EIB1", longName + "y", error).empty());
  EXPECT_EQ(error, "");
}

TEST_F(UserCatalogue, AnUnknownTableIsAnErrorAndCaseDoesNotMatter) {
  auto catalogue = openOrFail(writeDesignations("user.db", {"EI-48*30"}));
  ASSERT_NE(catalogue, nullptr);
  std::string error;
  EXPECT_EQ(found(*catalogue, "eib1", "EI", error).size(), 1u);
  EXPECT_EQ(error, "");
  EXPECT_TRUE(found(*catalogue, "EIB1; DROP TABLE EIB1", "EI", error).empty());
  EXPECT_EQ(error, "没有骨架表 EIB1; DROP TABLE EIB1");
}

using BrokenCatalogue = CatalogueFiles;

TEST_F(BrokenCatalogue, AMissingFileNamesTheFileAndTheReason) {
  const std::string path = pathOf("absent.sqlite");
  EXPECT_EQ(openError(path), "文件或文件夹不存在");
  EXPECT_EQ(openError(pathOf("")), "这是一个文件夹");
}

TEST_F(BrokenCatalogue, AFileOfNeitherKindIsRefused) {
  for (const std::string& bytes :
       {std::string(), std::string("just some text\n"), std::string("SQLite format 2\0", 16)}) {
    const std::string path = writeBytes("other.sqlite", bytes);
    EXPECT_EQ(openError(path), "既不是 SQLite 也不是 Access 数据库");
  }
}

TEST_F(BrokenCatalogue, ASqliteFileWithoutTheBobbinTablesOrColumnsIsRefused) {
  const std::string noTables = writeSqlite("plain.db", "CREATE TABLE notes (text);");
  EXPECT_EQ(openError(noTables), "缺少骨架表 EIB1");
  const std::string noColumn =
      writeSqlite("partial.db",
                  "CREATE TABLE EIB1 (SUP, specification, partno, A, B, C1, C2, D, F);"
                  "CREATE TABLE EIB2 (SUP, specification, partno, A, B, C1, D, F);"
                  "CREATE TABLE EIB3 (SUP, specification, partno, A, B, C1, C2, D, F);");
  EXPECT_EQ(openError(noColumn), "骨架表缺少列 C2");
}

TEST_F(BrokenCatalogue, AGarbledHeaderPageIsRefused) {
  const std::string path =
      writeBytes("garbled.sqlite", std::string("SQLite format 3\0", 16) + std::string(4000, 'z'));
  const std::string error = openError(path);
  EXPECT_FALSE(error.empty());
}

TEST_F(BrokenCatalogue, ACorruptTableGivesAnErrorAndNoRows) {
  // the schema on page 1 stays intact, the pages holding the rows do not
  std::string bytes = testing::fileContents(defaultBobbinCataloguePath());
  ASSERT_GT(bytes.size(), 8192u);
  for (size_t i = 4096; i < bytes.size(); ++i) bytes[i] = static_cast<char>(0xA5 ^ (i * 7));
  const std::string path = writeBytes("corrupt.sqlite", bytes);
  auto catalogue = openOrFail(path);
  ASSERT_NE(catalogue, nullptr);
  std::string error;
  EXPECT_TRUE(found(*catalogue, "EIB1", "EI-48*30", error).empty());
  EXPECT_EQ(error, "数据库文件已损坏");
}

TEST_F(BrokenCatalogue, AFileTruncatedAfterOpeningGivesAnErrorNotACrash) {
  const std::string path = pathOf("shrinking.sqlite");
  std::filesystem::copy_file(defaultBobbinCataloguePath(), path);
  auto catalogue = openOrFail(path);
  ASSERT_NE(catalogue, nullptr);
  std::filesystem::resize_file(path, 4096);
  std::string error;
  EXPECT_TRUE(found(*catalogue, "EIB3", "EI-96", error).empty());
  EXPECT_FALSE(error.empty());
}

// The open file still answers; opening it anew names the reason.
TEST_F(BrokenCatalogue, AFileRemovedWhileInUseKeepsAnsweringUntilReopened) {
  const std::string path = pathOf("removed.sqlite");
  std::filesystem::copy_file(defaultBobbinCataloguePath(), path);
  auto catalogue = openOrFail(path);
  ASSERT_NE(catalogue, nullptr);
  std::string error;
  const auto before = designations(found(*catalogue, "EIB1", "EI-48", error));
  ASSERT_FALSE(before.empty());
  std::filesystem::remove(path);
  EXPECT_EQ(designations(found(*catalogue, "EIB1", "EI-48", error)), before);
  EXPECT_EQ(error, "");
  EXPECT_EQ(openError(path), "文件或文件夹不存在");
}

TEST_F(BrokenCatalogue, AnAccessHeaderWithGarbageBehindIsRefused) {
  const std::string path =
      writeBytes("fake.mdb", std::string("\0\1\0\0Standard Jet DB\0", 20) + std::string(9000, 'q'));
#ifdef CORVANE_HAVE_MDBTOOLS
  EXPECT_EQ(openError(path), "不是可读的 Access 数据库");
#else
  EXPECT_EQ(openError(path), "读取 Access 骨架目录需要 mdbtools（本程序未带）");
#endif
}

}  // namespace
}  // namespace corvane
