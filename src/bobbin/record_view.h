// The record view of the bobbin catalogue: the rows a query found, one of
// them current, with first / previous / next / last moves. A new result
// starts at its first row.
#pragma once

#include <string>
#include <vector>

#include "bobbin/catalogue/bobbin_catalogue.h"

namespace corvane::bobbin {

class RecordView {
 public:
  void setRecords(std::vector<BobbinRecord> records);
  void clear() { setRecords({}); }
  // The rows at a saved position; false (and nothing changed) when the
  // position lies outside them.
  bool restore(std::vector<BobbinRecord> records, int position);
  const std::vector<BobbinRecord>& records() const { return records_; }

  // nullptr when the result is empty.
  const BobbinRecord* current() const;
  int count() const { return static_cast<int>(records_.size()); }
  // 0-based; 0 for an empty result.
  int position() const { return position_; }

  // Each returns true when the current row changed.
  bool first() { return moveTo(0); }
  bool previous() { return moveTo(position_ - 1); }
  bool next() { return moveTo(position_ + 1); }
  bool last() { return moveTo(count() - 1); }

  // "记录 2/5"; "记录 0/0" when nothing matched.
  std::string positionText() const;

 private:
  bool moveTo(int position);

  std::vector<BobbinRecord> records_;
  int position_ = 0;
};

}  // namespace corvane::bobbin
