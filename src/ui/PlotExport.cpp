#include "PlotExport.h"

#include "FieldText.h"
#include "MessageBoxes.h"
#include "files/SafeFile.h"
#include "plot/PlotReadout.h"
#include "plot/ResponsePlot.h"
#include "plot/SvgPlotCanvas.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMenu>

void AddPlotMenuItems(QMenu& menu, QWidget* owner, const CResponsePlot& plot) {
  menu.addAction(QStringLiteral("Copy Image"), [&plot] { CopyPlotImage(plot); });
  menu.addAction(QStringLiteral("Save Image As\u2026"), [owner, &plot] { SavePlotImageAs(owner, plot); });
  QAction* data = menu.addAction(QStringLiteral("Copy Data"), [&plot] { CopyPlotData(plot); });
  data->setEnabled(HasResponseCurve(plot.View()));
}

void CopyPlotImage(const CResponsePlot& plot) {
  QGuiApplication::clipboard()->setImage(plot.Render(plot.devicePixelRatioF()));
}

void CopyPlotData(const CResponsePlot& plot) {
  const std::string tsv = PlotDataTsv(plot.View(), {0, 0, plot.width(), plot.height()});
  QGuiApplication::clipboard()->setText(FromFieldBytes(tsv));
}

SvgTextStyle SvgStyleOf(const QWidget& widget) {
  const QFont font = widget.font();
  const QFontMetricsF metrics(font, &widget);
  SvgTextStyle style;
  style.family = QFontInfo(font).family().toLatin1().toStdString();
  style.pixelSize =
      font.pointSizeF() > 0 ? font.pointSizeF() * widget.logicalDpiY() / 72.0 : font.pixelSize();
  style.ascent = metrics.ascent();
  style.height = metrics.height();
  style.advance = [metrics](std::string_view text) {
    return metrics.horizontalAdvance(FromFieldBytes(text));
  };
  return style;
}

QByteArray PlotSvg(const CResponsePlot& plot) {
  const std::string svg =
      RenderPlotSvg(plot.View(), plot.width(), plot.height(), SvgStyleOf(plot), plot.ExtraCurves());
  return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
}

QString SavePlotImage(const CResponsePlot& plot, const QString& path) {
  QByteArray bytes;
  if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
    bytes = PlotSvg(plot);
  } else {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!plot.Render(plot.devicePixelRatioF()).save(&buffer, "PNG"))
      return QStringLiteral("The image could not be encoded.");
  }
  // Encoded first, so that a failure to encode touches no file at all.
  return WriteFileWhole(path, bytes);
}

QString WriteFileWhole(const QString& path, const QByteArray& bytes) {
  const std::string reason = WriteFileSafely(
      path.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  return reason.empty() ? QString() : QString::fromStdString(reason);
}

void SavePlotImageAs(QWidget* owner, const CResponsePlot& plot) {
  const QString png = QStringLiteral("PNG image (*.png)");
  const QString svg = QStringLiteral("SVG image (*.svg)");
  QString filter = png;
  QString path =
      QFileDialog::getSaveFileName(owner, QStringLiteral("Save Image As"), QStringLiteral("response.png"),
                                   png + QStringLiteral(";;") + svg, &filter);
  if (path.isEmpty()) return;
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != QStringLiteral("png") && suffix != QStringLiteral("svg")) {
    path += filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
  }
  const QString reason = SavePlotImage(plot, path);
  if (!reason.isNull()) {
    RunMessageBox(owner, QStringLiteral("Cannot save \"%1\": %2").arg(QDir::toNativeSeparators(path), reason),
                  QString(), QMessageBox::Ok);
  }
}
