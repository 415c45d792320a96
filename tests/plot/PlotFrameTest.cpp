#include "plot/PlotFrame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The worked example: a client area of 352 x 325 at the constructor's centre and scale.
PlotFrame WorkedFrame() { return PlotFrame({0, 0, 352, 325}, 10000.0, -10.0, 128); }

TEST(PlotFrame, CentreTruncatesHalfPixels) {
  const PlotFrame frame = WorkedFrame();
  EXPECT_EQ(frame.cx, 176);
  EXPECT_EQ(frame.cy, 162);
}

// Truncation toward zero, not downward: a floor would give 348 and -42.
TEST(PlotFrame, PixelsTruncateTowardZero) {
  const PlotFrame frame = WorkedFrame();
  EXPECT_EQ(frame.RowOf(-39), 347);
  EXPECT_EQ(frame.RowOf(-36), 328);
  EXPECT_EQ(frame.RowOf(-35), 322);
  EXPECT_EQ(frame.RowOf(15), 2);
  EXPECT_EQ(frame.RowOf(16), -4);
  EXPECT_EQ(frame.RowOf(20), -30);
  EXPECT_EQ(frame.ColumnOf(200), -41);
  EXPECT_EQ(frame.ColumnOf(300), -18);
  EXPECT_EQ(frame.ColumnOf(400), -2);
  EXPECT_EQ(frame.ColumnOf(300e3), 365);
  EXPECT_EQ(frame.ColumnOf(1e6), 432);
}

TEST(PlotFrame, EdgesMapBackToFrequencyAndLevel) {
  const PlotFrame frame = WorkedFrame();
  EXPECT_NEAR(frame.FrequencyAt(0), 421.7, 0.05);
  EXPECT_DOUBLE_EQ(frame.FrequencyAt(176), 10000.0);
  EXPECT_NEAR(frame.LevelAt(325), -35.47, 0.005);
  EXPECT_DOUBLE_EQ(frame.LevelAt(162), -10.0);
}

TEST(PlotFrame, OffsetsBeyondAnyWindowSaturate) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(TruncToPixels(-0.99), 0);
  EXPECT_EQ(TruncToPixels(0.99), 0);
  EXPECT_EQ(TruncToPixels(1e300), kFarPixels);
  EXPECT_EQ(TruncToPixels(-1e300), -kFarPixels);
  EXPECT_EQ(TruncToPixels(inf), kFarPixels);
  EXPECT_EQ(TruncToPixels(-inf), -kFarPixels);
  // A level that is not a number lies below the area.
  const PlotFrame frame = WorkedFrame();
  EXPECT_GT(frame.RowOf(std::nan("")), 325);
  EXPECT_LT(frame.RowOf(inf), 0);
  EXPECT_GT(frame.RowOf(-inf), 325);
}

}  // namespace
