#include "engnum/EngValue.h"
#include "loads/Contours.h"
#include "loads/LoadMap.h"
#include "loads/LoadMapPaint.h"
#include "loads/StageSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

LoadMapInput MovingMagnet() { return {500e-3, 1200.0, {40e-12, 1e-9}, {4.7e3, 470e3}, 40, 30, 20000.0}; }

// Each node's figures are the finder's for a stage of exactly that C and RL.
TEST(LoadMapTest, NodesHoldTheFindersFigures) {
  const LoadMap map = ComputeLoadMap(MovingMagnet());
  ASSERT_EQ(map.C.size(), 40u);
  ASSERT_EQ(map.RL.size(), 30u);
  EXPECT_EQ(map.C.front(), 40e-12);
  EXPECT_EQ(map.RL.back(), 470e3);
  const int nodes[][2] = {{0, 0}, {39, 29}, {0, 29}, {17, 11}, {25, 20}, {39, 0}};
  for (const auto& [i, j] : nodes) {
    StageSettingsInput in;
    in.L = "500m";
    in.RS = "1.2k";
    in.cBase = FormatEngValue(map.C[i], 6);
    in.rBase = FormatEngValue(map.RL[j], 6);
    const StageSettingsResult result = FindStageSettings(in);
    ASSERT_EQ(result.rows.size(), 1u) << result.error;
    const StageSettingRow& row = result.rows.front();
    const LoadMapNode& node = map.At(i, j);
    EXPECT_TRUE(SameBits(row.C, map.C[i]) && SameBits(row.RL, map.RL[j])) << i << "," << j;
    EXPECT_TRUE(SameBits(row.F, node.F)) << i << "," << j;
    EXPECT_TRUE(SameBits(row.Q, node.Q)) << i << "," << j;
    EXPECT_TRUE(SameBits(*row.deviationDb, node.deviationDb)) << i << "," << j;
  }
  // Nodes are spaced evenly in log, as six digits allow.
  const double step = std::log(map.C[1] / map.C[0]);
  for (std::size_t i = 1; i < map.C.size(); ++i) EXPECT_NEAR(std::log(map.C[i] / map.C[i - 1]), step, 1e-5);
}

// A grid whose values are a plane a i + b j: the crossings of any level lie
// exactly where a x + b y = level, on the edges of the cells it passes.
TEST(ContoursTest, SegmentsOfAPlaneLieOnItsLevelLine) {
  struct Case {
    double a, b, level;
    std::size_t segments;  // cells the line crosses
  };
  const Case cases[] = {
      {1, 0, 2.5, 4},    // vertical line x = 2.5 through 4 rows of cells
      {0, 1, 0.25, 5},   // horizontal line y = 0.25 through 5 columns of cells
      {1, 1, 4.5, 8},    // diagonal, through no node
      {1, -2, -1.5, 8},  // steep: 5 columns and 3 rows crossed
      {1, 0, 9, 0},      // beyond the grid
  };
  constexpr int kColumns = 6;
  constexpr int kRows = 5;
  for (const Case& c : cases) {
    std::vector<double> values;
    for (int j = 0; j < kRows; ++j)
      for (int i = 0; i < kColumns; ++i) values.push_back(c.a * i + c.b * j);
    const auto segments = ContourSegments(values, kColumns, kRows, c.level);
    EXPECT_EQ(segments.size(), c.segments) << c.a << " " << c.b << " " << c.level;
    for (const ContourSegment& s : segments) {
      EXPECT_NEAR(c.a * s.x0 + c.b * s.y0, c.level, 1e-12);
      EXPECT_NEAR(c.a * s.x1 + c.b * s.y1, c.level, 1e-12);
      // Each end on a cell edge: one of its coordinates whole.
      for (const auto& [x, y] : {std::pair{s.x0, s.y0}, std::pair{s.x1, s.y1}})
        EXPECT_TRUE(x == std::floor(x) || y == std::floor(y));
    }
  }
}

