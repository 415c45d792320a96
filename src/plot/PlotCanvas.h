#pragma once

#include <cstdint>
#include <string_view>

// A colour as 0x00BBGGRR. The response plot uses black, white and greys; extra
// curves and the load map use other colours too.
using PlotColour = std::uint32_t;

// A rectangle in pixels; right and bottom lie one past the last pixel.
struct PlotRect {
  int left;
  int top;
  int right;
  int bottom;
};

// A pen or brush made by a canvas, valid until deleted. Handle 0 is the
// canvas's own black pen, selected when the canvas starts.
using PlotObject = int;

// How a line pixel combines with the pixel beneath: replace it, or become the
// bitwise AND of pen and pixel (the darker of two greys).
enum class PlotLineMix { kCopyPen, kMaskPen };

// The drawing context the response plot paints on. One unit is one pixel,
// origin at the top-left corner of the client area, y growing downward.
class PlotCanvas {
 public:
  virtual ~PlotCanvas() = default;

  // left = top = 0, right = width, bottom = height.
  virtual PlotRect GetClientRect() = 0;

  // Device pixels per logical pixel. The paint lays out its frame in device
  // pixels and scales its logical offsets by this; a pen and a frame are one
  // logical pixel wide, which the canvas makes whole device pixels.
  virtual double GetPixelRatio() { return 1.0; }

  // A solid pen one pixel wide.
  virtual PlotObject CreatePen(PlotColour colour) = 0;
  virtual PlotObject CreateSolidBrush(PlotColour colour) = 0;
  // Makes `pen` the pen of later lines; returns the pen selected before.
  virtual PlotObject SelectPen(PlotObject pen) = 0;
  // Releases a pen or brush; a selected pen must be deselected first.
  virtual void DeleteObject(PlotObject object) = 0;

  virtual void SetLineMix(PlotLineMix mix) = 0;
  virtual void SetTextColor(PlotColour colour) = 0;

  // A one-pixel frame just inside `rect`, painted with `brush`.
  virtual void FrameRect(const PlotRect& rect, PlotObject brush) = 0;
  virtual void FillSolidRect(const PlotRect& rect, PlotColour colour) = 0;

  virtual void MoveTo(int x, int y) = 0;
  // A one-pixel aliased line from the current position to (x, y), the pixel
  // at (x, y) excluded; (x, y) becomes the current position.
  virtual void LineTo(int x, int y) = 0;
  // 8-bit text (0xB5 is the micro sign) with the top-left corner of its cell at
  // (x, y); the cell is filled white before the glyphs are drawn.
  virtual void TextOut(int x, int y, std::string_view text) = 0;

  // A picture of `columns` x `rows` cells of one colour each (row by row, the
  // top row first) stretched over `rect`: cell (i, j) covers the pixels from
  // left + i * width / columns up to left + (i + 1) * width / columns, and the
  // same downward. This one fills a rectangle per run of equal cells in a row.
  virtual void DrawCells(const PlotRect& rect, int columns, int rows, const PlotColour* cells);
};
