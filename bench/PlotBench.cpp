#include "loads/LoadMap.h"
#include "loads/LoadMapPaint.h"
#include "plot/ResponsePlotPaint.h"
#include "plot/SvgPlotCanvas.h"
#include "plot/WindowPlot.h"
#include "ui/RasterPlotCanvas.h"

#include <benchmark/benchmark.h>

#include <QFont>
#include <QGuiApplication>
#include <QImage>

#include <cmath>
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

// The whole paint at a device pixel ratio of Arg / 2: 1x, 1.5x and 2x in one
// run, so that the ratio of their times is measured under one load.
void BM_PaintAtPixelRatio(benchmark::State& state) {
  EnsureApplication();
  const double ratio = static_cast<double>(state.range(0)) / 2.0;
  QImage image(static_cast<int>(std::ceil(352 * ratio)), static_cast<int>(std::ceil(325 * ratio)),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  const QFont font = LabelFont();
  const ResponsePlotView view{1, 18484.807061630512, 1.3314016810396694, 10000.0, -10.0, 128};
  for (auto _ : state) {
    RasterPlotCanvas canvas(image, font);
    PaintResponsePlot(view, canvas);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PaintAtPixelRatio)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

// The default plot as an SVG document.
void BM_RenderPlotSvg(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(RenderWindowPlotSvg(18484.807061630512, 1.3314016810396694, true));
  }
}
BENCHMARK(BM_RenderPlotSvg)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// The load map repainted on a resize: the grid and its contours are kept, the
// picture is drawn afresh at the new size.
void BM_RepaintLoadMap(benchmark::State& state) {
  EnsureApplication();
  const LoadMap map = ComputeLoadMap({500e-3, 1200.0, {40e-12, 1e-9}, {4.7e3, 470e3}, 400, 300, 20000.0});
  const std::vector<LoadMapContour> contours = LoadMapContours(map);
  LoadMapMarks marks;
  for (const double c : {100e-12, 147e-12, 200e-12, 250e-12, 320e-12, 430e-12})
    marks.stage.push_back({c, 47e3});
  marks.best = LoadMapLoad{147e-12, 47e3};
  marks.current = LoadMapLoad{200e-12, 47e3};
  const QFont font = LabelFont();
  int grow = 0;
  for (auto _ : state) {
    QImage image(700 + grow, 520 + grow, QImage::Format_RGB32);
    grow = (grow + 1) % 8;
    RasterPlotCanvas canvas(image, font);
    PaintLoadMap(map, contours, marks, canvas);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_RepaintLoadMap)->Unit(benchmark::kMillisecond);

}  // namespace
