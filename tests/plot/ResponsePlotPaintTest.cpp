#include "PaintRecording.h"
#include "plot/WindowPlot.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Call = RecordingCanvas::Call;
using Op = RecordingCanvas::Op;
using testing::ElementsAreArray;
using Label = std::tuple<std::string, int, int>;
using Line = std::pair<int, PlotColour>;  // column or row, pen

constexpr PlotColour kMajor = kMajorGridColour;
constexpr PlotColour kMinor = kMinorGridColour;

std::vector<Label> Labels(const RecordingCanvas& canvas) {
  std::vector<Label> labels;
  for (const Call& c : canvas.calls) {
    if (c.op == Op::kTextOut) labels.emplace_back(c.text, c.x, c.y);
  }
  return labels;
}

// Drawn grid lines, in drawing order: full-height lines and full-width lines.
std::vector<Line> VerticalLines(const RecordingCanvas& canvas) {
  const PlotRect& r = canvas.client;
  std::vector<Line> lines;
  for (const Call& c : canvas.calls) {
    if (c.op == Op::kLineTo && c.fromX == c.x && c.fromY == r.top && c.y == r.bottom) {
      lines.emplace_back(c.x, c.colour);
    }
  }
  return lines;
}

std::vector<Line> HorizontalLines(const RecordingCanvas& canvas) {
  const PlotRect& r = canvas.client;
  std::vector<Line> lines;
  for (const Call& c : canvas.calls) {
    if (c.op == Op::kLineTo && c.fromY == c.y && c.fromX == r.left && c.x == r.right) {
      lines.emplace_back(c.y, c.colour);
    }
  }
  return lines;
}

bool HasCall(const RecordingCanvas& canvas, Op op, int x, int y) {
  return std::any_of(canvas.calls.begin(), canvas.calls.end(),
                     [&](const Call& c) { return c.op == op && c.x == x && c.y == y; });
}

bool TouchesColumn(const RecordingCanvas& canvas, int x) {
  return std::any_of(canvas.calls.begin(), canvas.calls.end(),
                     [&](const Call& c) { return c.op != Op::kTextOut && c.x == x; });
}

TEST(ResponsePlotPaint, WorkedExampleLabels) {
  const RecordingCanvas canvas = RecordPaint(DefaultView(), 352, 325);
  // 100Hz at (-100, 305) and -40dB at (10, 354) lie outside and are dropped;
  // 1MHz (x = 432) and 20dB (y = -30) end their loops.
  const std::vector<Label> expected = {
      {"1kHz", 28, 305},  {"10kHz", 156, 305}, {"100kHz", 284, 305}, {"-30dB", 10, 290},
      {"-20dB", 10, 226}, {"-10dB", 10, 162},  {"0dB", 10, 98},      {"10dB", 10, 34},
  };
  EXPECT_EQ(Labels(canvas), expected);
  for (const Call& c : canvas.calls) {
    if (c.op == Op::kTextOut) {
      EXPECT_EQ(c.colour, kLabelColour) << c.text;
    }
  }
}

TEST(ResponsePlotPaint, WorkedExampleVerticalGrid) {
  const RecordingCanvas canvas = RecordPaint(DefaultView(), 352, 325);
  const std::vector<Line> expected = {
      {10, kMinor},  {20, kMinor},  {29, kMinor},  {36, kMinor},  {43, kMinor},  // 500 to 900 Hz
      {48, kMajor},                                                              // 1 kHz
      {87, kMinor},  {110, kMinor}, {126, kMinor}, {138, kMinor}, {148, kMinor},
      {157, kMinor}, {164, kMinor}, {171, kMinor},  // 2 to 9 kHz
      {176, kMajor},                                // 10 kHz
      {214, kMinor}, {237, kMinor}, {253, kMinor}, {265, kMinor}, {275, kMinor},
      {284, kMinor}, {291, kMinor}, {298, kMinor},  // 20 to 90 kHz
      {304, kMajor},                                // 100 kHz
      {342, kMinor},                                // 200 kHz
  };
  EXPECT_THAT(VerticalLines(canvas), ElementsAreArray(expected));
  // 100 Hz and 200 to 400 Hz lie left of the area: the position only moves there.
  for (int x : {-80, -41, -18, -2}) {
    EXPECT_TRUE(HasCall(canvas, Op::kMoveTo, x, 325)) << x;
    EXPECT_FALSE(HasCall(canvas, Op::kLineTo, x, 325)) << x;
  }
  EXPECT_FALSE(TouchesColumn(canvas, 365));  // 300 kHz ends the grid
}

