// Saving through files::writeReplacing when the disk or the path fails: one
// reason in the user's words, the old file as it was, no temporary file left.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "model/file_access.h"
#include "support/file_size_limit.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

class WriteReplacing : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("corvane-files-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  static std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  // Nothing but the files named is left in the folder.
  bool onlyHolds(std::initializer_list<const char*> names) const {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++count;
    for (const char* name : names)
      if (!fs::exists(dir / name)) return false;
    return count == names.size();
  }

  fs::path dir;
};

TEST_F(WriteReplacing, AFullDiskKeepsTheOldFileAndRemovesThePartialOne) {
  const fs::path target = dir / "d.cvd";
  std::ofstream(target) << "old design";
  Outcome<> written = Failure{""};
  {
    testing::FileSizeLimit full(16);
    written = files::writeReplacing(target.string(), std::string(4096, 'x'));
  }
  ASSERT_FALSE(written.ok());
  EXPECT_EQ(written.reason(), "文件超出允许的大小");
  EXPECT_EQ(contents(target), "old design");
  EXPECT_TRUE(onlyHolds({"d.cvd"}));
  // and once there is room again the same save goes through
  EXPECT_TRUE(files::writeReplacing(target.string(), "new design").ok());
  EXPECT_EQ(contents(target), "new design");
}

TEST_F(WriteReplacing, APathThroughAFileSaysSoInWords) {
  std::ofstream(dir / "plain") << "x";
  Outcome<> written = files::writeReplacing((dir / "plain" / "d.cvd").string(), "design");
  ASSERT_FALSE(written.ok());
  EXPECT_EQ(written.reason(), "路径中有一段不是文件夹");
  EXPECT_EQ(contents(dir / "plain"), "x");
}

// As root a rename would put a plain file where the device was.
TEST_F(WriteReplacing, ADeviceOrPipeIsNeverReplaced) {
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  Outcome<> written = files::writeReplacing((dir / "pipe").string(), "design");
  ASSERT_FALSE(written.ok());
  EXPECT_EQ(written.reason(), "这不是普通文件");
  EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
  EXPECT_TRUE(onlyHolds({"pipe"}));

  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this machine";
  EXPECT_FALSE(files::writeReplacing("/dev/full", "design").ok());
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_FALSE(fs::exists("/dev/full.corvane-tmp"));
}

TEST_F(WriteReplacing, ALinkIsSavedThroughAndStaysALink) {
  fs::create_directory(dir / "real");
  std::ofstream(dir / "real" / "d.cvd") << "old";
  fs::create_symlink(dir / "real" / "d.cvd", dir / "link.cvd");
  ASSERT_TRUE(files::writeReplacing((dir / "link.cvd").string(), "new").ok());
  EXPECT_TRUE(fs::is_symlink(dir / "link.cvd"));
  EXPECT_EQ(contents(dir / "real" / "d.cvd"), "new");
  // a link to a file not yet there makes that file
  fs::create_symlink(dir / "real" / "next.cvd", dir / "next.cvd");
  ASSERT_TRUE(files::writeReplacing((dir / "next.cvd").string(), "first").ok());
  EXPECT_TRUE(fs::is_symlink(dir / "next.cvd"));
  EXPECT_EQ(contents(dir / "real" / "next.cvd"), "first");
}

}  // namespace
}  // namespace corvane
