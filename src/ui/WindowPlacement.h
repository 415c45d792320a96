#pragma once

#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

// Where a tool window goes when it opens beside the main window, so that what
// it draws on the main window's plot stays in sight.

struct BesidePlacement {
  QRect tool;       // the tool's frame
  QPoint windowAt;  // the window frame's top left: moved only where it must be
};

// The tool's frame beside `window` on `screen` (both frames, in screen
// pixels): right of it where `size` fits there, else left of it, else on the
// roomier side, as narrow as that side is but never below `leastWidth`; level
// with the window's top, kept on the screen. Where neither side has
// `leastWidth` but the screen holds both, the window goes to the nearer edge
// of the screen and the tool beside it. None where the screen is too narrow.
std::optional<BesidePlacement> BesideWindow(const QRect& window, const QSize& size, int leastWidth,
                                            const QRect& screen);

// Moves and sizes `tool` (not yet shown) beside `window` on the window's
// screen, moving the window where it must; leaves both where they are when
// the screen is too narrow.
void PlaceBeside(QWidget& tool, QWidget& window);
