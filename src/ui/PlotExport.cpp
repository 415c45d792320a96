#include "PlotExport.h"

#include "FieldText.h"
#include "ImageFile.h"
#include "MessageBoxes.h"
#include "plot/PlotReadout.h"
#include "plot/SvgPlotCanvas.h"
#include "ui/ResponsePlot.h"

#include <QClipboard>
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

PlotTextStyle PlotTextStyleOf(const QWidget& widget) {
  const QFont font = widget.font();
  const QFontMetricsF metrics(font, &widget);
  PlotTextStyle style;
  const QString family = QFontInfo(font).family();
  style.family = ToFieldBytes(family, static_cast<std::size_t>(family.size()));
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
      RenderPlotSvg(plot.View(), plot.width(), plot.height(), PlotTextStyleOf(plot), plot.ExtraCurves());
  return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
}

ImageSources PlotImageSources(const CResponsePlot& plot) {
  return {[&plot] { return PlotSvg(plot).toStdString(); },
          [&plot] { return plot.Render(plot.devicePixelRatioF()); }};
}

QString SavePlotImage(const CResponsePlot& plot, const QString& path) {
  return SaveImage(PlotImageSources(plot), path);
}

void SavePlotImageAs(QWidget* owner, const CResponsePlot& plot) {
  SaveImageAs(owner, QStringLiteral("response.png"), PlotImageSources(plot));
}
