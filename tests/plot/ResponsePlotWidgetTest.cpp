#include "TestFont.h"
#include "plot/RasterPlotCanvas.h"
#include "plot/ResponsePlot.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>

namespace {

QImage Grab(CResponsePlot& plot) { return plot.grab().toImage().convertToFormat(QImage::Format_RGB32); }

TEST(CResponsePlot, ConstructorValues) {
  const CResponsePlot plot;
  EXPECT_EQ(plot.m_bShowCurve, 0);
  EXPECT_TRUE(std::isnan(plot.m_dF));  // no curve before the first computation
  EXPECT_TRUE(std::isnan(plot.m_dQ));
  EXPECT_EQ(plot.m_dCenterFreq, 10000.0);
  EXPECT_EQ(plot.m_dCenterDb, -10.0);
  EXPECT_EQ(plot.m_nScale, 128);
}

// The dialog writes the three fields and asks for a repaint; the widget shows
// exactly the raster paint of its fields, in its own font.
TEST(CResponsePlot, PaintsItsFieldsAsTheDialogWritesThem) {
  CResponsePlot plot;
  plot.setFont(TestFont());
  plot.resize(352, 325);

  const QImage empty = Grab(plot);
  EXPECT_EQ(empty, RenderResponsePlot(plot.View(), {352, 325}, TestFont()));
  EXPECT_EQ(ToPlotColour(empty.pixel(150, 91)), kPlotWhite);

  plot.m_dF = 10000;
  plot.m_dQ = 1;
  plot.m_bShowCurve = 1;
  plot.update();
  const QImage current = Grab(plot);
  EXPECT_EQ(current, RenderResponsePlot(plot.View(), {352, 325}, TestFont()));
  EXPECT_EQ(ToPlotColour(current.pixel(150, 91)), kCurveColour);

  plot.m_bShowCurve = 0;  // a preset was chosen
  plot.update();
  EXPECT_EQ(ToPlotColour(Grab(plot).pixel(150, 91)), kMinorGridColour);
}

// The plot draws in place into an RGB32 target and through an image of its
// own otherwise; either way the pixels are the raster paint's, and nothing
// beside the plot's area changes.
TEST(CResponsePlot, RendersTheSameInPlaceAndThroughAnImage) {
  CResponsePlot plot;
  plot.setFont(TestFont());
  plot.resize(352, 325);
  plot.m_dF = 10000;
  plot.m_dQ = 1;
  plot.m_bShowCurve = 1;
  const QImage expected = RenderResponsePlot(plot.View(), {352, 325}, TestFont());
  const QPoint offset(7, 5);
  const QRgb outside = qRgb(1, 2, 3);

  struct Case {
    const char* name;
    QImage::Format format;
    QRegion region;  // empty: the whole plot
  };
  const Case cases[] = {
      {"in place", QImage::Format_RGB32, QRegion()},
      {"other format", QImage::Format_ARGB32_Premultiplied, QRegion()},
      {"part of the area", QImage::Format_RGB32, QRegion(0, 0, 100, 325)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QImage target(370, 340, c.format);
    target.fill(outside);
    plot.render(&target, offset, c.region, QWidget::DrawChildren);
    const QImage drawn = target.convertToFormat(QImage::Format_RGB32);
    const QRect area = c.region.isEmpty() ? QRect(QPoint(0, 0), plot.size()) : c.region.boundingRect();
    EXPECT_EQ(drawn.copy(area.translated(offset)), expected.copy(area));
    EXPECT_EQ(drawn.pixel(offset.x() - 1, offset.y() - 1), outside);
    EXPECT_EQ(drawn.pixel(offset.x() + area.width(), offset.y() + area.height() - 1), outside);
  }
}

}  // namespace
