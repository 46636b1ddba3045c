#include "bobbin/record_view.h"

namespace corvane::bobbin {

void RecordView::setRecords(std::vector<BobbinRecord> records) {
  records_ = std::move(records);
  position_ = 0;
}

bool RecordView::restore(std::vector<BobbinRecord> records, int position) {
  const int count = static_cast<int>(records.size());
  if (position < 0 || (position >= count && !(count == 0 && position == 0))) return false;
  records_ = std::move(records);
  position_ = position;
  return true;
}

const BobbinRecord* RecordView::current() const {
  return records_.empty() ? nullptr : &records_[position_];
}

bool RecordView::moveTo(int position) {
  if (position < 0 || position >= count() || position == position_) return false;
  position_ = position;
  return true;
}

std::string RecordView::positionText() const {
  int shown = records_.empty() ? 0 : position_ + 1;
  return "记录 " + std::to_string(shown) + "/" + std::to_string(count());
}

}  // namespace corvane::bobbin