TEST(ResponsePlotPaint, WorkedExampleHorizontalGrid) {
  const RecordingCanvas canvas = RecordPaint(DefaultView(), 352, 325);
  std::vector<Line> expected;
  // Truncation toward zero: -11 dB lands on 168 but +1 dB on 92, not 91.
  const int rows[] = {322, 315, 309, 302, 296, 290, 283, 277, 270, 264, 258, 251, 245, 238, 232, 226, 219,
                      213, 206, 200, 194, 187, 181, 174, 168, 162, 156, 150, 143, 137, 130, 124, 118, 111,
                      105, 98,  92,  86,  79,  73,  66,  60,  54,  47,  41,  34,  28,  22,  15,  9,   2};
  for (int level = -35; level <= 15; ++level) {
    expected.emplace_back(rows[level + 35], level % 10 == 0 ? kMajor : kMinor);
  }
  EXPECT_THAT(HorizontalLines(canvas), ElementsAreArray(expected));
  // -40 to -36 dB lie below the area: moves only.
  for (int y : {354, 347, 341, 334, 328}) {
    EXPECT_TRUE(HasCall(canvas, Op::kMoveTo, 352, y)) << y;
    EXPECT_FALSE(HasCall(canvas, Op::kLineTo, 352, y)) << y;
  }
  EXPECT_FALSE(HasCall(canvas, Op::kMoveTo, 0, -4));  // 16 dB ends the grid
}

TEST(ResponsePlotPaint, WorkedExampleCurve) {
  const RecordingCanvas canvas = RecordPaint(CurveView(10000, 1, 1), 352, 325);
  const std::vector<Call> curve = CurveCalls(canvas);
  ASSERT_EQ(curve.size(), 353u);
  EXPECT_EQ(curve.front().op, Op::kMoveTo);
  EXPECT_EQ(std::make_pair(curve.front().x, curve.front().y), std::make_pair(0, 98));

  int top = 1000;
  std::vector<int> topColumns;
  for (std::size_t i = 0; i < curve.size(); ++i) {
    const Call& c = curve[i];
    ASSERT_EQ(c.x, static_cast<int>(i));
    if (c.y < top) {
      top = c.y;
      topColumns.clear();
    }
    if (c.y == top) topColumns.push_back(c.x);
    if (c.op == Op::kLineTo) {
      EXPECT_EQ(c.colour, kCurveColour);
    }
    if (c.x >= 291) {
      EXPECT_EQ(c.op, Op::kMoveTo) << c.x;
    }
    if (c.x >= 291) {
      EXPECT_GT(c.y, 325) << c.x;
    }
  }
  EXPECT_EQ(top, 91);
  EXPECT_EQ(topColumns.front(), 146);
  EXPECT_EQ(topColumns.back(), 164);
  EXPECT_EQ(topColumns.size(), 19u);
  EXPECT_EQ(curve[176].op, Op::kLineTo);
  EXPECT_EQ(curve[176].y, 98);
  // The bottom bound counts as inside.
  EXPECT_EQ(curve[290].op, Op::kLineTo);
  EXPECT_EQ(curve[290].y, 325);
}

