// One output group's conversion as plain values: the worked groups of the
// rectifier table, the capacitor range and the shares of the primary current.
#include <gtest/gtest.h>

#include "electrical/electrical_tables.h"
#include "electrical/group_conversion.h"
#include "model/value.h"

namespace corvane::electrical {
namespace {

struct Worked {
  const char* circuit;
  const char* diode;
  double volts, amps;
  const char *ac, *current, *power;
};

TEST(GroupConversion, WorkedGroupsThroughTheTables) {
  const Worked cases[] = {
      {"全桥电容", "硅管", 12, 2, "12.2", "3.3", "40.3"},
      {"半波电阻", "无", 10, 1, "22.6", "1.57", "35.5"},
      {"无", "无", 7.5, 0.4, "7.5", "0.4", "3.0"},
  };
  for (const Worked& w : cases) {
    const RectifierCircuit* circuit = findRectifierCircuit(w.circuit);
    const RectifierDiode* diode = findRectifierDiode(w.diode);
    ASSERT_TRUE(circuit && diode) << w.circuit;
    const std::string ac = acVoltageText(circuit->voltageFactor, w.volts, Val(diode->dropText),
                                         circuit->diodesInSeries);
    const std::string current = acCurrentText(circuit->currentFactor, w.amps);
    EXPECT_EQ(ac, w.ac) << w.circuit;
    EXPECT_EQ(current, w.current) << w.circuit;
    EXPECT_EQ(groupPowerText(Val(current), Val(ac)), w.power) << w.circuit;
  }
}

TEST(GroupConversion, CapacitorRangeNeedsVoltageCurrentAndFrequency) {
  EXPECT_EQ(capacitorRangeText(12, 1, 50), "2653uF-6634uF");
  EXPECT_EQ(capacitorRangeText(12, 0, 50), std::nullopt);
  EXPECT_EQ(capacitorRangeText(12, 1, 0), std::nullopt);
}

TEST(GroupConversion, SharesOfThePrimaryCurrentAreRoundedToOneMilliampere) {
  const double total =
      primaryCurrentShare(12.2, 3.3, 220, 0) + primaryCurrentShare(22.6, 1.57, 220, 0);
  EXPECT_EQ(generalFormat(total), "0.344");  // 0.183 + 0.161
  EXPECT_THROW(primaryCurrentShare(12.2, 3.3, 0, 0), RecalcAbort);
}

TEST(GroupConversion, NoLoadVoltageRaisedByTheRegulation) {
  EXPECT_EQ(noLoadVoltageText(20, 10), "22.222");
  EXPECT_THROW(noLoadVoltageText(20, 100), RecalcAbort);
}

}  // namespace
}  // namespace corvane::electrical
