#include "bobbin/catalogue/watched_child_read.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <stdexcept>

namespace corvane {

namespace {

// The first byte of the child's answer says what follows.
constexpr char kValue = 'V';
constexpr char kReason = 'R';
// How often the parent looks at the child's size while it waits.
constexpr int kPollMs = 20;

// the reasons of a read that did not come to an end
constexpr const char* kReadFailed = "读取时出错";
constexpr const char* kNoChild = "无法启动读取进程";
constexpr const char* kTooMuchMemory = "读取所需的内存超出限度，文件可能已损坏";
constexpr const char* kTooLong = "读取超时，文件可能已损坏";
constexpr const char* kChildDied = "读取时出错，文件可能已损坏";

bool writeAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Resident bytes of a process, from /proc; 0 when it cannot be read.
std::size_t residentBytes(pid_t pid) {
  std::ifstream statm("/proc/" + std::to_string(pid) + "/statm");
  std::size_t total = 0;
  std::size_t resident = 0;
  if (!(statm >> total >> resident)) return 0;
  return resident * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

[[noreturn]] void runChild(int fd, const std::function<std::string()>& produce) {
  std::string answer;
  try {
    answer = kValue + produce();
  } catch (const std::runtime_error& error) {
    answer = kReason + std::string(error.what());
  } catch (...) {
    answer = kReason + std::string(kReadFailed);
  }
  // _exit: the parent's exit handlers and buffers are not the child's to run
  ::_exit(writeAll(fd, answer) ? 0 : 1);
}

void stop(pid_t child) {
  ::kill(child, SIGKILL);
  while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace

std::vector<std::string> watchedReadReasons() {
  return {kReadFailed, kNoChild, kTooMuchMemory, kTooLong, kChildDied};
}

Outcome<std::string> readInWatchedChild(const std::function<std::string()>& produce,
                                        const ChildLimits& limits) {
  int pipe[2];
  if (::pipe(pipe) != 0) return Failure{kNoChild};
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(pipe[0]);
    ::close(pipe[1]);
    return Failure{kNoChild};
  }
  if (child == 0) {
    ::close(pipe[0]);
    runChild(pipe[1], produce);
  }
  ::close(pipe[1]);

  const auto deadline = std::chrono::steady_clock::now() + limits.time;
  // the child starts as a copy of this process: only its growth counts
  const std::size_t startSize = residentBytes(child);
  std::string answer;
  std::string failure;
  for (;;) {
    pollfd ready{pipe[0], POLLIN, 0};
    const int polled = ::poll(&ready, 1, kPollMs);
    if (polled > 0) {
      char buffer[65536];
      const ssize_t n = ::read(pipe[0], buffer, sizeof buffer);
      if (n > 0) {
        answer.append(buffer, static_cast<size_t>(n));
        continue;
      }
      if (n == 0) break;  // the child closed its end: done or dead
      if (errno != EINTR) {
        failure = kReadFailed;
        break;
      }
    } else if (polled < 0 && errno != EINTR) {
      failure = kReadFailed;
      break;
    }
    if (residentBytes(child) > startSize + limits.memoryBytes) {
      failure = kTooMuchMemory;
      break;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      failure = kTooLong;
      break;
    }
  }
  ::close(pipe[0]);
  if (!failure.empty()) {
    stop(child);
    return Failure{failure};
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || answer.empty()) return Failure{kChildDied};
  if (answer.front() == kReason) return Failure{answer.substr(1)};
  return answer.substr(1);
}

}  // namespace corvane
