// The electromagnetic parameter tool: allowed flux density, copper loss and
// current density by the thermal route and by the regulation route.
#include <gtest/gtest.h>

#include "core/core_fixture.h"

namespace corvane::testing {
namespace {

class ParameterToolTest : public CoreTest {
 protected:
  // ΔT 55 K, α 0.0013, FC 80 cm², FM 30 cm², We 300 g, P15 3.6 W/kg, Pc 1 W
  // (the material and the weight first: their cascades rewrite loss and surfaces)
  void thermalCase() {
    setMaterial(2, "3.6");
    set("txtwe", "300g");
    set("txtpc", "1W");
    setElectrical("TXTTEMP20", "25");
    set("TXTTEMP", "55");
    set("TxtAM", "0.0013");
    set("TxtFc", "80");
    set("TxtFM", "30");
  }
};

TEST_F(ParameterToolTest, ThermalRouteFromTheSurfacesTheCoreSheds) {
  thermalCase();
  set("TxtCu", "0.2");
  enter("TXTTEMP");
  EXPECT_EQ(text("Text1"), "2.82");   // 1.225 × √(5.72 / 1.08)
  EXPECT_EQ(text("TxtPm"), "9.73");   // (80 / 30 × 1.5 + 1) × 0.0013 × 55 × 30 − 1
  EXPECT_EQ(text("TxtZ"), "2.42");    // copper at 80 °C
  EXPECT_EQ(text("TxtJb"), "4.484");  // √(9.73 / (0.2 × 2.42))
}

TEST_F(ParameterToolTest, ThermalRouteGuardsItsDivisions) {
  thermalCase();
  set("txtwe", "");
  set("TxtFM", "0");
  set("TxtPm", "7.77");
  set("TxtCu", "0");
  set("TxtJb", "1");
  enter("TXTTEMP");
  EXPECT_EQ(text("Text1"), "0.00");
  EXPECT_EQ(text("TxtPm"), "7.77");  // no coil surface: the copper loss stays
  EXPECT_EQ(text("TxtJb"), "");
}

TEST_F(ParameterToolTest, RegulationRouteFromTheAllowedDrop) {
  set("TXTSC", "7.593cm^2");
  set("TxtBm", "1.52");
  set("TxtLv", "150");
  set("TXTTEMP", "55");
  setElectrical("TXTTEMP20", "25");
  set("TxtDU", "10");
  EXPECT_EQ(text("TxtZ"), "2.42");
  // 50 × 1.52 × 7.593 / (15 cm × 2.42) × 0.1 × 2.5
  EXPECT_EQ(text("TxtJb"), "3.974");
  set("TxtLv", "0");
  enter("TxtDU");
  EXPECT_EQ(text("TxtJb"), "");
}

TEST_F(ParameterToolTest, ApplyMakesTheResultsTheWorkingDensities) {
  set("TXTSC", "7.593cm^2");
  set("Text1", "1.40");
  set("TxtJb", "3.5");
  click("Command3");
  EXPECT_TRUE(shows({{"TxtBm", "1.40"}, {"TxtJ", "3.5"}, {"txtjsec", "3.5"}}));
  EXPECT_EQ(text("TxtTurnPri"), "932");  // 220 V at 1.4 T
}

}  // namespace
}  // namespace corvane::testing
