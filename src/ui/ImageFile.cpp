#include "ImageFile.h"

#include "MessageBoxes.h"
#include "files/SafeFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QString SaveImage(const ImageSources& sources, const QString& path) {
  QByteArray bytes;
  if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
    const std::string svg = sources.svg();
    bytes = QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
  } else {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!sources.raster().save(&buffer, "PNG")) return QStringLiteral("The image could not be encoded.");
  }
  // Encoded first, so that a failure to encode touches no file at all.
  const std::string reason = WriteFileSafely(
      path.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  return reason.empty() ? QString() : QString::fromStdString(reason);
}

void SaveImageAs(QWidget* owner, const QString& suggested, const ImageSources& sources) {
  const QString png = QStringLiteral("PNG image (*.png)");
  const QString svg = QStringLiteral("SVG image (*.svg)");
  QString filter = png;
  QString path = QFileDialog::getSaveFileName(owner, QStringLiteral("Save Image As"), suggested,
                                              png + QStringLiteral(";;") + svg, &filter);
  if (path.isEmpty()) return;
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != QStringLiteral("png") && suffix != QStringLiteral("svg"))
    path += filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
  const QString reason = SaveImage(sources, path);
  if (!reason.isNull()) {
    RunMessageBox(owner, QStringLiteral("Cannot save \"%1\": %2").arg(QDir::toNativeSeparators(path), reason),
                  QString(), QMessageBox::Ok);
  }
}
