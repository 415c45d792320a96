#pragma once

#include "plot/PlotCanvas.h"
#include "plot/ResponsePlotPaint.h"

#include <string>
#include <vector>

// What the plot says in words, from the same frame and figures it draws. Texts
// are 8-bit and locale-free: 0xB5 is the micro sign, 0xB0 the degree sign.

// The readout at the logical pixel (x, y) of a plot whose logical client area is
// `client`: the frequency there and, when a curve is shown, the curve's level
// and phase there ("15.66kHz  +3.15 dB  -66.1\xB0"), else the level at the
// pointer ("15.66kHz  -2.34 dB"). Empty when the frame cannot be laid out.
// With extra curves over the plot, the figures are those of the curve whose
// row at x lies nearest to y, followed by its name when it is an extra one.
std::string PlotReadoutText(const ResponsePlotView& view, const PlotRect& client, int x, int y,
                            const std::vector<PlotExtraCurve>& extras = {});

// The curve's key figures in one line, "Peak +3.15 dB at 15.66kHz; -3 dB at
// 25.79kHz; 20kHz: +1.61 dB" ("No peak; ..." without one), or "No curve". A
// curve within 0.1 dB from 20 Hz to 20 kHz says so first: "Flat within 0.1 dB
// to 20 kHz; resonance at 3.248MHz".
std::string PlotDescription(const ResponsePlotView& view);

// The legend in words, for those who cannot see the picture: the view's own
// curve, then each extra curve that the paint names, by colour and with the
// name the legend shows: "Black: as calculated; blue: 47p, 47k; vermilion:
// 150p, 47k". Empty without extra curves.
std::string PlotLegendText(const ResponsePlotView& view, const std::vector<PlotExtraCurve>& extras);

// Tab-separated data of the curve: a header line, then frequency (Hz), level
// (dB) and phase (degrees) at each column of the logical client area, every
// line ended by '\n'. Only the header when there is no curve.
std::string PlotDataTsv(const ResponsePlotView& view, const PlotRect& client);

// "15.66kHz": a frequency at 4 digits with its prefix and unit.
std::string FrequencyText(double hertz);
