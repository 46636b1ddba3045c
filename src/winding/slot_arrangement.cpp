#include "winding/slot_arrangement.h"

namespace corvane::winding {

SlotArrangement slotArrangement(bool oneSlotType, bool twoSlotType, bool drawerType) {
  if (oneSlotType) return SlotArrangement::SingleSlot;
  if (twoSlotType || drawerType) return SlotArrangement::TwoSlots;
  return SlotArrangement::NoneSelected;
}

int groupOfRow(int row, bool twoPrimaries) {
  const int primaries = twoPrimaries ? 2 : 1;
  return row < primaries ? -1 : row - primaries;
}

std::vector<PlannedRow> plannedRows(bool twoPrimaries, int lastGroup, SlotArrangement arrangement,
                                    int highestRow) {
  std::vector<PlannedRow> rows;
  rows.push_back({0, RowRole::FirstPrimary, -1, 1});
  if (twoPrimaries && highestRow >= 1) rows.push_back({1, RowRole::SecondPrimary, -1, 1});
  if (arrangement == SlotArrangement::NoneSelected) return rows;
  const int slot = arrangement == SlotArrangement::SingleSlot ? 1 : 2;
  const int first = twoPrimaries ? 2 : 1;
  for (int group = 0; group <= lastGroup; ++group) {
    const int row = first + group;
    if (row > highestRow) break;
    rows.push_back({row, RowRole::Secondary, group, slot});
  }
  return rows;
}

}  // namespace corvane::winding
