#include "plot/ResponsePlotPaint.h"

#include "circuit/Circuit.h"
#include "circuit/ResponseFigures.h"
#include "engnum/EngValue.h"
#include "plot/PlotFrame.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

bool Inside(const PlotRect& r, int x, int y) {
  return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

// The decade at or below the frequency of the left edge; labels and vertical
// grid start here. Zero for an area so wide that the edge's frequency
// underflows: multiplying or adding zero would never reach the right edge.
double FirstDecade(const PlotFrame& frame) {
  return std::pow(10.0, std::floor(std::log10(frame.FrequencyAt(frame.client.left))));
}

// The multiple of 10 dB at or below the level of the bottom edge.
int FirstLevel(const PlotFrame& frame) {
  return TruncToPixels(std::floor(frame.LevelAt(frame.client.bottom) / 10) * 10);
}

// A distance of `logical` pixels in device pixels.
int DevicePixels(int logical, double ratio) {
  return ratio == 1.0 ? logical : TruncToPixels(logical * ratio);
}

// The top of the frequency labels' line, and the height a label's line takes
// (the window's font is 10.5 pixels high), both in device pixels.
int FrequencyLabelRow(const PlotFrame& frame, double ratio) {
  return frame.client.bottom - DevicePixels(20, ratio);
}
int LabelLine(double ratio) { return DevicePixels(12, ratio); }
// How far a frequency label reaches right of its decade's line at most
// ("100MHz" starts 20 pixels left of it and is 36.4 wide).
int FrequencyLabelReach(double ratio) { return DevicePixels(17, ratio); }

void DrawFrequencyLabels(PlotCanvas& canvas, const PlotFrame& frame, double firstDecade, double ratio) {
  const PlotRect& client = frame.client;
  const int offset = DevicePixels(20, ratio);
  if (!(firstDecade > 0)) return;
  for (double f = firstDecade; frame.ColumnOf(f) < client.right; f *= 10) {
    // At some widths a decade's line falls so near the right edge that its
    // label would be cut off there.
    if (frame.ColumnOf(f) + FrequencyLabelReach(ratio) > client.right) continue;
    char text[kEngTextSize + 2];
    FormatEngValue(f, 4, text, kEngTextSize);
    std::strcat(text, "Hz");
    ClippedTextOut(canvas, frame.ColumnOf(f) - offset, FrequencyLabelRow(frame, ratio), text);
  }
}

// A level whose label would run into the frequencies' line or below it, as
// the grid falls at some heights other than the window's, goes unlabelled.
void DrawLevelLabels(PlotCanvas& canvas, const PlotFrame& frame, int firstLevel, double ratio) {
  const PlotRect& client = frame.client;
  const int indent = DevicePixels(10, ratio);
  const int lowest = FrequencyLabelRow(frame, ratio) - LabelLine(ratio);
  for (int d = firstLevel; frame.RowOf(d) > client.top; d += 10) {
    if (frame.RowOf(d) > lowest) continue;
    char text[16];
    char* end = std::to_chars(text, text + sizeof text - 3, d).ptr;
    std::memcpy(end, "dB", 3);
    ClippedTextOut(canvas, client.left + indent, frame.RowOf(d), text);
  }
}

void DrawVerticalLine(PlotCanvas& canvas, const PlotFrame& frame, int x) {
  canvas.MoveTo(x, frame.client.top);
  ClippedLineTo(canvas, x, frame.client.bottom);
}

void DrawHorizontalLine(PlotCanvas& canvas, const PlotFrame& frame, int y) {
  canvas.MoveTo(frame.client.left, y);
  ClippedLineTo(canvas, frame.client.right, y);
}

// Decade lines dark, the multiples 2 to 9 of each decade light. The multiples
// are reached by addition, so the tenth is the next decade line.
void DrawVerticalGrid(PlotCanvas& canvas, const PlotFrame& frame, double firstDecade, PlotObject minorPen,
                      PlotObject majorPen) {
  const int right = frame.client.right;
  if (!(firstDecade > 0)) return;
  double f = firstDecade;
  while (frame.ColumnOf(f) < right) {
    canvas.SelectPen(majorPen);
    const double step = f;
    DrawVerticalLine(canvas, frame, frame.ColumnOf(f));
    f += step;
    canvas.SelectPen(minorPen);
    for (int multiple = 2; multiple <= 9; ++multiple) {
      if (frame.ColumnOf(f) >= right) break;
      DrawVerticalLine(canvas, frame, frame.ColumnOf(f));
      f += step;
    }
  }
}

// A line at every whole decibel, those at multiples of 10 dB dark.
void DrawHorizontalGrid(PlotCanvas& canvas, const PlotFrame& frame, int firstLevel, PlotObject minorPen,
                        PlotObject majorPen) {
  const int top = frame.client.top;
  int d = firstLevel;
  while (frame.RowOf(d) > top) {
    canvas.SelectPen(majorPen);
    DrawHorizontalLine(canvas, frame, frame.RowOf(d));
    ++d;
    canvas.SelectPen(minorPen);
    for (int counter = 2; counter <= 10; ++counter) {
      if (frame.RowOf(d) <= top) break;
      DrawHorizontalLine(canvas, frame, frame.RowOf(d));
      ++d;
    }
  }
}

// One sample per device column, right included. A level that is not finite becomes a
// row far outside (above for +inf, below otherwise), so the position moves
// there and no segment ends at it.
template <typename Level>
void DrawLevels(PlotCanvas& canvas, const PlotFrame& frame, const Level& levelAt) {
  const PlotRect& client = frame.client;
  for (int x = client.left; x <= client.right; ++x) {
    const double level = levelAt(frame.FrequencyAt(x));
    const int y = frame.RowOf(level);
    if (x == client.left) {
      canvas.MoveTo(x, y);
    } else {
      ClippedLineTo(canvas, x, y);
    }
  }
}

void DrawCurve(PlotCanvas& canvas, const PlotFrame& frame, double F, double Q) {
  DrawLevels(canvas, frame, [F, Q](double f) { return 20 * std::log10(ResponseMagnitude(f, F, Q)); });
}

// Each extra curve in its own pen, mixed as the grid is, so that crossings
// with the grid and with each other stay visible.
void DrawExtraCurves(PlotCanvas& canvas, const PlotFrame& frame, const std::vector<PlotExtraCurve>& extras) {
  const std::size_t count = std::min(extras.size(), kMaxExtraCurves);
  for (std::size_t i = 0; i < count; ++i) {
    const PlotExtraCurve& extra = extras[i];
    if (!extra.levelDb && !IsValidCurve(extra.F, extra.Q)) continue;
    const PlotObject pen = canvas.CreatePen(extra.colour);
    const PlotObject previous = canvas.SelectPen(pen);
    if (extra.levelDb) {
      DrawLevels(canvas, frame, extra.levelDb);
    } else {
      DrawCurve(canvas, frame, extra.F, extra.Q);
    }
    canvas.SelectPen(previous);
    canvas.DeleteObject(pen);
  }
}

// A short stroke of each curve's colour and its name, one line each, in the
// lower left, where the curve of a cartridge seldom runs and no label stands.
// Drawn with the labels, before any line, so that the curves run over it.
void DrawLegend(PlotCanvas& canvas, const PlotFrame& frame, const std::vector<PlotExtraCurve>& extras,
                double ratio) {
  const std::size_t count = std::min(extras.size(), kMaxExtraCurves);
  const int line = DevicePixels(12, ratio);
  const int stroke = DevicePixels(16, ratio);
  const int x = frame.client.left + DevicePixels(48, ratio);
  int y = frame.cy + DevicePixels(24, ratio);
  for (std::size_t i = 0; i < count; ++i, y += line) {
    const PlotObject pen = canvas.CreatePen(extras[i].colour);
    const PlotObject previous = canvas.SelectPen(pen);
    for (int w = 0; w < DevicePixels(2, ratio); ++w) {
      canvas.MoveTo(x, y + line / 2 + w);
      ClippedLineTo(canvas, x + stroke, y + line / 2 + w);
    }
    canvas.SelectPen(previous);
    canvas.DeleteObject(pen);
    ClippedTextOut(canvas, x + stroke + DevicePixels(4, ratio), y, extras[i].name);
  }
}

}  // namespace

