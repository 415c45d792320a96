#include "ui/ResponsePlot.h"

#include "plot/PlotReadout.h"
#include "ui/FieldText.h"
#include "ui/RasterPlotCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>
#include <limits>
#include <utility>

CResponsePlot::CResponsePlot(QWidget* parent)
    : QWidget(parent),
      m_dF(std::numeric_limits<double>::quiet_NaN()),
      m_dQ(std::numeric_limits<double>::quiet_NaN()) {
  // Every paint covers the whole area.
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Moves without a button pressed feed the readout.
  setMouseTracking(true);
  UpdateDescription();
}

CResponsePlot::~CResponsePlot() = default;

ResponsePlotView CResponsePlot::View() const {
  return {m_bShowCurve, m_dF, m_dQ, m_dCenterFreq, m_dCenterDb, m_nScale};
}

void CResponsePlot::CurveChanged() {
  UpdateDescription();
  update();
}

void CResponsePlot::UpdateDescription() {
  const QString text = FromFieldBytes(PlotDescription(View()));
  if (text != accessibleDescription()) setAccessibleDescription(text);
}

void CResponsePlot::SetExtraCurves(std::vector<PlotExtraCurve> extras) {
  m_extraCurves = std::move(extras);
  update();
}

QImage CResponsePlot::Render(double pixelRatio) const {
  QImage image;
  if (pixelRatio == 1.0) {
    image = QImage(size(), QImage::Format_RGB32);
  } else {
    image = QImage(static_cast<int>(std::ceil(width() * pixelRatio)),
                   static_cast<int>(std::ceil(height() * pixelRatio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
  }
  // Labels at the size the rest of the window's text has on this screen.
  image.setDotsPerMeterX(static_cast<int>(std::lround(logicalDpiX() / 0.0254)));
  image.setDotsPerMeterY(static_cast<int>(std::lround(logicalDpiY() / 0.0254)));
  RasterPlotCanvas canvas(image, font());
  PaintResponsePlot(View(), canvas, m_extraCurves);
  return image;
}

void CResponsePlot::paintEvent(QPaintEvent*) {
  // Fields written without CurveChanged() still reach the description.
  UpdateDescription();
  QPainter(this).drawImage(0, 0, Render(devicePixelRatioF()));
}

QString CResponsePlot::ReadoutAt(QPoint pos) const {
  return FromFieldBytes(PlotReadoutText(View(), {0, 0, width(), height()}, pos.x(), pos.y(), m_extraCurves));
}

void CResponsePlot::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  QToolTip::showText(event->globalPosition().toPoint(), ReadoutAt(pos), this, rect());
}

void CResponsePlot::leaveEvent(QEvent* event) {
  QToolTip::hideText();
  QWidget::leaveEvent(event);
}
