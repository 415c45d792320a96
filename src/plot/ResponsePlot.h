#pragma once

#include "plot/ResponsePlotPaint.h"

#include <QWidget>

// The response plot control: grid, axis labels and the magnitude curve of the
// loaded cartridge. Commands write m_bShowCurve, m_dF and m_dQ and call
// update(); every paint draws the whole picture afresh from the fields.
class CResponsePlot : public QWidget {
  Q_OBJECT

 public:
  explicit CResponsePlot(QWidget* parent = nullptr);
  ~CResponsePlot() override;

  // The fields as one paint reads them.
  ResponsePlotView View() const;

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
};
