#include "PaintRecording.h"
#include "TestFont.h"
#include "plot/LineRaster.h"
#include "ui/RasterPlotCanvas.h"

#include <gtest/gtest.h>

#include <QImage>

#include <random>

namespace {

PlotColour At(const QImage& image, int x, int y) { return ToPlotColour(image.pixel(x, y)); }

QImage Blank(int width, int height, PlotColour colour = 0xFFFFFF) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(ToQRgb(colour));
  return image;
}

TEST(RasterPlotCanvas, GridCrossingsKeepTheDarkerGrey) {
  const QImage image = RenderResponsePlot(DefaultView(), {352, 325}, TestFont());
  EXPECT_EQ(At(image, 48, 322), kMajorGridColour);   // 1 kHz decade over -35 dB
  EXPECT_EQ(At(image, 87, 290), kMajorGridColour);   // 2 kHz over -30 dB
  EXPECT_EQ(At(image, 87, 322), kMinorGridColour);   // minor over minor
  EXPECT_EQ(At(image, 176, 162), kMajorGridColour);  // the centre
  EXPECT_EQ(At(image, 240, 240), kPlotWhite);
  // A vertical grid line covers rows top to bottom - 1.
  EXPECT_EQ(At(image, 304, 0), kMajorGridColour);
  EXPECT_EQ(At(image, 304, 324), kMajorGridColour);
  // Row bottom - 1 has no horizontal line (-35 dB is row 322).
  EXPECT_EQ(At(image, 240, 324), kPlotWhite);
}

TEST(RasterPlotCanvas, StaleCurveIsLightGreyButNotOverDecades) {
  const QImage stale = RenderResponsePlot(CurveView(10000, 1, 0), {352, 325}, TestFont());
  EXPECT_EQ(At(stale, 150, 91), kMinorGridColour);  // flat top, clear of the grid
  const QImage defaults =
      RenderResponsePlot(CurveView(18484.807061630512, 1.3314016810396694, 0), {352, 325}, TestFont());
  EXPECT_EQ(At(defaults, 176, 87), kMajorGridColour);  // on the 10 kHz line
}

// Every segment starts with its own pixel; on a current curve each of them is
// black, over white, over either grey and over the label cells.
TEST(RasterPlotCanvas, CurrentCurveStaysBlackAcrossTheGrid) {
  for (const double F : {10000.0, 18484.807061630512, 2000.0}) {
    const ResponsePlotView view = CurveView(F, 1.3314016810396694, 1);
    const QImage image = RenderResponsePlot(view, {352, 325}, TestFont());
    int checked = 0;
    for (const auto& c : CurveCalls(RecordPaint(view, 352, 325))) {
      if (c.op != RecordingCanvas::Op::kLineTo) continue;
      if (c.fromX < 0 || c.fromX >= 352 || c.fromY < 0 || c.fromY >= 325) continue;
      EXPECT_EQ(At(image, c.fromX, c.fromY), kCurveColour) << F << ": " << c.fromX << "," << c.fromY;
      ++checked;
    }
    EXPECT_GT(checked, 100);
  }
}

bool IsGrey(PlotColour c) { return (c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == ((c >> 16) & 0xFF); }

// The text cell is opaque white whatever lies beneath (a colour no glyph has);
// lines through it darken the white but never lighten the glyphs.
TEST(RasterPlotCanvas, LabelCellsAreWhiteAndGlyphsStayBlack) {
  constexpr PlotColour kBeneath = 0x3060C0;
  QImage image = Blank(80, 30, kBeneath);
  RasterPlotCanvas canvas(image, TestFont());
  canvas.SetTextColor(kLabelColour);
  canvas.TextOut(5, 5, "-30dB");
  // The cell of "-30dB" in DejaVu Sans 8 pt at 96 dpi is 32 x 13 pixels.
  int dark = 0;
  int white = 0;
  for (int y = 5; y < 18; ++y) {
    for (int x = 5; x < 35; ++x) {
      const PlotColour c = At(image, x, y);
      EXPECT_TRUE(IsGrey(c)) << x << "," << y;
      dark += (c & 0xFF) < 0x60 ? 1 : 0;
      white += c == 0xFFFFFF ? 1 : 0;
    }
  }
  EXPECT_GT(dark, 20);
  EXPECT_GT(white, 150);
  EXPECT_EQ(At(image, 4, 5), kBeneath);  // the cell starts at the anchor
  EXPECT_EQ(At(image, 5, 4), kBeneath);

  const QImage before = image.copy();
  canvas.SetLineMix(PlotLineMix::kMaskPen);
  const PlotObject minor = canvas.CreatePen(kMinorGridColour);
  const PlotObject previous = canvas.SelectPen(minor);
  for (int y = 5; y < 18; ++y) {
    canvas.MoveTo(0, y);
    canvas.LineTo(80, y);
  }
  for (int y = 5; y < 18; ++y) {
    for (int x = 5; x < 35; ++x) {
      const PlotColour was = At(before, x, y);
      const PlotColour now = At(image, x, y);
      EXPECT_LE(now & 0xFF, was & 0xFF) << x << "," << y;
      if (was == 0xFFFFFF) {
        EXPECT_EQ(now, kMinorGridColour) << x << "," << y;
      }
      if (was == 0x000000) {
        EXPECT_EQ(now, 0x000000u) << x << "," << y;
      }
    }
  }
  canvas.SelectPen(previous);
  canvas.DeleteObject(minor);
}

TEST(RasterPlotCanvas, LinesExcludeTheirEndPixel) {
  QImage image = Blank(10, 10);
  RasterPlotCanvas canvas(image, TestFont());
  const PlotObject major = canvas.CreatePen(kMajorGridColour);
  canvas.SelectPen(major);
  canvas.SetLineMix(PlotLineMix::kMaskPen);
  canvas.MoveTo(3, 0);
  canvas.LineTo(3, 10);
  canvas.MoveTo(5, 2);
  canvas.LineTo(5, 7);
  canvas.MoveTo(0, 10);  // a line on row bottom covers nothing visible
  canvas.LineTo(10, 10);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool covered = x == 3 || (x == 5 && y >= 2 && y < 7);
      EXPECT_EQ(At(image, x, y), covered ? kMajorGridColour : kPlotWhite) << x << "," << y;
    }
  }
}

// Horizontal and vertical lines take a shorter road than the rest; they must
// cover the very pixels the general rasteriser gives.
TEST(RasterPlotCanvas, AxisLinesCoverWhatTheRasteriserGives) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-8, 20);
  for (int round = 0; round < 2000; ++round) {
    const int x0 = coordinate(random), y0 = coordinate(random);
    const bool horizontal = round % 2 == 0;
    const int x1 = horizontal ? coordinate(random) : x0;
    const int y1 = horizontal ? y0 : coordinate(random);
    QImage image = Blank(12, 10);
    RasterPlotCanvas canvas(image, TestFont());
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
    QImage expected = Blank(12, 10);
    RasterLine(x0, y0, x1, y1, {0, 0, 12, 10}, [&](int x, int y) { expected.setPixel(x, y, qRgb(0, 0, 0)); });
    ASSERT_EQ(image, expected) << x0 << "," << y0 << " -> " << x1 << "," << y1;
  }
}

TEST(RasterPlotCanvas, ZeroSizeDrawsNothing) {
  const QImage image = RenderResponsePlot(CurveView(10000, 1, 1), {0, 0}, TestFont());
  EXPECT_TRUE(image.isNull());
}

}  // namespace
