// The watched reading process: what the reader gives comes back whole, and a
// reader that throws, grows without end, hangs or crashes gives a reason
// while this process goes on as before.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "bobbin/catalogue/watched_child_read.h"

namespace corvane {
namespace {

TEST(WatchedChildRead, TheReadersBytesComeBackWhole) {
  std::string big(300000, '\0');  // more than a pipe holds at once
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  Outcome<std::string> read = readInWatchedChild([&] { return big; });
  ASSERT_TRUE(read) << read.reason();
  EXPECT_EQ(read.value(), big);
  EXPECT_EQ(readInWatchedChild([] { return std::string(); }).value(), "");
}

TEST(WatchedChildRead, EveryWayAReaderFailsGivesAReason) {
  ChildLimits limits;
  limits.memoryBytes = std::size_t{64} << 20;
  limits.time = std::chrono::milliseconds(2000);
  struct Case {
    const char* what;
    std::function<std::string()> reader;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"throws", []() -> std::string { throw std::runtime_error("缺少表 EIB1"); }, "缺少表 EIB1"},
      {"grows without end",
       []() -> std::string {
         std::vector<std::vector<char>> blocks;
         for (;;) {
           blocks.emplace_back(std::size_t{1} << 20);
           std::memset(blocks.back().data(), 1, blocks.back().size());
         }
       },
       "读取所需的内存超出限度，文件可能已损坏"},
      {"hangs",
       []() -> std::string {
         std::this_thread::sleep_for(std::chrono::seconds(60));
         return "late";
       },
       "读取超时，文件可能已损坏"},
      {"crashes",
       []() -> std::string {
         std::raise(SIGKILL);
         return "never";
       },
       "读取时出错，文件可能已损坏"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Outcome<std::string> read = readInWatchedChild(c.reader, limits);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.reason(), c.reason);
  }
}

}  // namespace
}  // namespace corvane
