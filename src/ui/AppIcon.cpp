#include "AppIcon.h"

// Resources compiled into a static library need their initialiser pulled in
// by hand, and it must be called outside any namespace.
static void InitShellResources() { Q_INIT_RESOURCE(Varnholt); }

QIcon LoadAppIcon() {
  InitShellResources();
  QIcon icon;
  for (const int size : {16, 32, 48, 256}) {
    icon.addFile(QStringLiteral(":/varnholt/icon-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}