PlotColour ExtraCurveColour(std::size_t index) {
  // Blue, vermilion, bluish green, reddish purple, orange; as 0x00BBGGRR.
  static constexpr PlotColour kColours[kMaxExtraCurves] = {0xB27200, 0x005ED5, 0x739E00, 0xA779CC, 0x009FE6};
  return kColours[index % kMaxExtraCurves];
}

const char* ExtraCurveColourName(std::size_t index) {
  static constexpr const char* kNames[kMaxExtraCurves] = {"blue", "vermilion", "bluish green",
                                                          "reddish purple", "orange"};
  return kNames[index % kMaxExtraCurves];
}

bool ResponsePlotFrameUsable(const ResponsePlotView& view) {
  return view.m_nScale > 0 && std::isfinite(view.m_dCenterFreq) && view.m_dCenterFreq > 0 &&
         std::isfinite(view.m_dCenterDb);
}

PlotFrame ResponsePlotFrame(const ResponsePlotView& view, const PlotRect& client, double pixelRatio) {
  const double scale = pixelRatio == 1.0 ? view.m_nScale : view.m_nScale * pixelRatio;
  return PlotFrame(client, view.m_dCenterFreq, view.m_dCenterDb, scale);
}

bool HasResponseCurve(const ResponsePlotView& view) {
  return std::isfinite(view.m_dF) && view.m_dF > 0 && std::isfinite(view.m_dQ) && view.m_dQ > 0;
}

