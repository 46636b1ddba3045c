// One search on threads of its own: each thread has its own workspace and
// host and takes the next candidate not yet taken, so nothing a candidate
// changes is shared. The base design and the candidate list are read by
// every thread and written by none. Finished results wait, in the order they
// finish, until the owner takes them. The threads first sort out together
// the candidates the skip rule leaves out (a few hundredths of a millisecond
// each, against a millisecond or more for a run), so the time left counts
// only the candidates still to run.
#pragma once

#include <atomic>
#include <chrono>
#include <exception>
#include <functional>
#include <latch>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "search/candidate_result.h"
#include "search/candidate_runner.h"
#include "search/search_base.h"

namespace corvane::search {

// Decides a candidate is certainly infeasible without running it: the
// reason ("skipped: …"), or "" to run it.
using SkipRule = std::function<std::string(const Candidate&)>;

class SearchRun {
 public:
  // `jobs` threads (at least one; 0 for one per core).
  SearchRun(SearchBase base, std::vector<Candidate> candidates, RegisterForms registerForms,
            int jobs, SkipRule skip = {});
  // Stops the threads and waits for them.
  ~SearchRun();
  SearchRun(const SearchRun&) = delete;
  SearchRun& operator=(const SearchRun&) = delete;

  void start();
  // No candidate is started after this; those under way finish.
  void stop();
  // Waits for every thread to end. A fault of the program inside a thread
  // (a ProgrammingError) is raised here, after the others have stopped.
  void wait();
  bool finished() const { return running_.load() == 0 && started_; }
  bool stopped() const { return stopRequested_.load(); }

  // The results finished since the last call, in the order they finished.
  std::vector<CandidateResult> takeResults();

  size_t total() const { return candidates_.size(); }
  size_t done() const { return done_.load(); }
  // Seconds since the start.
  double elapsedSeconds() const;
  // Seconds still to go at the pace of the candidates run so far; none
  // before the skipped ones are known and the first candidate has run.
  std::optional<double> secondsLeft() const;
  int jobs() const { return jobs_; }

  const SearchBase& base() const { return base_; }
  const std::vector<Candidate>& candidates() const { return candidates_; }

 private:
  void work();
  void sortOutSkipped();

  const SearchBase base_;
  const std::vector<Candidate> candidates_;
  const RegisterForms registerForms_;
  const SkipRule skip_;
  int jobs_ = 1;
  bool started_ = false;
  std::chrono::steady_clock::time_point start_;

  // the skip rule's reason for each candidate, "" to run it: each written by
  // one thread before the latch, read by any after it
  std::vector<std::string> skipReasons_;
  std::atomic<size_t> nextSorted_{0};
  std::atomic<size_t> toRun_{0};
  std::atomic<int> sorting_{0};  // threads still sorting out the skipped
  // seconds from the start to the end of the sorting; below 0 before
  std::atomic<double> sortedAt_{-1};
  std::unique_ptr<std::latch> sorted_;
  std::atomic<size_t> next_{0};
  std::atomic<size_t> done_{0};
  std::atomic<size_t> runDone_{0};  // of them run, not skipped
  std::atomic<int> running_{0};
  std::atomic<bool> stopRequested_{false};
  std::vector<std::thread> threads_;

  std::mutex mutex_;  // guards what follows
  std::vector<CandidateResult> finished_;
  std::exception_ptr fault_;
};

// Runs the whole search on the calling thread and its helpers and gives
// every result, in candidate order.
std::vector<CandidateResult> runSearch(SearchBase base, std::vector<Candidate> candidates,
                                       RegisterForms registerForms, int jobs, SkipRule skip = {});

}  // namespace corvane::search
