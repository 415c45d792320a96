#include "plot/ResponsePlot.h"

#include "plot/RasterPlotCanvas.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <limits>

namespace {

// Labels at the size the rest of the window's text has on this screen.
void MatchResolution(QImage& image, const QWidget& widget) {
  image.setDotsPerMeterX(static_cast<int>(std::lround(widget.logicalDpiX() / 0.0254)));
  image.setDotsPerMeterY(static_cast<int>(std::lround(widget.logicalDpiY() / 0.0254)));
}

// QRegion::contains only tells whether a rectangle overlaps.
bool Covers(const QRegion& region, const QRect& rect) { return QRegion(rect).subtracted(region).isEmpty(); }

// The widget's pixels inside the image the painter draws on, when that image
// is plain RGB32 at one pixel per pixel and the whole widget is to be drawn;
// a null image otherwise. The image shares the painter's memory.
QImage DirectTarget(QPainter& painter, const QWidget& widget, const QRegion& region) {
  // Writing the pixels directly would ignore a clip narrower than the widget.
  if (!Covers(region, widget.rect())) return QImage();
  if (painter.hasClipping() && !Covers(painter.clipRegion(), widget.rect())) return QImage();
  QPaintEngine* engine = painter.paintEngine();
  QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
  if (device == nullptr || device->devType() != QInternal::Image) return QImage();
  auto* target = static_cast<QImage*>(device);
  const QTransform& transform = painter.deviceTransform();
  if (target->format() != QImage::Format_RGB32 || target->devicePixelRatio() != 1.0 ||
      transform.type() > QTransform::TxTranslate) {
    return QImage();
  }
  const QRect area(QPoint(static_cast<int>(transform.dx()), static_cast<int>(transform.dy())), widget.size());
  const QRegion clip = engine->systemClip();
  if (!target->rect().contains(area) || (!clip.isEmpty() && !Covers(clip, area))) return QImage();
  uchar* first = target->scanLine(area.top()) + static_cast<qsizetype>(area.left()) * 4;
  return QImage(first, area.width(), area.height(), target->bytesPerLine(), QImage::Format_RGB32);
}

}  // namespace

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

void CResponsePlot::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // Drawn in place where the window's backing image allows it: a second image
  // of the plot's size would add to the memory the first paint needs.
  QImage image = DirectTarget(painter, *this, event->region());
  const bool direct = !image.isNull();
  if (direct) {
    painter.end();
  } else {
    image = QImage(size(), QImage::Format_RGB32);
  }
  MatchResolution(image, *this);
  RasterPlotCanvas canvas(image, font());
  PaintResponsePlot(View(), canvas);
  if (!direct) painter.drawImage(0, 0, image);
}
