#include "WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

std::optional<QRect> Beside(const QRect& window, const QSize& size, int leastWidth, const QRect& screen) {
  const int right = screen.right() - window.right();
  const int left = window.left() - screen.left();
  const bool toRight = right >= size.width() || (left < size.width() && right >= left);
  const int width = std::min(size.width(), toRight ? right : left);
  if (width < leastWidth) return std::nullopt;
  const int height = std::min(size.height(), screen.height());
  const int x = toRight ? window.right() + 1 : window.left() - width;
  const int y = std::clamp(window.top(), screen.top(), screen.bottom() + 1 - height);
  return QRect(x, y, width, height);
}

}  // namespace

std::optional<BesidePlacement> BesideWindow(const QRect& window, const QSize& size, int leastWidth,
                                            const QRect& screen) {
  if (const std::optional<QRect> tool = Beside(window, size, leastWidth, screen))
    return BesidePlacement{*tool, window.topLeft()};
  QRect moved = window;
  const bool toLeftEdge = window.center().x() - screen.left() <= screen.right() - window.center().x();
  moved.moveLeft(toLeftEdge ? screen.left() : screen.right() + 1 - window.width());
  if (const std::optional<QRect> tool = Beside(moved, size, leastWidth, screen))
    return BesidePlacement{*tool, moved.topLeft()};
  return std::nullopt;
}

void PlaceBeside(QWidget& tool, QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) return;
  // The tool has no frame before it is shown: it will get one like the window's.
  const QSize frame = window.frameGeometry().size() - window.geometry().size();
  const std::optional<BesidePlacement> place =
      BesideWindow(window.frameGeometry(), tool.size() + frame,
                   tool.minimumSizeHint().width() + frame.width(), screen->availableGeometry());
  if (!place) return;
  if (place->windowAt != window.frameGeometry().topLeft()) window.move(place->windowAt);
  tool.resize(place->tool.size() - frame);
  tool.move(place->tool.topLeft());
}
