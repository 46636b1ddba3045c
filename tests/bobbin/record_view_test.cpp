#include "bobbin/record_view.h"

#include <gtest/gtest.h>

namespace corvane::bobbin {
namespace {

std::vector<BobbinRecord> parts(std::initializer_list<const char*> numbers) {
  std::vector<BobbinRecord> rows;
  for (const char* number : numbers) {
    BobbinRecord row;
    row.partno = number;
    rows.push_back(row);
  }
  return rows;
}

TEST(RecordView, MovesStopAtBothEnds) {
  RecordView view;
  view.setRecords(parts({"a", "b", "c"}));
  EXPECT_EQ(view.current()->partno, "a");
  EXPECT_FALSE(view.previous());
  EXPECT_TRUE(view.next());
  EXPECT_EQ(view.positionText(), "记录 2/3");
  EXPECT_TRUE(view.last());
  EXPECT_FALSE(view.next());
  EXPECT_FALSE(view.last());
  EXPECT_EQ(view.current()->partno, "c");
  EXPECT_TRUE(view.previous());
  EXPECT_TRUE(view.first());
  EXPECT_EQ(view.current()->partno, "a");
}

TEST(RecordView, EmptyResultHasNoCurrentRecord) {
  RecordView view;
  EXPECT_EQ(view.current(), nullptr);
  EXPECT_EQ(view.positionText(), "记录 0/0");
  EXPECT_FALSE(view.next());
  EXPECT_FALSE(view.last());
  view.setRecords(parts({"a", "b"}));
  view.last();
  view.clear();
  EXPECT_EQ(view.current(), nullptr);
  EXPECT_EQ(view.position(), 0);
}

TEST(RecordView, NewResultStartsAtItsFirstRow) {
  RecordView view;
  view.setRecords(parts({"a", "b", "c"}));
  view.last();
  view.setRecords(parts({"x", "y"}));
  EXPECT_EQ(view.current()->partno, "x");
  EXPECT_EQ(view.positionText(), "记录 1/2");
}

}  // namespace
}  // namespace corvane::bobbin
