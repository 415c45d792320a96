// Renders the plot at the window's size for a look by eye:
//   plot_render_png [out.png|out.svg] [stale] [F Q] [pixel ratio]
// Defaults: /tmp/varnholt-plot.png, current curve, the start-up F and Q, 1.

#include "engnum/NumberText.h"
#include "plot/SvgPlotCanvas.h"
#include "ui/RasterPlotCanvas.h"

#include <QFont>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  const char* out = argc > 1 ? argv[1] : "/tmp/varnholt-plot.png";
  const bool stale = argc > 2 && std::strcmp(argv[2], "stale") == 0;
  double F = 18484.807061630512;
  double Q = 1.3314016810396694;
  double ratio = 1.0;
  if ((argc > 4 && !(ReadDecimal(argv[3], F) && ReadDecimal(argv[4], Q))) ||
      (argc > 5 && !(ReadDecimal(argv[5], ratio) && ratio > 0))) {
    std::fprintf(stderr, "F, Q and the ratio must be decimal numbers\n");
    return 2;
  }
  QFont font("DejaVu Sans");
  font.setPointSize(8);
  const ResponsePlotView view{stale ? 0 : 1, F, Q, 10000.0, -10.0, 128};
  if (std::string_view(out).ends_with(".svg")) {
    const std::string svg = RenderPlotSvg(view, 352, 325);
    FILE* file = std::fopen(out, "wb");
    const bool written = file && std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
    if (!file || std::fclose(file) != 0 || !written) {
      std::fprintf(stderr, "cannot write %s\n", out);
      return 1;
    }
  } else if (!RenderResponsePlot(view, {352, 325}, font, ratio).save(out)) {
    std::fprintf(stderr, "cannot write %s\n", out);
    return 1;
  }
  std::printf("%s\n", out);
  return 0;
}
