#include "plot/RasterPlotCanvas.h"
#include "plot/ResponsePlotPaint.h"

#include <benchmark/benchmark.h>

#include <QFont>
#include <QGuiApplication>
#include <QImage>

#include <cstdlib>

namespace {

// Glyphs need a running application; one for the whole program.
void EnsureApplication() {
  static int argc = 1;
  static char name[] = "bench_plot";
  static char* argv[] = {name, nullptr};
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication app(argc, argv);
}

QFont LabelFont() {
  QFont font("DejaVu Sans");
  font.setPointSize(8);
  return font;
}

// One whole paint at the window's size: ground, labels, grid and the curve.
void BM_PaintResponsePlot(benchmark::State& state) {
  EnsureApplication();
  QImage image(352, 325, QImage::Format_RGB32);
  const QFont font = LabelFont();
  const ResponsePlotView view{1, 18484.807061630512, 1.3314016810396694, 10000.0, -10.0, 128};
  for (auto _ : state) {
    RasterPlotCanvas canvas(image, font);
    PaintResponsePlot(view, canvas);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PaintResponsePlot)->Unit(benchmark::kMicrosecond);

// What any paint of this picture pays: the white ground and the labels.
void BM_FillAndLabelsOnly(benchmark::State& state) {
  EnsureApplication();
  QImage image(352, 325, QImage::Format_RGB32);
  const QFont font = LabelFont();
  struct Label {
    int x;
    int y;
    const char* text;
  };
  static constexpr Label kLabels[] = {{28, 305, "1kHz"},  {156, 305, "10kHz"}, {284, 305, "100kHz"},
                                      {10, 290, "-30dB"}, {10, 226, "-20dB"},  {10, 162, "-10dB"},
                                      {10, 98, "0dB"},    {10, 34, "10dB"}};
  for (auto _ : state) {
    RasterPlotCanvas canvas(image, font);
    canvas.FillSolidRect({0, 0, 352, 325}, kPlotWhite);
    canvas.SetTextColor(kLabelColour);
    for (const Label& label : kLabels) canvas.TextOut(label.x, label.y, label.text);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_FillAndLabelsOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
