#include "PaintRecording.h"
#include "plot/PixelPlotCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// The pixel canvas alone: labels leave their pixels as they are.
class BareCanvas : public PixelPlotCanvas {
 public:
  using PixelPlotCanvas::PixelPlotCanvas;
  void TextOut(int, int, std::string_view) override {}
};

struct Picture {
  int width;
  int height;
  std::vector<std::uint32_t> pixels;
};

Picture Paint(const ResponsePlotView& view, double ratio, PixelLayout layout,
              const std::vector<PlotExtraCurve>& extras = {}) {
  Picture picture{static_cast<int>(std::ceil(352 * ratio)), static_cast<int>(std::ceil(325 * ratio)), {}};
  picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, 0);
  BareCanvas canvas(picture.pixels.data(), picture.width, picture.height, picture.width, ratio, layout);
  PaintResponsePlot(view, canvas, extras);
  return picture;
}

// The red, green and blue of a pixel as 0x00BBGGRR, whatever the layout.
PlotColour ColourAt(const Picture& picture, int x, int y, PixelLayout layout) {
  const std::uint32_t word = picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
  if (layout == PixelLayout::kArgbWord) return (word >> 16 & 0xFF) | (word & 0xFF00) | (word & 0xFF) << 16;
  unsigned char bytes[4];
  std::memcpy(bytes, &word, sizeof bytes);
  EXPECT_EQ(bytes[3], 0xFF);
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16;
}

// The page's byte layout holds the very picture of the window's word layout,
// the darker-grey mix and coloured curves included, at every ratio.
TEST(PixelPlotCanvas, BothLayoutsPaintTheSamePicture) {
  const struct {
    ResponsePlotView view;
    double ratio;
    std::vector<PlotExtraCurve> extras;
  } rows[] = {
      {CurveView(18484.807061630512, 1.3314016810396694, 1), 1.0, {}},
      {CurveView(10000, 5, 1), 2.0, {}},
      {DefaultView(), 1.5, {}},
      {CurveView(20000, 1, 1),
       1.0,
       {{15000, 2, ExtraCurveColour(0), "a"}, {30000, 0.7, ExtraCurveColour(1), "b"}}},
  };
  for (const auto& row : rows) {
    const Picture words = Paint(row.view, row.ratio, PixelLayout::kArgbWord, row.extras);
    const Picture bytes = Paint(row.view, row.ratio, PixelLayout::kRgbaBytes, row.extras);
    for (int y = 0; y < words.height; ++y) {
      for (int x = 0; x < words.width; ++x) {
        ASSERT_EQ(ColourAt(bytes, x, y, PixelLayout::kRgbaBytes),
                  ColourAt(words, x, y, PixelLayout::kArgbWord))
            << x << "," << y << " at " << row.ratio;
      }
    }
  }
  const Picture grid = Paint(DefaultView(), 1.0, PixelLayout::kRgbaBytes);
  EXPECT_EQ(ColourAt(grid, 176, 162, PixelLayout::kRgbaBytes), kMajorGridColour);  // the centre
  EXPECT_EQ(ColourAt(grid, 87, 322, PixelLayout::kRgbaBytes), kMinorGridColour);
  EXPECT_EQ(ColourAt(grid, 240, 240, PixelLayout::kRgbaBytes), kPlotWhite);
}

}  // namespace
