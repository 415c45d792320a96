#include "plot/LineRaster.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels Raster(int x0, int y0, int x1, int y1, PlotRect clip) {
  Pixels pixels;
  RasterLine(x0, y0, x1, y1, clip, [&](int x, int y) { EXPECT_TRUE(pixels.insert({x, y}).second); });
  return pixels;
}

constexpr PlotRect kOpen{-100000000, -100000000, 100000000, 100000000};

struct LineCase {
  const char* name;
  int x0, y0, x1, y1;
  Pixels expected;
};

class LineRasterShapes : public testing::TestWithParam<LineCase> {};

TEST_P(LineRasterShapes, CoversTheStartButNotTheEnd) {
  const LineCase& c = GetParam();
  EXPECT_EQ(Raster(c.x0, c.y0, c.x1, c.y1, kOpen), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, LineRasterShapes,
    testing::Values(LineCase{"Point", 3, 3, 3, 3, {}},
                    LineCase{"Rightward", 0, 0, 4, 0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
                    LineCase{"Leftward", 4, 0, 0, 0, {{4, 0}, {3, 0}, {2, 0}, {1, 0}}},
                    LineCase{"Downward", 2, 0, 2, 3, {{2, 0}, {2, 1}, {2, 2}}},
                    LineCase{"Upward", 2, 3, 2, 0, {{2, 3}, {2, 2}, {2, 1}}},
                    LineCase{"Diagonal", 0, 0, 3, -3, {{0, 0}, {1, -1}, {2, -2}}},
                    LineCase{"OneStepAcross", 0, 0, 1, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
                    LineCase{"Shallow", 0, 0, 4, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

// Clipping skips steps by arithmetic; it must keep exactly the pixels of the
// whole line that fall inside.
TEST(LineRaster, ClippedPixelsAreThoseOfTheWholeLine) {
  const PlotRect clip{0, 0, 20, 15};
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> coordinate(-60, 80);
  for (int round = 0; round < 3000; ++round) {
    const int x0 = coordinate(random), y0 = coordinate(random);
    const int x1 = coordinate(random), y1 = coordinate(random);
    Pixels inside;
    for (const auto& p : Raster(x0, y0, x1, y1, kOpen)) {
      if (p.first >= 0 && p.first < 20 && p.second >= 0 && p.second < 15) inside.insert(p);
    }
    ASSERT_EQ(Raster(x0, y0, x1, y1, clip), inside) << x0 << "," << y0 << " -> " << x1 << "," << y1;
  }
}

TEST(LineRaster, FarStartKeepsTheVisiblePixels) {
  const PlotRect clip{0, 0, 20, 15};
  Pixels inside;
  for (const auto& p : Raster(3, -1000000, 4, 10, kOpen)) {
    if (p.second >= 0 && p.second < 15) inside.insert(p);
  }
  EXPECT_EQ(Raster(3, -1000000, 4, 10, clip), inside);
  EXPECT_EQ(inside.size(), 10u);  // rows 0 to 9 of column 4
}

TEST(LineRaster, EndPointsAtTheEndsOfTheIntRange) {
  const PlotRect clip{0, 0, 20, 15};
  Pixels diagonal;
  for (int i = 0; i < 15; ++i) diagonal.insert({i, i});
  EXPECT_EQ(Raster(INT_MIN, INT_MIN, INT_MAX, INT_MAX, clip), diagonal);

  // The step across happens half way, at row 0.
  Pixels steep;
  for (int y = 0; y < 15; ++y) steep.insert({1, y});
  EXPECT_EQ(Raster(0, INT_MIN, 1, INT_MAX, clip), steep);
}

TEST(LineRaster, EmptyClipDrawsNothing) { EXPECT_TRUE(Raster(0, 0, 10, 10, {0, 0, 0, 0}).empty()); }

}  // namespace
