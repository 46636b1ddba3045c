// How the windings share the bobbin's slots, and which rows a recalculation
// lays out in which slot and in which order.
#pragma once

#include <vector>

namespace corvane::winding {

enum class SlotArrangement {
  SingleSlot,    // 工字: every winding one over the other in slot 1
  TwoSlots,      // 王字 or 抽屉式: primaries in slot 1, secondaries in slot 2
  NoneSelected,  // no bobbin type chosen: only the primaries are laid out
};

SlotArrangement slotArrangement(bool oneSlotType, bool twoSlotType, bool drawerType);

enum class RowRole { FirstPrimary, SecondPrimary, Secondary };

// One row a recalculation evaluates: its role, the output group of a
// secondary (-1 for a primary) and the slot (1 or 2) it is wound in.
struct PlannedRow {
  int row;
  RowRole role;
  int group;
  int slot;
};

// The rows in the order they are laid out: the primaries (row 0, then row 1
// with two primaries), then the secondaries of output groups 0..lastGroup in
// ascending row order, in the slot the arrangement gives them; no secondary
// when no type is chosen. Rows above `highestRow` (the table's last row) are
// left out.
std::vector<PlannedRow> plannedRows(bool twoPrimaries, int lastGroup, SlotArrangement arrangement,
                                    int highestRow);

// The output group of a row (-1 for a primary row).
int groupOfRow(int row, bool twoPrimaries);

// The build already wound in each slot as the rows are placed in order: the
// base a row starts from is the sum of the thicknesses of the rows before it
// in the same slot (mm).
class BuildBelow {
 public:
  double before(int slot) const { return slot == 2 ? slot2_ : slot1_; }
  void add(int slot, double thickness) { (slot == 2 ? slot2_ : slot1_) += thickness; }

 private:
  double slot1_ = 0;
  double slot2_ = 0;
};

}  // namespace corvane::winding
