#pragma once

#include "loads/LoadMap.h"
#include "loads/LoadMapPaint.h"

#include <QImage>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

// The load map on screen: painted afresh at the screen's device pixel ratio on
// every paint, so it is sharp at any scale; a tooltip reads out the load under
// the pointer, and a double-click hands that load on.
class CLoadMapWidget : public QWidget {
  Q_OBJECT

 public:
  explicit CLoadMapWidget(QWidget* parent = nullptr);

  // A new grid (its contour lines are found here, once) or none.
  void SetMap(std::optional<LoadMap> map);
  void SetMarks(LoadMapMarks marks);
  const std::optional<LoadMap>& Map() const { return m_map; }
  const LoadMapMarks& Marks() const { return m_marks; }

  // The picture at `pixelRatio` device pixels per logical pixel.
  QImage Render(double pixelRatio) const;
  // The picture as an SVG document, its labels in the widget's font.
  std::string Svg() const;

  QString ReadoutAt(QPoint pos) const;

  QSize sizeHint() const override;

 signals:
  // The load under a double-click, as a solver writes it.
  void LoadChosen(double C, double RL);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  std::optional<LoadMap> m_map;
  std::vector<LoadMapContour> m_contours;
  LoadMapMarks m_marks;
};
