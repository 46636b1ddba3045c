#include "wiretools/wire_materials.h"

#include <gtest/gtest.h>

namespace corvane::wiretools {
namespace {

const WireMaterial& row(std::string_view name) {
  const WireMaterial* material = findWireMaterial(name);
  EXPECT_NE(material, nullptr) << name;
  return material ? *material : kCopper;
}

TEST(WireMaterials, CopperAgreesWithTheFoilAndComesFirst) {
  EXPECT_EQ(kWireMaterials.front().name, "铜线");
  EXPECT_DOUBLE_EQ(row("铜线").resistivity, 0.0175);
  EXPECT_DOUBLE_EQ(row("铜线").density, 8.95);
}

TEST(WireMaterials, AluminiumIsTheSixtyOnePercentGrade) {
  EXPECT_NEAR(row("铝线").resistivity, 0.017241 / 0.61, 1e-5);
  EXPECT_DOUBLE_EQ(row("铝线").density, 2.703);
}

TEST(WireMaterials, CladGradesLieBetweenCopperAndAluminium) {
  const WireMaterial& copper = row("铜线");
  const WireMaterial& aluminium = row("铝线");
  const WireMaterial& ten = row("铜包铝线 10A 10H");
  const WireMaterial& fifteen = row("铜包铝线 15A 15H");
  for (const WireMaterial* clad : {&ten, &fifteen}) {
    EXPECT_GT(clad->resistivity, copper.resistivity) << clad->name;
    EXPECT_LT(clad->resistivity, aluminium.resistivity) << clad->name;
    EXPECT_GT(clad->density, aluminium.density) << clad->name;
    EXPECT_LT(clad->density, copper.density) << clad->name;
  }
  // more copper: nearer to copper in both
  EXPECT_LT(fifteen.resistivity, ten.resistivity);
  EXPECT_GT(fifteen.density, ten.density);
}

TEST(WireMaterials, CladDensityIsTheVolumeMixOfTheTwoMetals) {
  EXPECT_NEAR(row("铜包铝线 10A 10H").density, 0.10 * 8.89 + 0.90 * 2.70, 0.005);
  EXPECT_NEAR(row("铜包铝线 15A 15H").density, 0.15 * 8.89 + 0.85 * 2.70, 0.005);
}

TEST(WireMaterials, TextOutsideTheListFindsNothing) {
  EXPECT_EQ(findWireMaterial(""), nullptr);
  EXPECT_EQ(findWireMaterial("铜包铝线"), nullptr);
}

}  // namespace
}  // namespace corvane::wiretools