TEST(ResponsePlotPaint, StaleCurveKeepsTheMinorGridPen) {
  const std::vector<Call> current = CurveCalls(RecordPaint(CurveView(10000, 1, 1), 352, 325));
  const std::vector<Call> stale = CurveCalls(RecordPaint(CurveView(10000, 1, 0), 352, 325));
  ASSERT_EQ(stale.size(), current.size());
  for (std::size_t i = 0; i < stale.size(); ++i) {
    EXPECT_EQ(stale[i].y, current[i].y);
    if (stale[i].op == Op::kLineTo) {
      EXPECT_EQ(stale[i].colour, kMinorGridColour);
    }
  }
}

// F and Q have no value until a computation hands them over; nothing but
// positive finite numbers gives a curve.
TEST(ResponsePlotPaint, NoCurveWithoutAUsableFAndQ) {
  const double nan = std::nan("");
  const double inf = std::numeric_limits<double>::infinity();
  const std::size_t gridOnly = RecordPaint(DefaultView(), 352, 325).calls.size();
  EXPECT_EQ(RecordPaint(CurveView(10000, 1, 1), 352, 325).calls.size(), gridOnly + 353);
  const std::pair<double, double> unusable[] = {{nan, nan}, {nan, 1},    {10000, nan}, {0, 1},
                                                {10000, 0}, {-10000, 1}, {inf, 1},     {10000, inf}};
  for (const auto& [F, Q] : unusable) {
    EXPECT_EQ(RecordPaint(CurveView(F, Q, 1), 352, 325).calls.size(), gridOnly) << F << " " << Q;
  }
}

TEST(ResponsePlotPaint, ReleasesEverythingItMade) {
  const RecordingCanvas canvas = RecordPaint(CurveView(10000, 1, 1), 352, 325);
  EXPECT_THAT(canvas.faults, testing::IsEmpty());
  EXPECT_EQ(canvas.LiveObjects(), 0);
  EXPECT_EQ(canvas.selected, 0);  // the canvas's own pen is back
  ASSERT_EQ(canvas.objects.size(), 5u);
  EXPECT_FALSE(canvas.objects[1].pen);  // the white brush, first
  EXPECT_EQ(canvas.objects[1].colour, kPlotWhite);
  EXPECT_EQ(canvas.mix, PlotLineMix::kMaskPen);
  // A white frame under a white fill: no border.
  ASSERT_EQ(canvas.frames.size(), 1u);
  ASSERT_EQ(canvas.fills.size(), 1u);
  EXPECT_EQ(canvas.fills[0].right, 352);
  EXPECT_EQ(canvas.fills[0].bottom, 325);
}

TEST(ResponsePlotPaint, ZeroSizeDrawsNothing) {
  const RecordingCanvas canvas = RecordPaint(CurveView(10000, 1, 1), 0, 0);
  for (const Call& c : canvas.calls) EXPECT_NE(c.op, Op::kLineTo);
  for (const Call& c : canvas.calls) EXPECT_NE(c.op, Op::kTextOut);
  EXPECT_EQ(canvas.LiveObjects(), 0);
}

// Another size moves the centre; the scale stays 128 pixels per decade and per 20 dB.
TEST(ResponsePlotPaint, OtherSizeMovesTheCentre) {
  const RecordingCanvas canvas = RecordPaint(DefaultView(), 400, 300);
  std::vector<int> decades;
  for (const Line& l : VerticalLines(canvas)) {
    if (l.second == kMajor) decades.push_back(l.first);
  }
  EXPECT_EQ(decades, (std::vector<int>{72, 200, 328}));
  std::vector<int> tens;
  for (const Line& l : HorizontalLines(canvas)) {
    if (l.second == kMajor) tens.push_back(l.first);
  }
  EXPECT_EQ(tens, (std::vector<int>{278, 214, 150, 86, 22}));
  const std::vector<Label> labels = Labels(canvas);
  EXPECT_EQ(labels[1], Label("10kHz", 180, 280));
  EXPECT_EQ(labels.back(), Label("10dB", 10, 22));
}

