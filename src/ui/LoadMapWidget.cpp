#include "LoadMapWidget.h"

#include "FieldText.h"
#include "PlotExport.h"
#include "plot/SvgPlotCanvas.h"
#include "ui/RasterPlotCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>
#include <utility>

CLoadMapWidget::CLoadMapWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setMinimumSize(320, 240);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CLoadMapWidget::SetMap(std::optional<LoadMap> map) {
  m_map = std::move(map);
  m_contours = m_map ? LoadMapContours(*m_map) : std::vector<LoadMapContour>{};
  update();
}

void CLoadMapWidget::SetMarks(LoadMapMarks marks) {
  m_marks = std::move(marks);
  update();
}

QSize CLoadMapWidget::sizeHint() const { return {600, 450}; }

QImage CLoadMapWidget::Render(double pixelRatio) const {
  QImage image(static_cast<int>(std::ceil(width() * pixelRatio)),
               static_cast<int>(std::ceil(height() * pixelRatio)), QImage::Format_RGB32);
  image.setDevicePixelRatio(pixelRatio);
  image.setDotsPerMeterX(static_cast<int>(std::lround(logicalDpiX() / 0.0254)));
  image.setDotsPerMeterY(static_cast<int>(std::lround(logicalDpiY() / 0.0254)));
  image.fill(Qt::white);
  if (m_map) {
    RasterPlotCanvas canvas(image, font());
    PaintLoadMap(*m_map, m_contours, m_marks, canvas);
  }
  return image;
}

std::string CLoadMapWidget::Svg() const {
  SvgPlotCanvas canvas(width(), height(), PlotTextStyleOf(*this));
  if (m_map) PaintLoadMap(*m_map, m_contours, m_marks, canvas);
  return canvas.Finish();
}

QString CLoadMapWidget::ReadoutAt(QPoint pos) const {
  if (!m_map) return {};
  return FromFieldBytes(LoadMapReadout(*m_map, {0, 0, width(), height()}, pos.x(), pos.y()));
}

void CLoadMapWidget::paintEvent(QPaintEvent*) { QPainter(this).drawImage(0, 0, Render(devicePixelRatioF())); }

void CLoadMapWidget::mouseMoveEvent(QMouseEvent* event) {
  const QString text = ReadoutAt(event->position().toPoint());
  if (text.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(event->globalPosition().toPoint(), text, this, rect());
  }
}

void CLoadMapWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!m_map) return;
  const QPoint pos = event->position().toPoint();
  if (const auto load = LoadMapLoadAt(*m_map, {0, 0, width(), height()}, pos.x(), pos.y()))
    emit LoadChosen(load->C, load->RL);
}

void CLoadMapWidget::leaveEvent(QEvent* event) {
  QToolTip::hideText();
  QWidget::leaveEvent(event);
}
