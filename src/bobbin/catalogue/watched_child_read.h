// Runs a reader of untrusted files in a child process the caller watches:
// a damaged catalogue file can make a third-party reader allocate without end
// or crash, and neither may take the program with it. The child's bytes come
// back through a pipe; a child that grows past its memory allowance, runs
// past its time or dies gives a reason instead.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "model/outcome.h"

namespace corvane {

struct ChildLimits {
  // Growth of the child's resident memory over what it started with.
  std::size_t memoryBytes = std::size_t{512} << 20;
  std::chrono::milliseconds time{20000};
};

// What `produce` returns, run in a child process; a text `produce` throws as
// std::runtime_error comes back as the failure's reason.
Outcome<std::string> readInWatchedChild(const std::function<std::string()>& produce,
                                        const ChildLimits& limits = {});

// Every reason readInWatchedChild gives of its own (the child's are the
// reader's), for the list of texts the interface translates.
std::vector<std::string> watchedReadReasons();

}  // namespace corvane
