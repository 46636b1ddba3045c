// What one candidate came to: the figures its forms showed, whether it is
// feasible, and if not the first reason that failed, in words.
#pragma once

#include <string>
#include <vector>

#include "search/replay.h"
#include "search/search_space.h"

namespace corvane::search {

struct CandidateResult {
  Candidate candidate;
  bool skipped = false;  // not run: certainly infeasible
  bool feasible = false;
  std::string reason;  // "" for a feasible one
  // the texts the replay's print steps read, in their order, and the
  // messages the replay showed
  std::vector<std::string> printed;
  std::vector<std::string> messages;

  // the figures as the forms show them, without their units; all empty when
  // the design pass did not complete
  std::string loadRise;      // K
  std::string enclosedRise;  // K
  std::string noLoadRise;    // K
  std::string totalLoss;     // W
  std::string coreWeight;    // g
  std::string copperWeight;  // kg
  std::string fill;          // the fuller slot's fill, "0.00"
  std::string cost;          // 元

  // the same as numbers, for ranking and the plot; a figure with no number
  // reads 0 here and is never ranked (such a candidate is not feasible)
  double loadRiseValue() const;
  double lossValue() const;
  double costValue() const;
  double weightValue() const;  // core plus copper, g
};

// The number part of a text a form shows: "83.5℃" gives "83.5", "12.3W"
// gives "12.3"; "" when it starts with no number.
std::string numberPart(const std::string& text);

// Fills the figures of `result` from what the replay printed and the
// messages of its runs, and judges it: the pass incomplete (`incomplete`,
// the reason, "" when complete), the load run's verdict, the no-load run's,
// then the fill of each slot (`slotOfRow` gives the slot, 1 or 2, of each
// row of the table).
void judge(CandidateResult& result, const std::vector<ReplayStep>& steps,
           const std::string& incomplete, const std::vector<std::string>& loadMessages,
           const std::vector<std::string>& noLoadMessages, const std::vector<int>& slotOfRow);

}  // namespace corvane::search
