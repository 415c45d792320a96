#pragma once

#include "plot/PlotCanvas.h"

// The load map's colours: a diverging scale centred at 0 dB, a droop in blue
// and a rise in red, each side a straight line in CIELAB from a light neutral
// grey at 0 dB to its end colour, so that equal steps in dB look like equal
// steps in colour. It is stepped in kMapColourStepDb, which makes every band
// readable by eye and keeps a vector picture small.

inline constexpr double kMapScaleDb = 6.0;  // the ends of the scale, ± this
inline constexpr double kMapColourStepDb = 0.25;
// Behind nodes without a figure.
inline constexpr PlotColour kMapNoFigureColour = 0x808080;

// The colour of a deviation in dB; beyond ±kMapScaleDb the end colours, and
// kMapNoFigureColour for a value that is not a number.
PlotColour DeviationColour(double db);
