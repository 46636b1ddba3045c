#include <gtest/gtest.h>

#include "winding/slot_arrangement.h"

namespace corvane::winding {
namespace {

std::vector<std::pair<int, int>> rowsAndSlots(bool twoPrimaries, int lastGroup,
                                              SlotArrangement arrangement, int highestRow) {
  std::vector<std::pair<int, int>> out;
  for (const PlannedRow& row : plannedRows(twoPrimaries, lastGroup, arrangement, highestRow))
    out.emplace_back(row.row, row.slot);
  return out;
}

TEST(SlotArrangement, OptionsChooseTheArrangement) {
  EXPECT_EQ(slotArrangement(true, false, false), SlotArrangement::SingleSlot);
  EXPECT_EQ(slotArrangement(false, true, false), SlotArrangement::TwoSlots);
  EXPECT_EQ(slotArrangement(false, false, true), SlotArrangement::TwoSlots);
  EXPECT_EQ(slotArrangement(false, false, false), SlotArrangement::NoneSelected);
}

TEST(SlotArrangement, PrimariesFirstThenTheSecondariesInTheirSlot) {
  using P = std::vector<std::pair<int, int>>;
  EXPECT_EQ(rowsAndSlots(false, 2, SlotArrangement::SingleSlot, 3),
            (P{{0, 1}, {1, 1}, {2, 1}, {3, 1}}));
  EXPECT_EQ(rowsAndSlots(true, 1, SlotArrangement::TwoSlots, 3),
            (P{{0, 1}, {1, 1}, {2, 2}, {3, 2}}));
  EXPECT_EQ(rowsAndSlots(true, 1, SlotArrangement::NoneSelected, 3), (P{{0, 1}, {1, 1}}));
  // never past the table's last row
  EXPECT_EQ(rowsAndSlots(false, 5, SlotArrangement::SingleSlot, 2), (P{{0, 1}, {1, 1}, {2, 1}}));
}

TEST(SlotArrangement, SecondaryRowsBelongToTheirGroups) {
  const auto rows = plannedRows(true, 1, SlotArrangement::SingleSlot, 3);
  EXPECT_EQ(rows[2].group, 0);
  EXPECT_EQ(rows[3].group, 1);
  EXPECT_EQ(groupOfRow(1, true), -1);
  EXPECT_EQ(groupOfRow(1, false), 0);
}

TEST(SlotArrangement, BuildBelowCountsEachSlotApart) {
  BuildBelow builds;
  builds.add(1, 1.7);
  builds.add(1, 0.8);
  EXPECT_DOUBLE_EQ(builds.before(1), 2.5);
  EXPECT_EQ(builds.before(2), 0);
  builds.add(2, 1.1);
  EXPECT_DOUBLE_EQ(builds.before(2), 1.1);
}

}  // namespace
}  // namespace corvane::winding
