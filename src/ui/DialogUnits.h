#pragma once

#include <QRect>

class QWidget;

// Dialog units to pixels. A dialog unit is a quarter of the dialog font's base
// width across and an eighth of its base height down; the base units are 6 x 13
// pixels at 96 dpi and scale with the screen's logical dpi. Like the classic
// dialog manager, a rectangle maps its edges, not its size, so neighbouring
// controls stay flush whatever the rounding.
class DialogUnits {
 public:
  static constexpr double kBaseX96 = 6.0;
  static constexpr double kBaseY96 = 13.0;

  explicit DialogUnits(double logicalDpi = 96.0);

  // The mapping for the screen that `widget` is on.
  static DialogUnits ForWidget(const QWidget& widget);

  int ToPixelsX(int units) const;
  int ToPixelsY(int units) const;
  QRect MapRect(int x, int y, int cx, int cy) const;

 private:
  double m_baseX;
  double m_baseY;
};