TEST(ContoursTest, SaddlesNotANumberAndJumps) {
  struct Case {
    std::vector<double> values;  // 2 x 2
    double level;
    double maxJump;
    std::vector<ContourSegment> expected;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      // Diagonal 0-2 high, centre (mean 0.5) above: corners 1 and 3 are cut off.
      {{1, 0, 1, 0}, 0.5, inf, {{0.5, 0, 1, 0.5}, {0.5, 1, 0, 0.5}}},
      // Centre below (mean 0.5 under 0.6): corners 0 and 2 are cut off.
      {{1, 0, 1, 0}, 0.6, inf, {{0, 0.4, 0.4, 0}, {1, 0.6, 0.6, 1}}},
      {{1, 0, nan, 0}, 0.5, inf, {}},
      // A jump across zero is no crossing when the limit is passed.
      {{-5, 5, 5, -5}, 1, 1, {}},
      {{-5, 5, 5, -5}, 1, inf, {{0.6, 0, 0.6, 1}}},
  };
  for (const Case& c : cases) {
    // Rows of the 2 x 2 grid: node (i, j) at values[j * 2 + i]; the table
    // lists corners counter-clockwise, so the top row is reversed.
    const std::vector<double> grid = {c.values[0], c.values[1], c.values[3], c.values[2]};
    const auto segments = ContourSegments(grid, 2, 2, c.level, c.maxJump);
    ASSERT_EQ(segments.size(), c.expected.size()) << c.values[0] << " " << c.values[2];
    for (std::size_t k = 0; k < segments.size(); ++k) {
      EXPECT_DOUBLE_EQ(segments[k].x0, c.expected[k].x0);
      EXPECT_DOUBLE_EQ(segments[k].y0, c.expected[k].y0);
      EXPECT_DOUBLE_EQ(segments[k].x1, c.expected[k].x1);
      EXPECT_DOUBLE_EQ(segments[k].y1, c.expected[k].y1);
    }
  }
}

TEST(LoadMapTest, UnusableInputsAreNamed) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    LoadMapRange C, RL;
    int columns, rows;
    LoadMapInputKind input;
    const char* problem;
  };
  const Case cases[] = {
      {{100e-12, 100e-12}, {1e3, 1e5}, 10, 10, LoadMapInputKind::CRange, "is empty"},
      {{1e-9, 20e-12}, {1e3, 1e5}, 10, 10, LoadMapInputKind::CRange, "is reversed"},
      {{0, 1e-9}, {1e3, 1e5}, 10, 10, LoadMapInputKind::CRange, "must be above zero"},
      {{20e-12, inf}, {1e3, 1e5}, 10, 10, LoadMapInputKind::CRange, "must be above zero"},
      {{1e-15, 1e-2}, {1e3, 1e5}, 10, 10, LoadMapInputKind::CRange, "is wider than 12 decades"},
      {{20e-12, 1e-9}, {-1e3, 1e5}, 10, 10, LoadMapInputKind::RLRange, "must be above zero"},
      {{20e-12, 1e-9}, {1e5, 1e3}, 10, 10, LoadMapInputKind::RLRange, "is reversed"},
      {{20e-12, 1e-9}, {1e-3, 1e10}, 10, 10, LoadMapInputKind::RLRange, "is wider than 12 decades"},
      {{20e-12, 1e-9}, {1e3, 1e5}, 9, 10, LoadMapInputKind::Points, "must be 10 to 2000 per axis"},
      {{20e-12, 1e-9}, {1e3, 1e5}, 10, 2001, LoadMapInputKind::Points, "must be 10 to 2000 per axis"},
      {{1e-14, 1e-2}, {1e3, 1e5}, 2000, 10, LoadMapInputKind::None, ""},  // 12 decades exactly
  };
  for (const Case& c : cases) {
    const LoadMapFault fault = CheckLoadMapInput({0.5, 1200, c.C, c.RL, c.columns, c.rows, 20000});
    EXPECT_EQ(fault.input, c.input) << c.problem;
    EXPECT_EQ(fault.problem, c.problem);
  }
  LoadMapRange range{};
  EXPECT_TRUE(ReadLoadMapRange("20p, 500p", range));
  EXPECT_EQ(range.to, 500e-12);
  for (const char* text : {"", "20p", "20p 500p 1n", "20x 500p"})
    EXPECT_FALSE(ReadLoadMapRange(text, range)) << text;
}

// The readout and a double-click's load are the node's, as a solver writes it.
TEST(LoadMapTest, ReadoutIsTheLoadUnderThePointer) {
  const LoadMap map = ComputeLoadMap(MovingMagnet());
  const PlotRect client{0, 0, 600, 450};
  const LoadMapLayout layout = LayoutLoadMap(map, client, 1.0);
  const int x = static_cast<int>(layout.XOf(map.C[17]));
  const int y = static_cast<int>(layout.YOf(map.RL[11]));
  const auto load = LoadMapLoadAt(map, client, x, y);
  ASSERT_TRUE(load);
  EXPECT_EQ(load->C, ParseEngValue(FormatEngValue(load->C, 6).c_str()));
  EXPECT_NEAR(std::log(load->C / map.C[17]), 0, 0.05);
  EXPECT_NEAR(std::log(load->RL / map.RL[11]), 0, 0.1);
  const std::string text = LoadMapReadout(map, client, x, y);
  EXPECT_EQ(text.rfind("C " + FormatEngValue(load->C, 6) + "  RL " + FormatEngValue(load->RL, 6) + "  F ", 0),
            0u)
      << text;
  EXPECT_NE(text.find(" dB"), std::string::npos);
  EXPECT_FALSE(LoadMapLoadAt(map, client, 2, 2));
  EXPECT_EQ(LoadMapReadout(map, client, 599, 449), "");
}

}  // namespace
