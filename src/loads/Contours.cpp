#include "Contours.h"

#include <cmath>
#include <cstddef>

namespace {

struct Point {
  double x;
  double y;
};

// The point between nodes a (value va) and b (value vb) where the level lies.
Point Crossing(Point a, double va, Point b, double vb, double level) {
  const double t = (level - va) / (vb - va);
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

}  // namespace

std::vector<ContourSegment> ContourSegments(const std::vector<double>& values, int columns, int rows,
                                            double level, double maxJump) {
  std::vector<ContourSegment> segments;
  if (columns < 2 || rows < 2 || values.size() < static_cast<std::size_t>(columns) * rows) return segments;
  const auto at = [&](int i, int j) { return values[static_cast<std::size_t>(j) * columns + i]; };
  for (int j = 0; j + 1 < rows; ++j) {
    for (int i = 0; i + 1 < columns; ++i) {
      // Corners counter-clockwise from (i, j): 0 (i, j), 1 (i+1, j), 2 (i+1, j+1), 3 (i, j+1).
      const double v[4] = {at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)};
      // Most cells lie wholly on one side; they cost four comparisons.
      const int index = (v[0] >= level ? 1 : 0) | (v[1] >= level ? 2 : 0) | (v[2] >= level ? 4 : 0) |
                        (v[3] >= level ? 8 : 0);
      if (index == 0 || index == 15) continue;
      if (std::isnan(v[0]) || std::isnan(v[1]) || std::isnan(v[2]) || std::isnan(v[3])) continue;
      const double low = std::fmin(std::fmin(v[0], v[1]), std::fmin(v[2], v[3]));
      const double high = std::fmax(std::fmax(v[0], v[1]), std::fmax(v[2], v[3]));
      if (low < 0 && high > 0 && high - low > maxJump) continue;
      const Point p[4] = {
          {double(i), double(j)}, {i + 1.0, double(j)}, {i + 1.0, j + 1.0}, {double(i), j + 1.0}};
      // The crossing on edge k, between corner k and corner k + 1.
      const auto edge = [&](int k) { return Crossing(p[k], v[k], p[(k + 1) % 4], v[(k + 1) % 4], level); };
      const auto add = [&](int a, int b) {
        const Point s = edge(a);
        const Point e = edge(b);
        segments.push_back({s.x, s.y, e.x, e.y});
      };
      if (index == 5 || index == 10) {
        // Saddle: corners 0 and 2 on one side, 1 and 3 on the other. When the
        // centre lies on the side of corner 0, that side joins across the cell.
        const bool centreAbove = (v[0] + v[1] + v[2] + v[3]) / 4 >= level;
        const bool zeroAbove = index == 5;
        if (centreAbove == zeroAbove) {
          add(0, 1);  // corner 1 cut off
          add(2, 3);  // corner 3 cut off
        } else {
          add(3, 0);  // corner 0 cut off
          add(1, 2);  // corner 2 cut off
        }
        continue;
      }
      // One boundary crosses the cell: it enters on the one edge whose start
      // corner is below and end corner above, and leaves on the edge whose
      // start is above and end below.
      int in = -1;
      int out = -1;
      for (int k = 0; k < 4; ++k) {
        const bool a = (index >> k) & 1;
        const bool b = (index >> ((k + 1) % 4)) & 1;
        if (!a && b) in = k;
        if (a && !b) out = k;
      }
      add(in, out);
    }
  }
  return segments;
}
