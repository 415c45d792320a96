#pragma once

#include "Contours.h"
#include "LoadMap.h"
#include "plot/PlotCanvas.h"

#include <optional>
#include <string>
#include <vector>

// The load map drawn through the plot's canvas interface, so that the window,
// image files and the command line draw the same picture: the deviation as
// colour with its colour bar, labelled contour lines, decade labels on both
// axes, the stage's settings as dots (the best one ringed) and the window's
// load as a cross.

struct LoadMapLoad {
  double C;   // farad
  double RL;  // ohm
};

struct LoadMapMarks {
  std::vector<LoadMapLoad> stage;      // the stage's settings
  std::optional<LoadMapLoad> best;     // the best of them
  std::optional<LoadMapLoad> current;  // the window's load
};

inline constexpr double kMapContourLevels[] = {-3.0, -1.0, -0.5, 0.5, 1.0, 3.0};

struct LoadMapContour {
  double level;
  std::vector<ContourSegment> segments;  // grid coordinates
};

// The contour lines at kMapContourLevels; they depend on the grid only, so a
// window computes them once per map, not per paint.
std::vector<LoadMapContour> LoadMapContours(const LoadMap& map);

// Where the map lies on a client rectangle of device pixels at `ratio` device
// pixels per logical one. Each node is the centre of its cell in `area`.
struct LoadMapLayout {
  PlotRect area;  // the coloured grid
  PlotRect bar;   // the colour bar
  int columns;
  int rows;
  LoadMapRange C;
  LoadMapRange RL;

  double XOf(double c) const;
  double YOf(double rl) const;
  double CAt(double x) const;
  double RLAt(double y) const;
};

LoadMapLayout LayoutLoadMap(const LoadMap& map, const PlotRect& client, double ratio);

// The whole picture on the canvas's client area.
void PaintLoadMap(const LoadMap& map, const std::vector<LoadMapContour>& contours, const LoadMapMarks& marks,
                  PlotCanvas& canvas);

// The load under the logical pixel (x, y) of a map painted on `client` at one
// device pixel per logical one, as a solver writes it into a field (six
// digits); none outside the coloured area.
std::optional<LoadMapLoad> LoadMapLoadAt(const LoadMap& map, const PlotRect& client, int x, int y);

// The readout for that pixel (8-bit): "C 251p  RL 47k  F 18.4848k  Q 1.331402
// +2.87 dB"; empty outside the coloured area.
std::string LoadMapReadout(const LoadMap& map, const PlotRect& client, int x, int y);
