#include "ui/DialogUnits.h"

#include <gtest/gtest.h>

namespace {

struct MapCase {
  const char* name;
  double dpi;
  int x, y, cx, cy;
  QRect expected;
};

// The main window's client area and plot at 96 dpi are the sizes the plot's
// worked examples use; twice the dpi doubles the base units.
const MapCase kCases[] = {
    {"ClientAt96", 96.0, 0, 0, 247, 306, QRect(0, 0, 371, 497)},
    {"PlotAt96", 96.0, 5, 100, 235, 200, QRect(8, 163, 352, 325)},
    {"ExitAt96", 96.0, 130, 65, 35, 14, QRect(195, 106, 53, 22)},
    {"PlotAt192", 192.0, 5, 100, 235, 200, QRect(15, 325, 705, 650)},
    {"PlotAt144", 144.0, 5, 100, 235, 200, QRect(11, 244, 529, 487)},
};

class DialogUnitsMap : public testing::TestWithParam<MapCase> {};

TEST_P(DialogUnitsMap, MapsEdgesSoNeighboursStayFlush) {
  const MapCase& c = GetParam();
  const DialogUnits units(c.dpi);
  EXPECT_EQ(units.MapRect(c.x, c.y, c.cx, c.cy), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rects, DialogUnitsMap, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<MapCase>& info) { return info.param.name; });

}  // namespace
