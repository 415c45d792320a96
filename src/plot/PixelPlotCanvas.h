#pragma once

#include "plot/PlotCanvas.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// How a 32-bit pixel holds a colour: 0xAARRGGBB as a number (a QImage's RGB32),
// or the bytes R, G, B, A in memory (an HTML canvas's image data).
enum class PixelLayout { kArgbWord, kRgbaBytes };

// The plot canvas on 32-bit pixels the caller owns. Lines and fills are exact
// pixel writes; a subclass sets the labels' glyphs (TextOut) and may fill their
// cells with FillSolidRect first. Lines and frames are the pixel ratio wide in
// device pixels (rounded, at least one).
class PixelPlotCanvas : public PlotCanvas {
 public:
  // `pixels` holds `height` rows of `stride` pixels, each row at least `width` long.
  PixelPlotCanvas(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride, double pixelRatio,
                  PixelLayout layout);

  PlotRect GetClientRect() override;
  double GetPixelRatio() override;
  PlotObject CreatePen(PlotColour colour) override;
  PlotObject CreateSolidBrush(PlotColour colour) override;
  PlotObject SelectPen(PlotObject pen) override;
  void DeleteObject(PlotObject object) override;
  void SetLineMix(PlotLineMix mix) override;
  void SetTextColor(PlotColour colour) override;
  void FrameRect(const PlotRect& rect, PlotObject brush) override;
  void FillSolidRect(const PlotRect& rect, PlotColour colour) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void DrawCells(const PlotRect& rect, int columns, int rows, const PlotColour* cells) override;

  std::uint32_t PixelOf(PlotColour colour) const;

 protected:
  PlotColour TextColour() const { return m_textColour; }

 private:
  struct Object {
    PlotColour colour;
    bool alive;
  };

  PlotColour ColourOf(PlotObject object) const;
  std::uint32_t* Row(int y) const { return m_pixels + static_cast<std::ptrdiff_t>(y) * m_stride; }

  std::uint32_t* m_pixels;
  int m_width;
  int m_height;
  std::ptrdiff_t m_stride;
  double m_ratio;
  PixelLayout m_layout;
  int m_lineWidth;                // device pixels
  std::vector<Object> m_objects;  // index = handle; 0 is the canvas's black pen
  PlotObject m_pen = 0;
  PlotLineMix m_mix = PlotLineMix::kCopyPen;
  PlotColour m_textColour = 0x000000;
  int m_x = 0;
  int m_y = 0;
};
