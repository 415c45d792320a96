#pragma once

#include "plot/ResponsePlotPaint.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <vector>

// The response plot control: grid, axis labels and the magnitude curve of the
// loaded cartridge. Commands write m_bShowCurve, m_dF and m_dQ and call
// update() (or CurveChanged()); every paint draws the whole picture afresh
// from the fields, at the screen's device pixel ratio. While the pointer is
// over it a tooltip reads out the frequency and level there; its accessible
// description holds the curve's key figures.
class CResponsePlot : public QWidget {
  Q_OBJECT

 public:
  explicit CResponsePlot(QWidget* parent = nullptr);
  ~CResponsePlot() override;

  // The fields as one paint reads them.
  ResponsePlotView View() const;

  // After the fields changed: the description follows them and a repaint is due.
  void CurveChanged();

  // Curves drawn over the plot's own, with a legend; none by default.
  void SetExtraCurves(std::vector<PlotExtraCurve> extras);
  const std::vector<PlotExtraCurve>& ExtraCurves() const { return m_extraCurves; }

  // The whole picture as painted at `pixelRatio` device pixels per pixel.
  QImage Render(double pixelRatio) const;

  // The readout for the pointer at `pos` (logical pixels in the widget).
  QString ReadoutAt(QPoint pos) const;

  int m_bShowCurve = 0;  // 1: current curve, drawn black; 0: stale, drawn grey
  // The curve's resonant frequency (hertz) and quality factor. Not a number
  // until a computation hands them over: until then no curve is drawn.
  double m_dF;
  double m_dQ;
  double m_dCenterFreq = 10000.0;  // frequency at the horizontal centre, hertz
  double m_dCenterDb = -10.0;      // level at the vertical centre, dB
  int m_nScale = 128;              // pixels per decade and per 20 dB

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void UpdateDescription();

  std::vector<PlotExtraCurve> m_extraCurves;
};
