// The Access reader, on a small Jet 4 file (tests/bobbin/catalogue/data): no
// Access bobbin catalogue can be made here, as mdbtools only reads.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bobbin/catalogue/bobbin_catalogue.h"
#include "catalogue_test_files.h"
#ifdef CORVANE_HAVE_MDBTOOLS
#include "bobbin/catalogue/mdb_file.h"
#endif

namespace corvane {
namespace {

const std::string kUsersFile =
    std::string(CORVANE_SOURCE_DIR) + "/tests/bobbin/catalogue/data/jet4-users.mdb";

#ifdef CORVANE_HAVE_MDBTOOLS

TEST(MdbFile, ReadsTheRowsOfATableAsUtf8Texts) {
  MdbFile file(kUsersFile);
  std::vector<std::vector<std::string>> rows;
  // column names compare without regard to case, as Access compares them
  file.forEachRow("users", {"UserName", "usersex", "UserId"},
                  [&](const std::vector<std::string>& row) { rows.push_back(row); });
  EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                      {"Nuintun", "Male", "1"}, {"Angela", "Female", "2"}, {"张三", "男", "3"}}));
}

TEST(MdbFile, AMissingTableOrColumnIsAnError) {
  MdbFile file(kUsersFile);
  EXPECT_THROW(file.requireColumns("EIB1", {"SUP"}), MdbError);
  try {
    file.requireColumns("Users", {"UserName", "partno"});
    FAIL() << "no error for a missing column";
  } catch (const MdbError& e) {
    EXPECT_STREQ(e.what(), "表 Users 缺少列 partno");
  }
}

TEST(AccessCatalogue, AnAccessFileWithoutTheBobbinTablesIsRefusedByContentNotName) {
  auto opened = openBobbinCatalogue(kUsersFile);
  EXPECT_FALSE(opened);
  EXPECT_EQ(opened.reason(), "缺少表 EIB1");
}

using AccessFiles = testing::CatalogueFiles;

TEST_F(AccessFiles, ATruncatedAccessFileIsRefused) {
  const std::string path = pathOf("short.sqlite");  // the name does not decide the reader
  std::filesystem::copy_file(kUsersFile, path);
  std::filesystem::resize_file(path, 4096);
  auto opened = openBobbinCatalogue(path);
  EXPECT_FALSE(opened);
  EXPECT_EQ(opened.reason(), "不是可读的 Access 数据库");
}

// mdbtools reads pages as it needs them: a file cut short behind its back
// must end the read with an error or fewer rows, never a crash.
TEST_F(AccessFiles, AFileCutShortWhileOpenEndsTheReadCleanly) {
  const std::string path = pathOf("cut.mdb");
  std::filesystem::copy_file(kUsersFile, path);
  MdbFile file(path);
  std::filesystem::resize_file(path, 8192);
  size_t rows = 0;
  try {
    file.forEachRow("Users", {"UserName"}, [&](const std::vector<std::string>&) { ++rows; });
  } catch (const MdbError&) {
  }
  EXPECT_LE(rows, 3u);
  std::filesystem::remove(path);
  try {
    file.forEachRow("Users", {"UserName"}, [&](const std::vector<std::string>&) { ++rows; });
  } catch (const MdbError&) {
  }
  EXPECT_LE(rows, 6u);
}

// An Access file whose object properties are damaged so that mdbtools
// allocates gigabytes while it reads the catalogue of objects (found by the
// catalogue fuzzer): the bobbin form gets a reason, the program stays small.
TEST(AccessCatalogue, ADamagedFileIsRefusedWithoutEatingMemory) {
  const std::string path =
      std::string(CORVANE_SOURCE_DIR) + "/tests/bobbin/catalogue/data/damaged-properties.mdb";
  auto opened = openBobbinCatalogue(path);
  ASSERT_FALSE(opened);
  EXPECT_EQ(opened.reason(), "读取所需的内存超出限度，文件可能已损坏");
}

#else

TEST(AccessCatalogue, WithoutMdbtoolsAnAccessFileGivesAClearError) {
  auto opened = openBobbinCatalogue(kUsersFile);
  EXPECT_FALSE(opened);
  EXPECT_EQ(opened.reason(), "读取 Access 骨架目录需要 mdbtools（本程序未带）");
}

#endif

}  // namespace
}  // namespace corvane
