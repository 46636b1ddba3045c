#include "winding/outline_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/picture.h"

namespace corvane {
namespace {

std::vector<std::string> texts(const Picture& picture) {
  std::vector<std::string> found;
  for (const DrawOp& op : picture.ops())
    if (op.kind == DrawOp::Kind::Text) found.push_back(op.text);
  return found;
}

const DrawOp& scaleOf(const Picture& picture) {
  auto scale = std::find_if(picture.ops().begin(), picture.ops().end(),
                            [](const DrawOp& op) { return op.kind == DrawOp::Kind::Scale; });
  EXPECT_NE(scale, picture.ops().end());
  return *scale;
}

struct Core {
  double L, H, b;
};

class OutlineOfCores : public ::testing::TestWithParam<Core> {};

// Whatever the proportions, the picture keeps the 95 × 60 mm box's ratio
// (so it is not distorted on the sheet) and draws nothing outside its scale.
TEST_P(OutlineOfCores, KeepsTheBoxProportionsAndStaysInsideItsScale) {
  Core core = GetParam();
  Picture picture;
  drawTransformerOutline(picture, core.L, core.H, core.b);
  const DrawOp& scale = scaleOf(picture);
  double width = scale.x2 - scale.x1, height = scale.y2 - scale.y1;
  EXPECT_NEAR(width / height, 95.0 / 60.0, 1e-9);
  for (const DrawOp& op : picture.ops()) {
    if (op.kind != DrawOp::Kind::Line && op.kind != DrawOp::Kind::FilledBox) continue;
    for (double x : {op.x1, op.x2}) {
      EXPECT_GE(x, scale.x1);
      EXPECT_LE(x, scale.x2);
    }
    for (double y : {op.y1, op.y2}) {
      EXPECT_GE(y, scale.y1);
      EXPECT_LE(y, scale.y2);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Proportions, OutlineOfCores,
                         ::testing::Values(Core{48, 40, 30}, Core{30, 25, 10}, Core{120, 100, 60},
                                           Core{48, 40, 80}, Core{20, 80, 5}));

TEST(OutlineDrawing, DimensionsCarryTheCoresNumbers) {
  Picture picture;
  drawTransformerOutline(picture, 48, 40, 30);
  EXPECT_EQ(texts(picture), (std::vector<std::string>{"L=48", "H=40", "b=30"}));
  // the front view's outline: a horizontal edge L long and a vertical one H high
  auto hasLine = [&](double dx, double dy) {
    return std::any_of(picture.ops().begin(), picture.ops().end(), [&](const DrawOp& op) {
      return op.kind == DrawOp::Kind::Line && std::fabs(std::fabs(op.x2 - op.x1) - dx) < 1e-9 &&
             std::fabs(std::fabs(op.y2 - op.y1) - dy) < 1e-9;
    });
  };
  EXPECT_TRUE(hasLine(48, 0));
  EXPECT_TRUE(hasLine(0, 40));
  EXPECT_TRUE(hasLine(30, 0));  // the side view's stack
}

TEST(OutlineDrawing, CoreWithoutSizeLeavesThePictureEmpty) {
  Picture picture;
  drawTransformerOutline(picture, 48, 40, 30);
  drawTransformerOutline(picture, 0, 40, 30);
  EXPECT_FALSE(picture.hasDrawing());
  drawTransformerOutline(picture, 48, NAN, 30);
  EXPECT_FALSE(picture.hasDrawing());
  drawTransformerOutline(picture, 48, 40, 0);  // no stack: the front view alone
  EXPECT_EQ(texts(picture), (std::vector<std::string>{"L=48", "H=40"}));
}

}  // namespace
}  // namespace corvane
