#include "bobbin/tape_and_paper.h"

#include <gtest/gtest.h>

namespace corvane::bobbin {
namespace {

struct TapeCase {
  SlotLayout layout;
  double length;
  const char* tape;  // nullptr: nothing written
  const char* paper;
  const char* paper2;
};

class TapeBands : public ::testing::TestWithParam<TapeCase> {};

TEST_P(TapeBands, LengthSelectsTheFirstRowNotBelowIt) {
  const TapeCase& c = GetParam();
  // slot width 30 and base side 48 only matter for the largest cores
  auto supplies = tapeAndPaper(c.layout, c.length, 30, 48);
  if (!c.tape) {
    EXPECT_FALSE(supplies.has_value());
    return;
  }
  ASSERT_TRUE(supplies.has_value());
  EXPECT_EQ(supplies->tapeWidth, c.tape);
  EXPECT_EQ(supplies->paper, c.paper);
  EXPECT_EQ(supplies->paper2, c.paper2);
}

constexpr SlotLayout kOne = SlotLayout::Single;
constexpr SlotLayout kTwo = SlotLayout::Double;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bands, TapeBands, ::testing::Values(
    TapeCase{kTwo, 0,      "5",    " 0.3 * 16 * 4.5", " 0.3 * 16 * 2"},
    TapeCase{kTwo, -3,     "5",    " 0.3 * 16 * 4.5", " 0.3 * 16 * 2"},
    TapeCase{kTwo, 25,     "5",    " 0.3 * 16 * 4.5", " 0.3 * 16 * 2"},
    TapeCase{kTwo, 25.01,  "6",    "0.3 * 18 * 5",    "0.3 * 18 * 2"},
    TapeCase{kTwo, 40,     "10",   " 0.3 * 25 *7",    " 0.3 * 25 * 4"},
    TapeCase{kTwo, 114,    "26",   "0.5 * 52 * 17",   "0.5 * 45 * 12"},
    TapeCase{kTwo, 120,    nullptr, nullptr,          nullptr},
    TapeCase{kTwo, 132.9,  nullptr, nullptr,          nullptr},
    TapeCase{kTwo, 133,    "30.5", "0.5*63*17",       "0.5*63*12"},
    TapeCase{kTwo, 140,    "30.5", "0.5*63*17",       "0.5*63*12"},
    TapeCase{kOne, 25,     "11",   " 0.3 * 16 * 9.5", " 0.3 * 16 * 5"},
    TapeCase{kOne, 48,     "18",   " 0.3 * 28 * 22",  " 0.3 * 28 * 18"},
    TapeCase{kOne, 57,     "26.5", " 0.5 * 30 * 25",  " 0.5 * 30 * 20"},
    TapeCase{kOne, 114.5,  nullptr, nullptr,          nullptr},
    TapeCase{kOne, 133,    nullptr, nullptr,          nullptr},
    TapeCase{kOne, 140,    "30.5", "0.5*63*35",       "0.5*63*35"}));
// clang-format on

TEST(LargeCoreTape, FollowsTheSlotAndBaseInGeneralFormat) {
  auto supplies = tapeAndPaper(SlotLayout::Single, 150, 20.25, 49.5);
  ASSERT_TRUE(supplies.has_value());
  EXPECT_EQ(supplies->tapeWidth, "20.75");
  EXPECT_EQ(supplies->paper, "0.5*64.5*35");
}

}  // namespace
}  // namespace corvane::bobbin
