#pragma once

#include <QFont>

// A fixed 8 pt font for the plot's pixel tests, so that glyph pixels do not
// depend on the desktop's defaults. The window itself uses DialogFont() (7 pt).
inline QFont TestFont() {
  QFont font("DejaVu Sans");
  font.setPointSize(8);
  font.setStyleHint(QFont::SansSerif);
  return font;
}
