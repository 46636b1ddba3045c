#include "core/lamination_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace corvane::core {
namespace {

TEST(LaminationCatalogueTest, HoldsFortyTwoSizesInAscendingKeyOrder) {
  auto rows = standardLaminations();
  ASSERT_EQ(rows.size(), 42u);
  EXPECT_EQ(rows.front().length, 14);
  EXPECT_EQ(rows.back().length, 218);
  for (size_t i = 1; i < rows.size(); ++i) EXPECT_LT(rows[i - 1].length, rows[i].length) << i;
}

struct Snap {
  double requested;
  double length;
  double height;
};

class SnapTest : public ::testing::TestWithParam<Snap> {};

TEST_P(SnapTest, RoundsUpToTheNextStandardLength) {
  const StandardEiRow* row = standardLaminationFor(GetParam().requested);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->length, GetParam().length);
  EXPECT_EQ(row->height, GetParam().height);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Catalogue, SnapTest, ::testing::Values(
    Snap{47, 48, 40}, Snap{48, 48, 40}, Snap{48.01, 54, 45},
    Snap{76, 76.2, 63.5}, Snap{77, 78, 65}, Snap{152, 152.4, 127},
    Snap{160, 165, 136}, Snap{27, 28, 25}, Snap{0, 14, 10.5},
    Snap{-3, 14, 10.5}, Snap{218, 218, 199}));
// clang-format on

TEST(LaminationCatalogueTest, NothingAboveTheLargestLamination) {
  EXPECT_EQ(standardLaminationFor(218.01), nullptr);
  EXPECT_EQ(standardLaminationFor(219), nullptr);
}

TEST(LaminationCatalogueTest, Ei28TakesItsWindowHeightFromTheYokes) {
  const StandardEiRow* ei28 = standardLaminationFor(28);
  ASSERT_NE(ei28, nullptr);
  EXPECT_FALSE(ei28->windowHeight.has_value());
  EXPECT_EQ(windowHeightOf(*ei28), 17);  // H 25 less the tongue 8
  EXPECT_EQ(windowHeightOf(*standardLaminationFor(48)), 24);
}

// The surface constants exist only where the catalogue lists them.
TEST(LaminationCatalogueTest, CoilSurfaceAndDissipationOnlyWhereListed) {
  const std::set<double> withoutDissipation{14, 16, 19, 24, 28, 76.2, 83, 85.8, 150};
  for (const StandardEiRow& row : standardLaminations()) {
    bool listsCoilSurface = row.length >= 30 && row.length <= 74;
    EXPECT_EQ(row.coilSurface.has_value(), listsCoilSurface) << row.length;
    EXPECT_EQ(row.dissipation.has_value(), !withoutDissipation.count(row.length)) << row.length;
  }
}

// The stored coil surfaces agree with the coil formula of the row's a, c and
// h to 0.01 cm², except the three sizes whose stored value differs: a check
// on a, c, h and FM of every row from 30 to 74.
TEST(LaminationCatalogueTest, StoredCoilSurfacesMatchTheirDimensions) {
  const std::set<double> storedApart{35, 64, 74};
  for (const StandardEiRow& row : standardLaminations()) {
    if (!row.coilSurface) continue;
    double a = 0.1 * row.tongue, c = 0.1 * row.windowWidth, h = 0.1 * *row.windowHeight;
    double formula = 6.28 * c * c + (6.28 * c + 2 * a) * h + 4 * a * c;
    bool agrees = std::fabs(formula - *row.coilSurface) < 0.0151;
    EXPECT_EQ(agrees, !storedApart.count(row.length)) << row.length << ": " << formula;
  }
}

TEST(LaminationCatalogueTest, CoreNameJoinsLengthAndStackTexts) {
  EXPECT_EQ(coreName("48", "30"), "EI-48*30");
  EXPECT_EQ(coreName("76.2", ""), "EI-76.2*");
}

}  // namespace
}  // namespace corvane::core
