#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <string>

class QWidget;

// Saving a picture of the window (the plot, the load map): one way for both.

// How a picture is drawn for a file: as SVG, or as the image shown.
struct ImageSources {
  std::function<std::string()> svg;
  std::function<QImage()> raster;
};

// Writes the picture to `path`: SVG when the name ends in ".svg", else a PNG,
// encoded first and then written through the one safe writer (whole or not at
// all; links followed, permissions kept, anything but a regular file refused).
// Returns why it failed, or a null string.
QString SaveImage(const ImageSources& sources, const QString& path);

// Asks for a file name, `suggested` first (".png" or ".svg" added when the
// name has neither), and saves there; a failure is told in a box.
void SaveImageAs(QWidget* owner, const QString& suggested, const ImageSources& sources);
