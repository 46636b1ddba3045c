#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <numbers>

#include "app/qt/qt_drawing.h"
#include "qt_test_support.h"

namespace corvane {
namespace {

constexpr double kPi = std::numbers::pi;

// A 100 × 100 pixel white picture drawn with a user scale of 0..10 each way.
class QtDrawingTest : public ::testing::Test {
 protected:
  QtDrawingTest() : image(100, 100, QImage::Format_RGB32) {
    testing::qtApp();
    image.fill(Qt::white);
    painter.begin(&image);
    drawing = std::make_unique<QtDrawing>(painter, QRectF(0, 0, 100, 100), QRectF(0, 0, 1500, 1500),
                                          Qt::white);
    drawing->setScale(0, 0, 10, 10);
  }
  QColor at(int x, int y) {
    if (painter.isActive()) painter.end();
    return image.pixelColor(x, y);
  }
  // True when any pixel of the square around (x, y) has the colour.
  bool near(int x, int y, QColor colour) {
    for (int dx = -2; dx <= 2; ++dx)
      for (int dy = -2; dy <= 2; ++dy)
        if (at(x + dx, y + dy) == colour) return true;
    return false;
  }

  QImage image;
  QPainter painter;
  std::unique_ptr<QtDrawing> drawing;
};

TEST_F(QtDrawingTest, FilledBoxFollowsTheUserScale) {
  drawing->filledBox(0, 0, 5, 5, colors::kRed);
  EXPECT_EQ(at(20, 20), QColor(255, 0, 0));
  EXPECT_EQ(at(70, 70), QColor(255, 255, 255));
}

TEST_F(QtDrawingTest, UpwardScalePutsTheOriginAtTheBottom) {
  drawing->setScale(0, 10, 10, 0);
  drawing->filledBox(0, 0, 5, 5, colors::kRed);
  EXPECT_EQ(at(20, 80), QColor(255, 0, 0));
  EXPECT_EQ(at(20, 20), QColor(255, 255, 255));
}

TEST_F(QtDrawingTest, DefaultScaleCountsInTwips) {
  QtDrawing twips(painter, QRectF(0, 0, 100, 100), QRectF(0, 0, 1500, 1500), Qt::white);
  twips.filledBox(0, 0, 750, 750, colors::kBlue);
  EXPECT_EQ(at(45, 45), QColor(0, 0, 255));
  EXPECT_EQ(at(55, 55), QColor(255, 255, 255));
}

// Angles count counter-clockwise from +x as seen on the screen: a quarter arc
// from 0 to π/2 lies in the upper right.
TEST_F(QtDrawingTest, ArcRunsCounterClockwiseOnTheScreen) {
  drawing->circle(5, 5, 4, colors::kBlue, ArcAngles{0, kPi / 2});
  int offset = static_cast<int>(std::lround(40 * std::cos(kPi / 4)));
  EXPECT_TRUE(near(50 + offset, 50 - offset, QColor(0, 0, 255)));
  EXPECT_FALSE(near(50 + offset, 50 + offset, QColor(0, 0, 255)));
  EXPECT_FALSE(near(50 - offset, 50 - offset, QColor(0, 0, 255)));
}

TEST_F(QtDrawingTest, ArcThatEndsBelowItsStartWrapsThroughZero) {
  drawing->circle(5, 5, 4, colors::kBlue, ArcAngles{3 * kPi / 2, kPi / 2});
  EXPECT_TRUE(near(90, 50, QColor(0, 0, 255)));   // through 0 (right)
  EXPECT_FALSE(near(10, 50, QColor(0, 0, 255)));  // not through π (left)
}

TEST_F(QtDrawingTest, CircleRadiusCountsInHorizontalUnits) {
  drawing->setScale(0, 0, 10, 20);  // vertical units half as large
  drawing->circle(5, 10, 4, colors::kBlue);
  EXPECT_TRUE(near(50, 10, QColor(0, 0, 255)));  // 40 px above the centre, not 20
  EXPECT_TRUE(near(90, 50, QColor(0, 0, 255)));
}

TEST_F(QtDrawingTest, TextHangsBelowItsPosition) {
  QFont font("宋体");
  font.setPixelSize(12);
  painter.setFont(font);
  drawing->text(1, 5, "绕组W", colors::kBlack);
  int firstRow = -1, lastRow = -1;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x)
      if (at(x, y).lightness() < 128) {
        if (firstRow < 0) firstRow = y;
        lastRow = y;
      }
  ASSERT_GE(firstRow, 0);
  EXPECT_GE(firstRow, 50);
  EXPECT_LE(lastRow, 50 + 14);
}

TEST_F(QtDrawingTest, DegenerateScaleIsIgnored) {
  drawing->setScale(0, 0, 0, 10);
  drawing->filledBox(0, 0, 5, 5, colors::kRed);
  EXPECT_EQ(at(20, 20), QColor(255, 0, 0));
}

}  // namespace
}  // namespace corvane
