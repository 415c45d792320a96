#pragma once

#include <cmath>
#include <vector>

// Contour lines of a grid of values by marching squares.

// A piece of a contour line, in grid coordinates: x counts columns and y rows
// of the grid, so node (i, j) lies at (i, j).
struct ContourSegment {
  double x0;
  double y0;
  double x1;
  double y1;
};

// Where the values (row by row: values[j * columns + i] at node (i, j)) cross
// `level`, as segments through each cell of four nodes, the crossings placed
// on the cell's edges by linear interpolation. A node exactly at the level
// counts as above it. A cell whose diagonal pairs lie on opposite sides (a
// saddle) is resolved by the mean of its four nodes; a cell with a node that is
// not a number has no segment, and so has a cell whose corners lie on both
// sides of zero and more than `maxJump` apart: there the values jump rather
// than pass through the levels between.
std::vector<ContourSegment> ContourSegments(const std::vector<double>& values, int columns, int rows,
                                            double level, double maxJump = INFINITY);
