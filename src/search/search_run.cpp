#include "search/search_run.h"

#include <algorithm>

namespace corvane::search {

SearchRun::SearchRun(SearchBase base, std::vector<Candidate> candidates,
                     RegisterForms registerForms, int jobs, SkipRule skip)
    : base_(std::move(base)),
      candidates_(std::move(candidates)),
      registerForms_(std::move(registerForms)),
      skip_(std::move(skip)) {
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  jobs_ = jobs > 0 ? jobs : cores;
  // no more threads than candidates
  jobs_ = static_cast<int>(std::max<size_t>(1, std::min<size_t>(jobs_, candidates_.size())));
}

SearchRun::~SearchRun() {
  stop();
  for (std::thread& thread : threads_)
    if (thread.joinable()) thread.join();
}

void SearchRun::start() {
  if (started_) return;
  started_ = true;
  start_ = std::chrono::steady_clock::now();
  running_ = jobs_;
  for (int i = 0; i < jobs_; ++i) threads_.emplace_back([this] { work(); });
}

void SearchRun::stop() {
  stopRequested_ = true;
}

void SearchRun::wait() {
  for (std::thread& thread : threads_)
    if (thread.joinable()) thread.join();
  std::lock_guard lock(mutex_);
  if (fault_) std::rethrow_exception(std::exchange(fault_, nullptr));
}

void SearchRun::work() {
  try {
    std::unique_ptr<CandidateRunner> runner;
    while (!stopRequested_) {
      const size_t at = next_++;
      if (at >= candidates_.size()) break;
      const Candidate& candidate = candidates_[at];
      CandidateResult result;
      if (std::string reason = skip_ ? skip_(candidate) : std::string(); !reason.empty()) {
        result.candidate = candidate;
        result.skipped = true;
        result.reason = std::move(reason);
      } else {
        // the workspace is made on the thread that uses it
        if (!runner) runner = std::make_unique<CandidateRunner>(base_, registerForms_);
        result = runner->run(candidate);
      }
      {
        std::lock_guard lock(mutex_);
        finished_.push_back(std::move(result));
      }
      ++done_;
    }
  } catch (...) {
    std::lock_guard lock(mutex_);
    if (!fault_) fault_ = std::current_exception();
    stopRequested_ = true;
  }
  --running_;
}

std::vector<CandidateResult> SearchRun::takeResults() {
  std::lock_guard lock(mutex_);
  return std::exchange(finished_, {});
}

double SearchRun::elapsedSeconds() const {
  if (!started_) return 0;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

std::optional<double> SearchRun::secondsLeft() const {
  const size_t finishedCount = done();
  if (finishedCount == 0) return std::nullopt;
  const double perCandidate = elapsedSeconds() / static_cast<double>(finishedCount);
  return perCandidate * static_cast<double>(total() - std::min(total(), finishedCount));
}

std::vector<CandidateResult> runSearch(SearchBase base, std::vector<Candidate> candidates,
                                       RegisterForms registerForms, int jobs, SkipRule skip) {
  SearchRun run(std::move(base), std::move(candidates), std::move(registerForms), jobs,
                std::move(skip));
  run.start();
  run.wait();
  std::vector<CandidateResult> results = run.takeResults();
  std::sort(results.begin(), results.end(), [](const CandidateResult& a, const CandidateResult& b) {
    return a.candidate.id < b.candidate.id;
  });
  return results;
}

}  // namespace corvane::search
