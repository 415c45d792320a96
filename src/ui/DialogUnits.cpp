#include "DialogUnits.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

DialogUnits::DialogUnits(double logicalDpi)
    : m_baseX(kBaseX96 * logicalDpi / 96.0), m_baseY(kBaseY96 * logicalDpi / 96.0) {}

DialogUnits DialogUnits::ForWidget(const QWidget& widget) {
  const QScreen* screen = widget.screen();
  return DialogUnits(screen ? screen->logicalDotsPerInchX() : 96.0);
}

// Halves round away from zero, as the dialog manager's integer scaling does.
int DialogUnits::ToPixelsX(int units) const { return static_cast<int>(std::lround(units * m_baseX / 4.0)); }

int DialogUnits::ToPixelsY(int units) const { return static_cast<int>(std::lround(units * m_baseY / 8.0)); }

QRect DialogUnits::MapRect(int x, int y, int cx, int cy) const {
  const int left = ToPixelsX(x);
  const int top = ToPixelsY(y);
  return QRect(left, top, ToPixelsX(x + cx) - left, ToPixelsY(y + cy) - top);
}
