#include <gtest/gtest.h>

#include "simulation/core_curves.h"

namespace corvane::simulation {
namespace {

TEST(CoreCurves, EveryCurveRisesStepByStepToItsSaturation) {
  for (const CoreCurve& curve : coreCurves()) {
    for (size_t i = 1; i < curve.bands.size(); ++i) {
      EXPECT_LT(curve.bands[i - 1].upTo, curve.bands[i].upTo) << curve.name << " band " << i;
      EXPECT_LT(curve.bands[i - 1].h, curve.bands[i].h) << curve.name << " band " << i;
    }
    // no flux density below the threshold falls outside a band
    EXPECT_EQ(curve.bands.back().upTo, curve.saturatedAbove) << curve.name;
  }
}

TEST(CoreCurves, GradesPickTheirCurveByExactText) {
  EXPECT_EQ(curveForGrade("50H800")->name, "h800io");
  EXPECT_EQ(curveForGrade("50H600")->name, "dw540io");
  EXPECT_EQ(curveForGrade("H14")->name, "DW360io");
  EXPECT_EQ(curveForGrade("35Z165")->name, "Z11io");
  for (const char* none : {"H12", "50H310", "50H400", "50H470", "50H700", "50h800", ""})
    EXPECT_EQ(curveForGrade(none), nullptr) << none;
  // no grade sits on two curves
  for (const CoreCurve& a : coreCurves())
    for (std::string_view grade : a.grades) EXPECT_EQ(curveForGrade(grade), &a) << grade;
}

TEST(CoreCurves, ABoundBelongsToItsOwnBand) {
  const CoreCurve& dw540 = *curveForGrade("H23");
  EXPECT_EQ(bandFor(dw540, 1.3)->h, 6);
  EXPECT_EQ(bandFor(dw540, 1.31)->h, 6.5);
  EXPECT_EQ(bandFor(dw540, 0.1)->h, 1.5);
  // between 1.59 T and the 1.6 T threshold the last band holds
  EXPECT_EQ(bandFor(dw540, 1.595)->h, 17);
  EXPECT_EQ(bandFor(dw540, 1.61), nullptr);
  const CoreCurve& z11 = *curveForGrade("Z11");
  EXPECT_EQ(bandFor(z11, 8000)->h, 0.21);
  EXPECT_EQ(bandFor(z11, 15700)->h, 0.463);
  EXPECT_EQ(bandFor(z11, 18000)->h, 2.25);
}

}  // namespace
}  // namespace corvane::simulation
