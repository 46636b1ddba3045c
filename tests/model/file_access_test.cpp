// Saving through files::writeReplacing when the disk or the path fails: one
// reason in the user's words, the old file as it was, no temporary file left.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "model/file_access.h"
#include "support/file_size_limit.h"
#include "support/test_files.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

class WriteReplacing : public ::testing::Test {
 protected:
  // Nothing but the files named is left in the folder.
  bool onlyHolds(std::initializer_list<const char*> names) const {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++count;
    for (const char* name : names)
      if (!fs::exists(dir / name)) return false;
    return count == names.size();
  }

  testing::TestFolder folder{"corvane-files"};
  const fs::path& dir = folder.path();
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
  EXPECT_EQ(testing::fileContents(target), "old design");
  EXPECT_TRUE(onlyHolds({"d.cvd"}));
  // and once there is room again the same save goes through
  EXPECT_TRUE(files::writeReplacing(target.string(), "new design").ok());
  EXPECT_EQ(testing::fileContents(target), "new design");
}

// The reason `save` gives, found in a child process that runs as the
// unprivileged user "nobody" when the tests run as root (root writes into a
// read-only folder regardless); "" when the save went through.
std::string reasonAsAnOrdinaryUser(const std::function<Outcome<>()>& save) {
  int pipe[2];
  if (::pipe(pipe) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe[0]);
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
    const Outcome<> saved = save();
    const std::string reason = saved ? "" : saved.reason();
    const ssize_t written = ::write(pipe[1], reason.data(), reason.size());
    ::_exit(written == static_cast<ssize_t>(reason.size()) ? 0 : 3);
  }
  ::close(pipe[1]);
  std::string reason;
  char buffer[256];
  for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
    reason.append(buffer, static_cast<size_t>(got));
  ::close(pipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return "the child ended with " + std::to_string(status);
  return reason;
}

// A design saved into a folder the user may read but not write: the old
// file stays, nothing is left beside it, and the reason is in words.
TEST_F(WriteReplacing, AReadOnlyFolderKeepsTheOldFileAndSaysSo) {
  const fs::path target = dir / "d.cvd";
  std::ofstream(target) << "old design";
  fs::permissions(target, fs::perms::all);  // writable itself: the folder is what refuses
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                           fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  const std::string reason = reasonAsAnOrdinaryUser(
      [&] { return files::writeReplacing(target.string(), std::string(4096, 'x')); });
  fs::permissions(dir, fs::perms::owner_all);
  EXPECT_EQ(reason, "没有访问权限");
  EXPECT_EQ(testing::fileContents(target), "old design");
  EXPECT_TRUE(onlyHolds({"d.cvd"}));
}

TEST_F(WriteReplacing, APathThroughAFileSaysSoInWords) {
  std::ofstream(dir / "plain") << "x";
  Outcome<> written = files::writeReplacing((dir / "plain" / "d.cvd").string(), "design");
  ASSERT_FALSE(written.ok());
  EXPECT_EQ(written.reason(), "路径中有一段不是文件夹");
  EXPECT_EQ(testing::fileContents(dir / "plain"), "x");
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
  EXPECT_EQ(testing::fileContents(dir / "real" / "d.cvd"), "new");
  // a link to a file not yet there makes that file
  fs::create_symlink(dir / "real" / "next.cvd", dir / "next.cvd");
  ASSERT_TRUE(files::writeReplacing((dir / "next.cvd").string(), "first").ok());
  EXPECT_TRUE(fs::is_symlink(dir / "next.cvd"));
  EXPECT_EQ(testing::fileContents(dir / "real" / "next.cvd"), "first");
}

}  // namespace
}  // namespace corvane
