#include "plot/ResponsePlot.h"

#include "plot/RasterPlotCanvas.h"

#include <QPainter>

#include <cmath>
#include <limits>

CResponsePlot::CResponsePlot(QWidget* parent)
    : QWidget(parent),
      m_dF(std::numeric_limits<double>::quiet_NaN()),
      m_dQ(std::numeric_limits<double>::quiet_NaN()) {
  // Every paint covers the whole area.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

CResponsePlot::~CResponsePlot() = default;

ResponsePlotView CResponsePlot::View() const {
  return {m_bShowCurve, m_dF, m_dQ, m_dCenterFreq, m_dCenterDb, m_nScale};
}

void CResponsePlot::paintEvent(QPaintEvent*) {
  QImage image(size(), QImage::Format_RGB32);
  // Labels at the size the rest of the window's text has on this screen.
  image.setDotsPerMeterX(static_cast<int>(std::lround(logicalDpiX() / 0.0254)));
  image.setDotsPerMeterY(static_cast<int>(std::lround(logicalDpiY() / 0.0254)));
  RasterPlotCanvas canvas(image, font());
  PaintResponsePlot(View(), canvas);
  QPainter(this).drawImage(0, 0, image);
}
