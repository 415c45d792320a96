#pragma once

#include <string>
#include <string_view>
#include <vector>

// Where in the plane of loads a cartridge is flat: total capacitance C across,
// load resistance RL up, both on logarithmic axes, and at every node of that
// grid the F, Q and signed largest deviation over 20 Hz to the band edge that
// the stage-settings finder gives for the same load.

inline constexpr int kMinMapPoints = 10;
inline constexpr int kMaxMapPoints = 2000;
inline constexpr double kMaxMapDecades = 12.0;

struct LoadMapRange {
  double from;
  double to;
};

struct LoadMapInput {
  double L;         // henry
  double RS;        // ohm
  LoadMapRange C;   // farad
  LoadMapRange RL;  // ohm
  int columns;      // nodes along C
  int rows;         // nodes along RL
  double bandEdge;  // hertz
};

// The input a fault is about, so that a window or an option can be named.
enum class LoadMapInputKind { None, CRange, RLRange, Points };

struct LoadMapFault {
  LoadMapInputKind input = LoadMapInputKind::None;
  std::string problem;  // "is reversed", ...; empty when the input is usable
};

// Why a range cannot span a map: empty, reversed, not positive or wider than
// kMaxMapDecades. Empty text when it can.
std::string LoadMapRangeProblem(const LoadMapRange& range);

// The first fault of the ranges and point counts (kMinMapPoints to
// kMaxMapPoints per axis), or none.
LoadMapFault CheckLoadMapInput(const LoadMapInput& input);

// Reads a range typed as two values, "20p 500p" or "20p,500p", each as the
// finder reads its entries. False when the text is not exactly two values.
bool ReadLoadMapRange(std::string_view text, LoadMapRange& range);

struct LoadMapNode {
  double F;
  double Q;
  double deviationDb;  // not a number when the figure does not exist
};

struct LoadMap {
  LoadMapInput input{};
  std::vector<double> C;           // per column, ascending
  std::vector<double> RL;          // per row, ascending
  std::vector<LoadMapNode> nodes;  // nodes[row * columns + column]

  const LoadMapNode& At(int column, int row) const {
    return nodes[static_cast<std::size_t>(row) * C.size() + static_cast<std::size_t>(column)];
  }
};

// The figures of one load, as the finder computes them for a setting.
LoadMapNode LoadMapFigures(double L, double RS, double C, double RL, double bandEdge);

// The grid for a usable input (CheckLoadMapInput finds no fault). Node values
// are spaced evenly in log between the range's ends, each as a solver writes
// it, so a node's figures are exactly those Calculate gives for its load.
LoadMap ComputeLoadMap(const LoadMapInput& input);
