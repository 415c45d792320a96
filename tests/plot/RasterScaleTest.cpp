#include "PaintRecording.h"
#include "TestFont.h"
#include "ui/RasterPlotCanvas.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <set>

namespace {

// Above one device pixel per pixel: the device's pixels, lines one logical
// pixel wide in whole device pixels, grid and curve in their exact colours,
// and the curve continuous across every device column it crosses.
TEST(RasterPlotCanvas, DrawsAtTheDevicePixelRatio) {
  struct Case {
    double ratio;
    int width, height, lineWidth;
  };
  for (const Case& c : {Case{2.0, 704, 650, 2}, Case{1.5, 528, 488, 2}, Case{3.0, 1056, 975, 3}}) {
    SCOPED_TRACE(c.ratio);
    const QImage image = RenderResponsePlot(CurveView(18484.807061630512, 1.3314016810396694, 1), {352, 325},
                                            TestFont(), c.ratio);
    ASSERT_EQ(image.size(), QSize(c.width, c.height));
    EXPECT_EQ(image.devicePixelRatio(), c.ratio);

    // The 10 kHz decade line sits at the device centre, `lineWidth` columns of
    // the major grey wherever nothing else crosses it (rows between dB lines).
    const int cx = c.width / 2;
    const int row = static_cast<int>(std::lround(c.height * 0.30)) + 1;
    std::set<PlotColour> acrossRow;
    for (int x = cx - 4; x < cx + c.lineWidth + 4; ++x) acrossRow.insert(ToPlotColour(image.pixel(x, row)));
    int majorColumns = 0;
    for (int x = cx - 4; x < cx + c.lineWidth + 4; ++x) {
      majorColumns += ToPlotColour(image.pixel(x, row)) == kMajorGridColour;
    }
    EXPECT_EQ(majorColumns, c.lineWidth);
    // No smoothing: outside the label cells only the plot's four colours.
    for (PlotColour colour : acrossRow) {
      EXPECT_TRUE(colour == kPlotWhite || colour == kMinorGridColour || colour == kMajorGridColour ||
                  colour == kCurveColour)
          << std::hex << colour;
    }

    // Every device column from the left edge until the curve leaves through
    // the bottom (past 100 kHz) holds at least a pen's width of black.
    int x = 0;
    for (; x < c.width; ++x) {
      int black = 0;
      for (int y = 0; y < c.height; ++y) black += ToPlotColour(image.pixel(x, y)) == kCurveColour ? 1 : 0;
      if (black < c.lineWidth) break;
    }
    EXPECT_GT(x, c.width * 17 / 20) << x;
  }
}

}  // namespace
