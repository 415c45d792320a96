#pragma once

#include "plot/SvgPlotCanvas.h"

#include <QByteArray>
#include <QString>

class CResponsePlot;
class QMenu;
class QWidget;

// The plot's own items of the window's context menu: copy its image, save it
// as PNG or SVG, copy its data as tab-separated text.

// "Copy Image", "Save Image As…" and "Copy Data", appended to `menu`.
void AddPlotMenuItems(QMenu& menu, QWidget* owner, const CResponsePlot& plot);

// The plot as shown, at the screen's device resolution, to the clipboard.
void CopyPlotImage(const CResponsePlot& plot);

// The curve's frequency, level and phase per plot column, to the clipboard.
void CopyPlotData(const CResponsePlot& plot);

// Asks for a file name and saves there; a failure is told in a box.
void SavePlotImageAs(QWidget* owner, const CResponsePlot& plot);

// Writes the plot to `path` as SaveImage does: SVG or a PNG of the image as
// shown. Returns why it failed, or a null string.
QString SavePlotImage(const CResponsePlot& plot, const QString& path);

// The SVG document of the plot, its labels in the plot's font.
QByteArray PlotSvg(const CResponsePlot& plot);

// Labels of an SVG picture set in `widget`'s font, measured as on screen.
PlotTextStyle PlotTextStyleOf(const QWidget& widget);
