// A disk that fills up: while one of these lives, no file of the process can
// grow past `bytes`, and a write beyond it fails (EFBIG) as a write to a full
// disk fails, instead of ending the process with SIGXFSZ.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace corvane::testing {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = SIG_DFL;
};

}  // namespace corvane::testing