void ClippedLineTo(PlotCanvas& canvas, int x, int y) {
  if (Inside(canvas.GetClientRect(), x, y)) {
    canvas.LineTo(x, y);
  } else {
    canvas.MoveTo(x, y);
  }
}

void ClippedTextOut(PlotCanvas& canvas, int x, int y, std::string_view text) {
  if (Inside(canvas.GetClientRect(), x, y)) canvas.TextOut(x, y, text);
}

void PaintResponsePlot(const ResponsePlotView& view, PlotCanvas& canvas,
                       const std::vector<PlotExtraCurve>& extras) {
  const PlotObject whiteBrush = canvas.CreateSolidBrush(kPlotWhite);

  // The canvas is one unit per pixel already; no mapping to set up.
  const PlotRect client = canvas.GetClientRect();
  canvas.FrameRect(client, whiteBrush);
  canvas.FillSolidRect(client, kPlotWhite);

  const PlotObject curvePen = canvas.CreatePen(kCurveColour);
  const PlotObject minorPen = canvas.CreatePen(kMinorGridColour);
  const PlotObject majorPen = canvas.CreatePen(kMajorGridColour);
  canvas.SetLineMix(PlotLineMix::kMaskPen);
  const PlotObject originalPen = canvas.SelectPen(minorPen);
  canvas.SetTextColor(kLabelColour);

  // A canvas of more device pixels than logical ones gets the same picture laid
  // out on its own pixels: finer positions and a sample per device column.
  const double ratio = canvas.GetPixelRatio();
  if (ResponsePlotFrameUsable(view) && std::isfinite(ratio) && ratio > 0) {
    const PlotFrame frame = ResponsePlotFrame(view, client, ratio);
    const double firstDecade = FirstDecade(frame);
    const int firstLevel = FirstLevel(frame);
    DrawFrequencyLabels(canvas, frame, firstDecade, ratio);
    DrawLevelLabels(canvas, frame, firstLevel, ratio);
    DrawLegend(canvas, frame, extras, ratio);
    DrawVerticalGrid(canvas, frame, firstDecade, minorPen, majorPen);
    DrawHorizontalGrid(canvas, frame, firstLevel, minorPen, majorPen);
    DrawExtraCurves(canvas, frame, extras);
    if (HasResponseCurve(view)) {
      // A stale curve keeps the minor-grid pen selected: light grey, not hidden.
      if (view.m_bShowCurve != 0) canvas.SelectPen(curvePen);
      DrawCurve(canvas, frame, view.m_dF, view.m_dQ);
    }
  }

  canvas.SelectPen(originalPen);
  canvas.DeleteObject(curvePen);
  canvas.DeleteObject(minorPen);
  canvas.DeleteObject(majorPen);
  canvas.DeleteObject(whiteBrush);
}
