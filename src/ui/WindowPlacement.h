#pragma once

#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

// Where a tool window goes when it opens beside the main window, so that what
// it draws on the main window's plot stays in sight.

// The frame rectangle beside `window` on `screen` (both frames, in screen
// pixels): right of it where `size` fits there, else left of it, else on the
// roomier side, as narrow as that side is but never below `leastWidth`; level
// with the window's top, kept on the screen. None where neither side has
// `leastWidth`.
std::optional<QRect> BesideWindow(const QRect& window, const QSize& size, int leastWidth, const QRect& screen);

// Moves and sizes `tool` (not yet shown) beside `window` on the window's
// screen; leaves it where the system puts it when there is no room.
void PlaceBeside(QWidget& tool, const QWidget& window);
