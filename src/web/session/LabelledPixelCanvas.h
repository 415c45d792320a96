#pragma once

#include "WebSession.h"
#include "engnum/FieldTextUtf8.h"
#include "plot/PixelPlotCanvas.h"
#include "plot/WindowPlot.h"

#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

// The pixel canvas with the window's labels: each label's cell is filled white
// at once, sized by the window's font metrics, and its glyphs are handed to
// the page, which sets them in that font over the finished picture.
class LabelledPixelCanvas final : public PixelPlotCanvas {
 public:
  LabelledPixelCanvas(PixelBuffer& pixels, int width, int height, double ratio,
                      std::vector<WebSession::Label>& labels)
      : PixelPlotCanvas(pixels.data(), width, height, width, ratio, PixelLayout::kRgbaBytes),
        m_ratio(ratio),
        m_labels(labels),
        m_style(WindowPlotTextStyle()) {}

  void TextOut(int x, int y, std::string_view text) override {
    const int width = static_cast<int>(std::ceil(m_style.advance(text) * m_ratio));
    const int height = static_cast<int>(std::ceil(m_style.height * m_ratio));
    FillSolidRect({x, y, x + width, y + height}, kPlotWhite);
    m_labels.push_back({x, y, FieldBytesToUtf8(std::string(text)), TextColour()});
  }

 private:
  double m_ratio;
  std::vector<WebSession::Label>& m_labels;
  PlotTextStyle m_style;
};
