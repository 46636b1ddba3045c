#include "bobbin/tape_and_paper.h"

#include <array>

#include "model/value.h"

namespace corvane::bobbin {

namespace {

struct TapeRow {
  double maxLength;
  double tapeWidth;
  const char* paper;
  const char* paper2;
};

// Cores longer than the last row: tape a little wider than the slot, papers
// cut to the base side plus a 15 mm overlap.
struct LargeCoreRule {
  double fromLength;
  bool fromIncluded;
  const char* paperLength;
  const char* paper2Length;
};

// L up to (mm), tape width (mm), paper and second paper (thickness * width * length, mm);
// the leading blanks are part of the texts the sheet shows
constexpr std::array<TapeRow, 12> kTwoSlotRows{{
    {25, 5, " 0.3 * 16 * 4.5", " 0.3 * 16 * 2"},
    {28, 6, "0.3 * 18 * 5", "0.3 * 18 * 2"},
    {30, 6.5, "0.3 * 18 * 5", "0.3 * 18 * 2"},
    {35, 8.5, " 0.3 * 25 * 7", " 0.3 * 25 * 4"},
    {41, 10, " 0.3 * 25 *7", " 0.3 * 25 * 4"},
    {48, 10.5, " 0.3 * 30 * 9", " 0.3 * 30 * 5"},
    {57, 12.5, " 0.5 * 30 * 9", " 0.5 * 30 * 5"},
    {66, 15, " 0.5 * 40 * 13", " 0.5 * 40 * 8"},
    {76, 17, "0.5 * 40 * 13", "0.5 * 40 * 8"},
    {86, 20, " 0.5 * 40 * 13", " 0.5 * 40 * 8"},
    {96, 23, "0.5 * 45 * 17", "0.5 * 45 * 12"},
    {114, 26, "0.5 * 52 * 17", "0.5 * 45 * 12"},
}};

// L up to (mm), tape width (mm), paper and second paper (thickness * width * length, mm)
constexpr std::array<TapeRow, 12> kOneSlotRows{{
    {25, 11, " 0.3 * 16 * 9.5", " 0.3 * 16 * 5"},
    {28, 16, "0.3 * 18 * 12", "0.3 * 18 * 7"},
    {30, 15, "0.3 * 18 * 13", "0.3 * 18 * 8"},
    {35, 18, " 0.3 * 25 * 17", " 0.3 * 25 * 12"},
    {41, 20, " 0.3 * 25 * 19", " 0.3 * 25 * 14"},
    {48, 18, " 0.3 * 28 * 22", " 0.3 * 28 * 18"},
    {57, 26.5, " 0.5 * 30 * 25", " 0.5 * 30 * 20"},
    {66, 31, " 0.5 * 40 * 30", " 0.5 * 40 * 25"},
    {76, 36, "0.5 * 40 * 35", "0.5 * 40 * 30"},
    {86, 41, " 0.5 * 40 * 40", " 0.5 * 40 * 35"},
    {96, 45, "0.5 * 44 * 44", "0.5 * 44 * 35"},
    {114, 53, "0.5 * 52 * 52", "0.5 * 52 * 35"},
}};

// the two-slot rule starts at 133 mm itself, the one-slot rule just above it
constexpr LargeCoreRule kTwoSlotLarge{133, true, "17", "12"};
constexpr LargeCoreRule kOneSlotLarge{133, false, "35", "35"};

}  // namespace

std::optional<TapeAndPaper> tapeAndPaper(SlotLayout layout, double length, double slotWidth,
                                         double baseSide) {
  bool single = layout == SlotLayout::Single;
  const auto& rows = single ? kOneSlotRows : kTwoSlotRows;
  for (const TapeRow& row : rows)
    if (length <= row.maxLength)
      return TapeAndPaper{generalFormat(row.tapeWidth), row.paper, row.paper2};

  const LargeCoreRule& large = single ? kOneSlotLarge : kTwoSlotLarge;
  bool applies = large.fromIncluded ? length >= large.fromLength : length > large.fromLength;
  if (!applies) return std::nullopt;
  std::string paperWidth = "0.5*" + generalFormat(baseSide + 15) + "*";
  return TapeAndPaper{generalFormat(slotWidth + 0.5), paperWidth + large.paperLength,
                      paperWidth + large.paper2Length};
}

}  // namespace corvane::bobbin
