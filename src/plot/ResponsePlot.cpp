#include "ResponsePlot.h"

#include <QPainter>

CResponsePlot::CResponsePlot(QWidget* parent) : QWidget(parent) {}

CResponsePlot::~CResponsePlot() = default;

void CResponsePlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
}
