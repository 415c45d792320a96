#pragma once

#include <QWidget>

// The response plot control: grid, axis labels and the magnitude curve of the
// loaded cartridge. Commands write the three view fields and call update().
class CResponsePlot : public QWidget {
  Q_OBJECT

 public:
  explicit CResponsePlot(QWidget* parent = nullptr);
  ~CResponsePlot() override;

  int m_bShowCurve = 0;  // 1: current curve, drawn black; 0: stale, drawn grey
  double m_dF = 0.0;     // the curve's resonant frequency, hertz
  double m_dQ = 0.0;     // the curve's quality factor

 protected:
  void paintEvent(QPaintEvent* event) override;
};
