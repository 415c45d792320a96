#include "plot/WindowPlot.h"

#include <cstdint>

namespace {

// Advances of the printable ASCII characters (space to tilde) in 64ths of a
// pixel, as the window's font lays them out at its size on a 96-dpi screen.
constexpr std::uint16_t kAdvance64[95] = {
    183, 230, 264, 482, 366, 547, 449, 158, 224, 224, 288, 482, 183, 207, 183, 194,  //
    366, 366, 366, 366, 366, 366, 366, 366, 366, 366, 194, 194, 482, 482, 482, 305,  //
    576, 394, 395, 402, 443, 363, 331, 446, 433, 169, 169, 377, 320, 496, 430, 453,  //
    347, 453, 400, 365, 351, 421, 394, 569, 394, 351, 394, 224, 194, 224, 482, 288,  //
    288, 352, 365, 316, 365, 354, 202, 365, 365, 160, 160, 333, 160, 561, 365, 352,  //
    365, 365, 236, 300, 225, 365, 340, 471, 340, 340, 302, 366, 194, 366, 482,
};
constexpr int kMicroAdvance64 = 366;  // 0xB5, the micro sign of engineering prefixes
// Any other byte: a digit's width, the most common in a label.
constexpr int kOtherAdvance64 = 366;
constexpr double kAscent = 535 / 64.0;
constexpr double kHeight = 671 / 64.0;

// The window's advance of one 8-bit label text, in pixels.
double WindowLabelAdvance(std::string_view latin1) {
  int total = 0;
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      total += kAdvance64[byte - 0x20];
    } else {
      total += byte == 0xB5 ? kMicroAdvance64 : kOtherAdvance64;
    }
  }
  return total / 64.0;
}

}  // namespace

PlotTextStyle WindowPlotTextStyle() {
  PlotTextStyle style;
  style.family = kWindowFontFamily;
  // Points to pixels as the window computes it, to the same bits.
  style.pixelSize = kWindowFontPoints * kWindowDpi / 72.0;
  style.ascent = kAscent;
  style.height = kHeight;
  style.advance = WindowLabelAdvance;
  return style;
}

std::string RenderWindowPlotSvg(double F, double Q, bool showCurve,
                                const std::vector<PlotExtraCurve>& extras) {
  return RenderPlotSvg(MakeResponsePlotView(showCurve, F, Q), kWindowPlotWidth, kWindowPlotHeight,
                       WindowPlotTextStyle(), extras);
}
