#include "AppIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <array>
#include <map>

// Resources compiled into a static library need their initialiser pulled in
// by hand, and it must be called outside any namespace.
static void InitShellResources() { Q_INIT_RESOURCE(Varnholt); }

namespace {

constexpr std::array<int, 4> kSizes = {16, 32, 48, 256};

// Decodes an image only when a size is first asked for: at start-up the window
// needs at most the small ones, and decoding all four would cost time and
// memory before the first paint.
class AppIconEngine : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    if (size.isEmpty()) return QPixmap();
    const int side = std::max(size.width(), size.height());
    int pick = kSizes.back();
    for (const int s : kSizes) {
      if (s >= side) {
        pick = s;
        break;
      }
    }
    QPixmap& image = m_loaded[pick];
    if (image.isNull()) image.load(QStringLiteral(":/varnholt/icon-%1.png").arg(pick));
    if (image.size() == size || image.isNull()) return image;
    return image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (const int s : kSizes) sizes.push_back(QSize(s, s));
    return sizes;
  }

  QIconEngine* clone() const override { return new AppIconEngine(*this); }
  QString key() const override { return QStringLiteral("VarnholtAppIcon"); }

 private:
  std::map<int, QPixmap> m_loaded;
};

}  // namespace

QIcon LoadAppIcon() {
  InitShellResources();
  return QIcon(new AppIconEngine);
}
