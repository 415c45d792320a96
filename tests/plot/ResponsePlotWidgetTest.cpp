#include "TestFont.h"
#include "ui/RasterPlotCanvas.h"
#include "ui/ResponsePlot.h"

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

}  // namespace
