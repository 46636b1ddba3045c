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
  sorting_ = jobs_;
  skipReasons_.assign(candidates_.size(), std::string());
  sorted_ = std::make_unique<std::latch>(jobs_);
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

void SearchRun::sortOutSkipped() {
  size_t toRun = 0;
  try {
    while (!stopRequested_) {
      const size_t at = nextSorted_++;
      if (at >= candidates_.size()) break;
      if (skip_) skipReasons_[at] = skip_(candidates_[at]);
      if (skipReasons_[at].empty()) ++toRun;
    }
  } catch (...) {
    std::lock_guard lock(mutex_);
    if (!fault_) fault_ = std::current_exception();
    stopRequested_ = true;
  }
  toRun_ += toRun;
  // the last thread to finish marks when the runs began
  const double now = elapsedSeconds();
  if (--sorting_ == 0) sortedAt_ = now;
  // every thread comes here, faulty or not, so none waits for ever
  sorted_->arrive_and_wait();
}

void SearchRun::work() {
  sortOutSkipped();
  try {
    std::unique_ptr<CandidateRunner> runner;
    while (!stopRequested_) {
      const size_t at = next_++;
      if (at >= candidates_.size()) break;
      const Candidate& candidate = candidates_[at];
      CandidateResult result;
      if (!skipReasons_[at].empty()) {
        result.candidate = candidate;
        result.skipped = true;
        result.reason = skipReasons_[at];
      } else {
        // the workspace is made on the thread that uses it
        if (!runner) runner = std::make_unique<CandidateRunner>(base_, registerForms_);
        result = runner->run(candidate);
        ++runDone_;
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
  const size_t ran = runDone_.load();
  const double sortedAt = sortedAt_.load();
  if (!started_ || sortedAt < 0 || ran == 0) return std::nullopt;
  const size_t toRun = toRun_.load();
  const double perCandidate = (elapsedSeconds() - sortedAt) / static_cast<double>(ran);
  return perCandidate * static_cast<double>(toRun - std::min(toRun, ran));
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
