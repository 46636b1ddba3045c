// Files the tests write and read back: a private folder per test, and a
// file's bytes as one string.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>
#include <algorithm>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace corvane::testing {

// The whole file, byte for byte (no line-end translation); empty when it
// cannot be read.
inline std::string fileContents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A folder of its own for the running test, emptied when made and removed
// with all it holds afterwards. The process id keeps two runs of a suite
// apart; the test's name keeps the tests of one run apart.
class TestFolder {
 public:
  explicit TestFolder(const std::string& prefix)
      : path_(std::filesystem::temp_directory_path() /
              (prefix + "-" + std::to_string(::getpid()) + "-" + runningTestName())) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TestFolder() { std::filesystem::remove_all(path_); }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of `name` inside the folder.
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  // The running test's name as one path segment: a parameterised test is
  // named "Case/3", whose slash would leave the folder "Case" behind.
  static std::string runningTestName() {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '_');
    return name;
  }

  std::filesystem::path path_;
};

}  // namespace corvane::testing
