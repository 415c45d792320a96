#pragma once

#include <QFont>

// The window's label font, fixed so that glyph pixels do not depend on the
// desktop's defaults.
inline QFont TestFont() {
  QFont font("DejaVu Sans");
  font.setPointSize(8);
  font.setStyleHint(QFont::SansSerif);
  return font;
}
