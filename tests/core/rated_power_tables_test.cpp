#include "core/rated_power_tables.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvane::core {
namespace {

TEST(RatedPowerTablesTest, BandsAsTabledWithAscendingLimits) {
  struct Expected {
    const RatedPowerTable* table;
    size_t bands;
    double highest;
  };
  for (const Expected& e : {Expected{&kDw540Table, 27, 117}, Expected{&kDw360Table, 27, 125},
                            Expected{&kH800Table, 28, 111}}) {
    EXPECT_EQ(e.table->bands.size(), e.bands) << e.table->grade;
    EXPECT_EQ(e.table->highestPower(), e.highest) << e.table->grade;
    for (size_t i = 1; i < e.table->bands.size(); ++i)
      EXPECT_LT(e.table->bands[i - 1].powerLimit, e.table->bands[i].powerLimit)
          << e.table->grade << " band " << i;
  }
}

struct Pick {
  const RatedPowerTable* table;
  double power;
  double length;
  double stack;
  double currentDensity;
};

class BandPickTest : public ::testing::TestWithParam<Pick> {};

TEST_P(BandPickTest, TakesTheFirstBandNotBelowThePower) {
  const RatedPowerBand* band = bandFor(*GetParam().table, GetParam().power);
  ASSERT_NE(band, nullptr);
  EXPECT_EQ(band->length, GetParam().length);
  EXPECT_EQ(band->stack, GetParam().stack);
  EXPECT_EQ(band->currentDensity, GetParam().currentDensity);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Grades, BandPickTest, ::testing::Values(
    Pick{&kDw540Table, 6.8, 41, 20, 6.57},      // between 6.76 and 6.89
    Pick{&kDw540Table, 6.76, 38, 26, 7.91},     // a limit belongs to its own band
    Pick{&kDw540Table, 0, 30, 10, 4.17},
    Pick{&kDw540Table, -4, 30, 10, 4.17},
    Pick{&kDw540Table, 44, 60, 45, 6.01},       // EI60 stack 45 before stack 40
    Pick{&kDw540Table, 47.554, 60, 40, 5.9},
    Pick{&kDw540Table, 20, 48, 28, 8.38},       // the second EI48 x 28 band
    Pick{&kDw540Table, 117, 75, 50, 4.37},
    Pick{&kDw360Table, 45.5, 60, 35, 6.25},
    Pick{&kDw360Table, 90, 66, 40, 4.77},       // EI66 stack 40 after stack 44
    Pick{&kDw360Table, 125, 66, 50, 4.62},
    Pick{&kH800Table, 12.1, 42, 28, 8.87},
    Pick{&kH800Table, 111, 75, 50, 4.1}));
// clang-format on

TEST(RatedPowerTablesTest, AboveTheHighestPowerNoBand) {
  EXPECT_EQ(bandFor(kDw540Table, 118), nullptr);
  EXPECT_EQ(bandFor(kDw360Table, 125.01), nullptr);
  EXPECT_EQ(bandFor(kH800Table, 112), nullptr);
}

// The power is compared in single precision: a power above a limit by less
// than a float resolves still belongs to that limit's band.
TEST(RatedPowerTablesTest, ComparesInSinglePrecision) {
  double justAbove = std::nextafter(6.76, 7.0);
  ASSERT_GT(justAbove, 6.76);
  EXPECT_EQ(bandFor(kDw540Table, justAbove)->length, 38);
  EXPECT_NE(bandFor(kH800Table, 111.000001), nullptr);
  EXPECT_EQ(bandFor(kDw540Table, 6.7601)->length, 41);
}

}  // namespace
}  // namespace corvane::core
