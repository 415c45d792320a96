#pragma once

#include "RecordingCanvas.h"
#include "plot/ResponsePlotPaint.h"

#include <cmath>
#include <vector>

// Views and readings of a recorded paint, shared by the recording and raster tests.

inline ResponsePlotView DefaultView() { return {0, std::nan(""), std::nan(""), 10000.0, -10.0, 128}; }

inline ResponsePlotView CurveView(double F, double Q, int showCurve) {
  ResponsePlotView view = DefaultView();
  view.m_bShowCurve = showCurve;
  view.m_dF = F;
  view.m_dQ = Q;
  return view;
}

inline RecordingCanvas RecordPaint(const ResponsePlotView& view, int width, int height) {
  RecordingCanvas canvas({0, 0, width, height});
  PaintResponsePlot(view, canvas);
  return canvas;
}

// The curve's samples: the last width + 1 moves and lines of the paint.
inline std::vector<RecordingCanvas::Call> CurveCalls(const RecordingCanvas& canvas) {
  std::vector<RecordingCanvas::Call> points;
  for (const auto& call : canvas.calls) {
    if (call.op != RecordingCanvas::Op::kTextOut) points.push_back(call);
  }
  const std::size_t samples = static_cast<std::size_t>(canvas.client.right - canvas.client.left + 1);
  if (points.size() < samples) return {};
  return {points.end() - static_cast<std::ptrdiff_t>(samples), points.end()};
}
