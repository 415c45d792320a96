#include "TestFont.h"
#include "circuit/ResponseFigures.h"
#include "plot/PlotReadout.h"
#include "plot/ResponsePlotPaint.h"
#include "ui/RasterPlotCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const ResponsePlotView kView = MakeResponsePlotView(true, 10000.0, 1.0);

// Three settings of the worked example's cartridge, as the finder lists them.
std::vector<PlotExtraCurve> Extras() {
  return {{22793.4, 0.665604, ExtraCurveColour(0), "0, 47k"},
          {14415.8, 1.035094, ExtraCurveColour(1), "150p, 47k"},
          {10992.0, 1.331225, ExtraCurveColour(2), "330p, 47k"}};
}

void PaintOnto(QImage& image, const std::vector<PlotExtraCurve>& extras) {
  RasterPlotCanvas canvas(image, TestFont());
  PaintResponsePlot(kView, canvas, extras);
}

QImage Render(const std::vector<PlotExtraCurve>& extras, double ratio = 1.0) {
  QImage image(static_cast<int>(352 * ratio), static_cast<int>(325 * ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  PaintOnto(image, extras);
  return image;
}

int CountOf(const QImage& image, PlotColour colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += ToPlotColour(image.pixel(x, y)) == colour;
  return count;
}

TEST(ExtraCurves, DrawnUnderTheBlackCurveAndGoneWithoutThem) {
  for (const double ratio : {1.0, 2.0}) {
    const QImage plain = Render({}, ratio);
    const QImage with = Render(Extras(), ratio);
    // A paint without them over the picture that had them leaves no trace.
    QImage repainted = with.copy();
    PaintOnto(repainted, {});
    EXPECT_EQ(repainted, plain);
    EXPECT_NE(with, plain);
    // Every pixel of the plain picture's curve and labels stays black.
    int black = 0;
    for (int y = 0; y < plain.height(); ++y) {
      for (int x = 0; x < plain.width(); ++x) {
        if (ToPlotColour(plain.pixel(x, y)) != 0) continue;
        ++black;
        ASSERT_EQ(ToPlotColour(with.pixel(x, y)), 0u) << x << "," << y << " at " << ratio;
      }
    }
    EXPECT_GT(black, 300);
    // Each extra curve in its own colour wherever it runs on white: a curve
    // sample per device column over most of the width.
    for (const PlotExtraCurve& extra : Extras())
      EXPECT_GT(CountOf(with, extra.colour), 200 * ratio) << extra.name << " at " << ratio;
  }
}

TEST(ExtraCurves, ACurveRunsWhereItsLevelIs) {
  const QImage image = Render(Extras());
  const PlotFrame frame = ResponsePlotFrame(kView, {0, 0, 352, 325}, 1.0);
  const PlotExtraCurve extra = Extras()[2];
  // Columns where this curve runs apart from the others and from the grid's
  // darker lines: its pixel is its colour or that colour mixed with light grey.
  int seen = 0;
  for (int x = 200; x < 260; ++x) {
    const int y = frame.RowOf(*LevelDb(frame.FrequencyAt(x), extra.F, extra.Q));
    const PlotColour pixel = ToPlotColour(image.pixel(x, y));
    seen += pixel == extra.colour || pixel == (extra.colour & 0xE0E0E0) || pixel == (extra.colour & 0xC0C0C0);
  }
  EXPECT_GT(seen, 55);
}

TEST(ExtraCurves, ReadoutNamesTheNearestCurve) {
  const PlotRect client{0, 0, 352, 325};
  const PlotFrame frame = ResponsePlotFrame(kView, client, 1.0);
  const int x = 240;  // about 40 kHz, where the curves lie far apart
  for (const PlotExtraCurve& extra : Extras()) {
    const int y = frame.RowOf(*LevelDb(frame.FrequencyAt(x), extra.F, extra.Q));
    const std::string text = PlotReadoutText(kView, client, x, y + 1, Extras());
    EXPECT_EQ(text.substr(text.size() - extra.name.size()), extra.name) << text;
  }
  const int y = frame.RowOf(*LevelDb(frame.FrequencyAt(x), kView.m_dF, kView.m_dQ));
  EXPECT_EQ(PlotReadoutText(kView, client, x, y, Extras()), PlotReadoutText(kView, client, x, y));
}

}  // namespace
