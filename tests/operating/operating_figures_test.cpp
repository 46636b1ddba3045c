// The figures of the analysis from plain readings: what a missing or
// impossible input leaves empty (with its reason), and the mains columns
// through the steel's curve.
#include <gtest/gtest.h>

#include <string>

#include "operating/operating_figures.h"

namespace corvane::operating {
namespace {

// A complete design: 220 V, a core of the DW360 curve at 1.5 T, a winding
// table with 1000 primary turns, one 12 V / 2 A bridge group.
DesignReading completeDesign() {
  DesignReading d;
  d.tolerance = Reading::of(10);
  d.primaryVoltage = Reading::of(220);
  d.fluxDensity = Reading::of(1.5);
  d.ironLoss = Reading::of(0);  // so I0 is the magnetising current alone
  d.pathLength = Reading::of(100);
  d.grade = "H14";
  d.ratedFluxDensity = 1.61;
  d.coilSurface = 28.88;
  d.coreSurface = 72.24;
  d.allowedRise = 95;
  GroupReading group;
  group.name = "W1";
  group.circuit = "全桥电容";
  group.diode = "硅管";
  group.voltage = 12;
  group.current = 2;
  group.windingVoltage = Reading::of(14.878);
  d.groups.push_back(group);
  d.primaryTurns = Reading::of(1000);
  d.primaryResistance = Reading::of(75175.4);
  d.noLoadCurrent = Figure::shown("0.0110");
  d.copperLoss = Reading::of(9.283);
  return d;
}

TEST(OperatingFigures, HighMainsFindsTheBandOfTheFluxDensityItShows) {
  const OperatingFigures f = operatingFigures(completeDesign());
  EXPECT_EQ(f.fluxDensity[2].text, "1.650");
  // 1.5 T × 1.1 is the band up to 1.65 T (H = 19 A/cm), not the next one
  // (H = 20): I0 = 0.1 × 100 mm × 19 / 1000 turns
  EXPECT_EQ(f.noLoadCurrent[2].text, "0.1900");
  // 1.35 T at low mains: the band up to 1.4 T, H = 6
  EXPECT_EQ(f.noLoadCurrent[0].text, "0.0600");
  EXPECT_EQ(f.noLoadCurrent[1].text, "0.0110");  // the structure form's, as shown
}

TEST(OperatingFigures, WithoutAWindingTableOnlyTheCoresFiguresShow) {
  DesignReading d = completeDesign();
  const std::string why = "结构仿真窗体未打开，尚无绕组数据";
  d.primaryTurns = d.primaryResistance = d.copperLoss = Reading::none(why);
  d.noLoadCurrent = Figure::empty(why);
  d.groups[0].windingVoltage = Reading::none(why);
  const OperatingFigures f = operatingFigures(d);
  for (int k = 0; k < kMainsColumns; ++k) {
    EXPECT_FALSE(f.mainsVoltage[k].text.empty());
    EXPECT_FALSE(f.ironLoss[k].text.empty());
    for (const Figure* empty : {&f.noLoadCurrent[k], &f.loadRise[k], &f.enclosedRise[k],
                                &f.verdict[k], &f.groups[0].noLoadOutput[k]}) {
      EXPECT_EQ(empty->text, "") << k;
      EXPECT_EQ(empty->reason, why) << k;
    }
  }
  EXPECT_EQ(f.groups[0].capacitorRating.text, "");
  EXPECT_EQ(f.outputPower[3].text, "24.00");  // the nameplate needs no winding
  EXPECT_EQ(f.efficiency[3].reason, why);
  EXPECT_EQ(f.averageEfficiency.text, "");
  EXPECT_EQ(f.noLoadInputPower.text, "");
  EXPECT_EQ(f.adapterClass.text, "基本电压");
  EXPECT_EQ(f.requiredEfficiency.text, "86.2");
  EXPECT_EQ(f.adapterVerdict.text, "");
  EXPECT_EQ(f.adapterVerdict.reason, why);
}

TEST(OperatingFigures, ImpossibleInputsLeaveTheirFiguresEmpty) {
  DesignReading noSurface = completeDesign();
  noSurface.coreSurface = 0;  // the load run shows no rise either
  const OperatingFigures cool = operatingFigures(noSurface);
  EXPECT_EQ(cool.loadRise[1].text, "");
  EXPECT_NE(cool.loadRise[1].reason, "");
  EXPECT_EQ(cool.verdict[1].text, "");

  DesignReading huge = completeDesign();
  huge.primaryVoltage = Reading::of(1.7e308);  // 110 % of it is no number
  huge.copperLoss = Reading::of(1e308);
  const OperatingFigures over = operatingFigures(huge);
  EXPECT_EQ(over.mainsVoltage[2].text, "");
  EXPECT_NE(over.mainsVoltage[2].reason, "");
  EXPECT_EQ(over.loadRise[1].text, "");
  for (const Figure& efficiency : over.efficiency) EXPECT_EQ(efficiency.text, "0.0");

  DesignReading noTurns = completeDesign();
  noTurns.primaryTurns = Reading::of(0);
  EXPECT_EQ(operatingFigures(noTurns).noLoadCurrent[0].text, "");

  DesignReading noCurve = completeDesign();
  noCurve.grade = "50H700";
  EXPECT_EQ(operatingFigures(noCurve).noLoadCurrent[2].reason, "牌号“50H700”没有磁化曲线");
}

TEST(OperatingFigures, AToleranceOutsideItsRangeEmptiesEveryColumnAndNothingElse) {
  DesignReading d = completeDesign();
  d.tolerance = Reading::of(100);
  const OperatingFigures f = operatingFigures(d);
  EXPECT_FALSE(f.factors);
  for (int k = 0; k < kMainsColumns; ++k) {
    EXPECT_EQ(f.mainsVoltage[k].text, "");
    EXPECT_EQ(f.groups[0].noLoadOutput[k].text, "");
    EXPECT_NE(f.groups[0].noLoadOutput[k].reason, "");
  }
  EXPECT_EQ(f.averageEfficiency.text, operatingFigures(completeDesign()).averageEfficiency.text);
}

}  // namespace
}  // namespace corvane::operating