// At 256 x 256 the 100 kHz decade falls on column right and 10 dB on row top:
// both end their loops unlabelled and undrawn. -30 dB falls on row bottom,
// which the inclusive test lets through: drawn, but unlabelled, as its label
// would lie under the frequencies' line.
TEST(ResponsePlotPaint, LoopsEndOnTheRightAndTopBounds) {
  const RecordingCanvas canvas = RecordPaint(DefaultView(), 256, 256);
  for (const Label& label : Labels(canvas)) {
    EXPECT_NE(std::get<0>(label), "100kHz");
    EXPECT_NE(std::get<0>(label), "10dB");
  }
  EXPECT_FALSE(HasCall(canvas, Op::kMoveTo, 256, 0));
  EXPECT_EQ(VerticalLines(canvas).back().first, 250);  // 90 kHz
  const std::vector<Line> rows = HorizontalLines(canvas);
  EXPECT_EQ(rows.front(), Line(256, kMajor));
  EXPECT_EQ(rows.back().first, 7);  // 9 dB
  EXPECT_FALSE(HasCall(canvas, Op::kLineTo, 256, 0));
  EXPECT_EQ(Labels(canvas).at(1), Label("-20dB", 10, 192));
}

// At every width the page paints, from a small phone's column up, in the
// window's proportions and with a full legend, no label's cell runs into
// another's or out of the picture.
TEST(ResponsePlotPaint, LabelsKeepApartAtEveryWidth) {
  const PlotTextStyle style = WindowPlotTextStyle();
  std::vector<PlotExtraCurve> extras;
  for (std::size_t i = 0; i < kMaxExtraCurves; ++i)
    extras.push_back({5000.0 * (i + 1), 1, ExtraCurveColour(i), "150p + 220p, 47k || 100k"});
  for (int width = 280; width <= 1400; ++width) {
    const int height = (width * 325 + 176) / 352;
    RecordingCanvas canvas({0, 0, width, height});
    PaintResponsePlot(CurveView(10000, 1, 1), canvas, extras);
    std::vector<std::pair<std::string, PlotRect>> cells;
    for (const Call& c : canvas.calls) {
      if (c.op != Op::kTextOut) continue;
      const PlotRect cell{c.x, c.y, c.x + static_cast<int>(std::ceil(style.advance(c.text))),
                          c.y + static_cast<int>(std::ceil(style.height))};
      EXPECT_TRUE(cell.left >= 0 && cell.top >= 0 && cell.right <= width && cell.bottom <= height)
          << c.text << " at " << width;
      for (const auto& [text, other] : cells) {
        EXPECT_TRUE(cell.right <= other.left || other.right <= cell.left || cell.bottom <= other.top ||
                    other.bottom <= cell.top)
            << c.text << " on " << text << " at " << width;
      }
      cells.emplace_back(c.text, cell);
    }
    EXPECT_GE(cells.size(), 5u + kMaxExtraCurves) << width;
  }
}

TEST(ResponsePlotPaint, LabelWithItsAnchorOutsideIsDroppedWhole) {
  // At 286 wide 1 kHz sits at column 15: its label would start at -5.
  const std::vector<Label> labels = Labels(RecordPaint(DefaultView(), 286, 325));
  EXPECT_EQ(std::get<0>(labels.front()), "10kHz");
  EXPECT_EQ(std::get<1>(labels.front()), 123);
}

// A level that is not finite moves the position outside: no segment ends there.
TEST(ResponsePlotPaint, NonFiniteLevelsEndNoSegment) {
  // Here (r^2)^2 and r^2 overflow in every column: the level is not a number.
  for (const Call& c : CurveCalls(RecordPaint(CurveView(1e-160, 1, 1), 352, 325))) {
    EXPECT_EQ(c.op, Op::kMoveTo) << c.x;
    EXPECT_GT(c.y, 325) << c.x;
  }
  // An unbounded peak at F (Q so high that 1/Q^2 vanishes): +inf dB, above the area.
  const std::vector<Call> peak = CurveCalls(RecordPaint(CurveView(10000, 1e300, 1), 352, 325));
  EXPECT_EQ(peak[176].op, Op::kMoveTo);
  EXPECT_LT(peak[176].y, 0);
}

}  // namespace
