#include "LoadMapPaint.h"

#include "LoadMapColours.h"
#include "engnum/EngValue.h"
#include "engnum/NumberText.h"
#include "engnum/SignedText.h"
#include "plot/PlotFrame.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr PlotColour kWhite = 0xFFFFFF;
constexpr PlotColour kBlack = 0x000000;
constexpr PlotColour kContourColour = 0x303030;
constexpr PlotColour kTickColour = 0x606060;

int Px(int logical, double ratio) { return TruncToPixels(logical * ratio); }

int Round(double v) { return TruncToPixels(std::floor(v + 0.5)); }

// An approximate half width of a label, for centring it; the canvas measures no text.
int HalfWidth(const std::string& text, double ratio) { return Px(3, ratio) * static_cast<int>(text.size()); }

std::string ContourText(double level) { return SignedFixed(level, level == std::trunc(level) ? 0 : 1); }

void Line(PlotCanvas& canvas, int x0, int y0, int x1, int y1) {
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

// The decades inside the range, or its two ends when it holds none.
std::vector<double> LabelledValues(const LoadMapRange& range) {
  std::vector<double> values;
  for (double d = std::ceil(std::log10(range.from)); d <= std::floor(std::log10(range.to)); ++d)
    values.push_back(std::pow(10.0, d));
  if (values.empty()) values = {range.from, range.to};
  return values;
}

// Short ticks at the multiples 2 to 9 of each decade in the range.
std::vector<double> MinorTicks(const LoadMapRange& range) {
  std::vector<double> values;
  for (double d = std::floor(std::log10(range.from)); d <= std::ceil(std::log10(range.to)); ++d) {
    for (int m = 2; m <= 9; ++m) {
      const double v = m * std::pow(10.0, d);
      if (v >= range.from && v <= range.to) values.push_back(v);
    }
  }
  return values;
}

void DrawAxes(PlotCanvas& canvas, const LoadMapLayout& layout, double ratio) {
  const PlotRect& a = layout.area;
  const PlotObject pen = canvas.CreatePen(kTickColour);
  const PlotObject previous = canvas.SelectPen(pen);
  for (const double c : MinorTicks(layout.C)) {
    const int x = Round(layout.XOf(c));
    Line(canvas, x, a.bottom, x, a.bottom + Px(3, ratio));
  }
  for (const double rl : MinorTicks(layout.RL)) {
    const int y = Round(layout.YOf(rl));
    Line(canvas, a.left - Px(3, ratio), y, a.left, y);
  }
  canvas.SelectPen(0);  // the canvas's own black pen
  for (const double c : LabelledValues(layout.C)) {
    const int x = Round(layout.XOf(c));
    Line(canvas, x, a.bottom, x, a.bottom + Px(6, ratio));
    const std::string text = FormatEngValue(c, 4) + "F";
    canvas.TextOut(x - HalfWidth(text, ratio), a.bottom + Px(7, ratio), text);
  }
  for (const double rl : LabelledValues(layout.RL)) {
    const int y = Round(layout.YOf(rl));
    Line(canvas, a.left - Px(6, ratio), y, a.left, y);
    const std::string text = FormatEngValue(rl, 4);
    canvas.TextOut(a.left - Px(8, ratio) - 2 * HalfWidth(text, ratio), y - Px(6, ratio), text);
  }
  canvas.TextOut(a.left - Px(40, ratio), a.top - Px(26, ratio), "RL (ohm)");
  canvas.TextOut(a.right - Px(40, ratio), a.bottom + Px(20, ratio), "C total");
  canvas.SelectPen(previous);
  canvas.DeleteObject(pen);
}

void DrawColourBar(PlotCanvas& canvas, const LoadMapLayout& layout, double ratio) {
  const PlotRect& bar = layout.bar;
  if (bar.right <= bar.left || bar.bottom <= bar.top) return;
  constexpr int kBands = 2 * static_cast<int>(kMapScaleDb / kMapColourStepDb) + 1;
  PlotColour bands[kBands];
  for (int i = 0; i < kBands; ++i) bands[i] = DeviationColour(kMapScaleDb - i * kMapColourStepDb);
  canvas.DrawCells(bar, 1, kBands, bands);
  const PlotObject frame = canvas.CreateSolidBrush(kBlack);
  canvas.FrameRect({bar.left - 1, bar.top - 1, bar.right + 1, bar.bottom + 1}, frame);
  canvas.DeleteObject(frame);
  const double height = bar.bottom - bar.top;
  for (const double db : {kMapScaleDb, 3.0, 1.0, 0.0, -1.0, -3.0, -kMapScaleDb}) {
    // The centre of the band of `db`.
    const int y =
        bar.top + Round((kMapScaleDb - db) / kMapColourStepDb * height / kBands + height / kBands / 2);
    Line(canvas, bar.right, y, bar.right + Px(4, ratio), y);
    const std::string text = db == 0 ? std::string("0 dB") : ContourText(db) + " dB";
    canvas.TextOut(bar.right + Px(6, ratio), y - Px(6, ratio), text);
  }
}

// The places of the cross and the ring, where no contour label goes (a
// stage may have thousands of dots; they are small enough to read past).
std::vector<std::pair<double, double>> MarkPlaces(const LoadMapLayout& layout, const LoadMapMarks& marks) {
  std::vector<std::pair<double, double>> places;
  if (marks.best) places.emplace_back(layout.XOf(marks.best->C), layout.YOf(marks.best->RL));
  if (marks.current) places.emplace_back(layout.XOf(marks.current->C), layout.YOf(marks.current->RL));
  return places;
}

void DrawContours(PlotCanvas& canvas, const LoadMapLayout& layout,
                  const std::vector<LoadMapContour>& contours, const LoadMapMarks& marks, double ratio) {
  const PlotRect& a = layout.area;
  const double cw = static_cast<double>(a.right - a.left) / layout.columns;
  const double ch = static_cast<double>(a.bottom - a.top) / layout.rows;
  const auto x = [&](double gx) { return a.left + (gx + 0.5) * cw; };
  const auto y = [&](double gy) { return a.bottom - (gy + 0.5) * ch; };
  const PlotObject pen = canvas.CreatePen(kContourColour);
  const PlotObject previous = canvas.SelectPen(pen);
  const int width = std::max(1, static_cast<int>(std::lround(ratio)));
  for (const LoadMapContour& contour : contours) {
    for (const ContourSegment& s : contour.segments) {
      for (int w = 0; w < width; ++w)
        Line(canvas, Round(x(s.x0)) + w, Round(y(s.y0)), Round(x(s.x1)) + w, Round(y(s.y1)));
    }
  }
  canvas.SelectPen(previous);
  canvas.DeleteObject(pen);
  // Each line's label where it lies farthest inside the area and clear of
  // the labels already placed.
  const double apart = Px(36, ratio);
  std::vector<std::pair<double, double>> placed = MarkPlaces(layout, marks);
  for (const LoadMapContour& contour : contours) {
    double bestX = 0;
    double bestY = 0;
    double room = -1;
    for (const ContourSegment& s : contour.segments) {
      const double mx = x((s.x0 + s.x1) / 2);
      const double my = y((s.y0 + s.y1) / 2);
      double r = std::min({mx - a.left, a.right - mx, my - a.top, a.bottom - my});
      for (const auto& [px, py] : placed) r = std::min(r, std::hypot(mx - px, my - py) - apart);
      if (r > room) {
        room = r;
        bestX = mx;
        bestY = my;
      }
    }
    if (room < 0) continue;
    placed.emplace_back(bestX, bestY);
    const std::string text = ContourText(contour.level);
    canvas.TextOut(Round(bestX) - HalfWidth(text, ratio), Round(bestY) - Px(6, ratio), text);
  }
}

bool InArea(const PlotRect& a, int x, int y) {
  return a.left <= x && x < a.right && a.top <= y && y < a.bottom;
}

// A filled square of side 2 half + 1 around (x, y).
void Square(PlotCanvas& canvas, int x, int y, int half, PlotColour colour) {
  canvas.FillSolidRect({x - half, y - half, x + half + 1, y + half + 1}, colour);
}

void DrawMarks(PlotCanvas& canvas, const LoadMapLayout& layout, const LoadMapMarks& marks, double ratio) {
  const PlotRect& a = layout.area;
  const auto at = [&](const LoadMapLoad& load, int& x, int& y) {
    x = Round(layout.XOf(load.C));
    y = Round(layout.YOf(load.RL));
    return std::isfinite(layout.XOf(load.C)) && std::isfinite(layout.YOf(load.RL)) && InArea(a, x, y);
  };
  int x = 0;
  int y = 0;
  if (marks.best && at(*marks.best, x, y)) {
    // A ring: black square outline on a white one.
    Square(canvas, x, y, Px(7, ratio), kWhite);
    Square(canvas, x, y, Px(6, ratio), kBlack);
    Square(canvas, x, y, Px(4, ratio), kWhite);
  }
  for (const LoadMapLoad& load : marks.stage) {
    if (!at(load, x, y)) continue;
    Square(canvas, x, y, Px(3, ratio), kWhite);
    Square(canvas, x, y, Px(2, ratio), kBlack);
  }
  if (marks.current && at(*marks.current, x, y)) {
    const int arm = Px(9, ratio);
    const int thick = std::max(1, Px(1, ratio));
    canvas.FillSolidRect({x - arm - thick, y - 2 * thick, x + arm + 2 * thick, y + 2 * thick + 1}, kWhite);
    canvas.FillSolidRect({x - 2 * thick, y - arm - thick, x + 2 * thick + 1, y + arm + 2 * thick}, kWhite);
    canvas.FillSolidRect({x - arm, y - thick, x + arm + 1, y + thick + 1}, kBlack);
    canvas.FillSolidRect({x - thick, y - arm, x + thick + 1, y + arm + 1}, kBlack);
  }
}

}  // namespace

std::vector<LoadMapContour> LoadMapContours(const LoadMap& map) {
  std::vector<double> values(map.nodes.size());
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = map.nodes[i].deviationDb;
  // Where the largest deviation changes from the peak to the fall at the
  // band edge it jumps in sign; no line is drawn along that edge.
  constexpr double kJumpDb = 1.0;
  std::vector<LoadMapContour> contours;
  for (const double level : kMapContourLevels) {
    contours.push_back({level, ContourSegments(values, static_cast<int>(map.C.size()),
                                               static_cast<int>(map.RL.size()), level, kJumpDb)});
  }
  return contours;
}

double LoadMapLayout::XOf(double c) const {
  const double u = std::log(c / C.from) / std::log(C.to / C.from);
  return area.left + (u * (columns - 1) + 0.5) * (area.right - area.left) / columns;
}

double LoadMapLayout::YOf(double rl) const {
  const double u = std::log(rl / RL.from) / std::log(RL.to / RL.from);
  return area.bottom - (u * (rows - 1) + 0.5) * (area.bottom - area.top) / rows;
}

double LoadMapLayout::CAt(double x) const {
  const double u = ((x - area.left) * columns / (area.right - area.left) - 0.5) / (columns - 1);
  return C.from * std::exp(u * std::log(C.to / C.from));
}

double LoadMapLayout::RLAt(double y) const {
  const double u = ((area.bottom - y) * rows / (area.bottom - area.top) - 0.5) / (rows - 1);
  return RL.from * std::exp(u * std::log(RL.to / RL.from));
}

LoadMapLayout LayoutLoadMap(const LoadMap& map, const PlotRect& client, double ratio) {
  LoadMapLayout layout;
  layout.area = {client.left + Px(48, ratio), client.top + Px(28, ratio), client.right - Px(78, ratio),
                 client.bottom - Px(36, ratio)};
  layout.area.right = std::max(layout.area.right, layout.area.left);
  layout.area.bottom = std::max(layout.area.bottom, layout.area.top);
  layout.bar = {layout.area.right + Px(16, ratio), layout.area.top, layout.area.right + Px(28, ratio),
                layout.area.bottom};
  layout.columns = static_cast<int>(map.C.size());
  layout.rows = static_cast<int>(map.RL.size());
  layout.C = map.input.C;
  layout.RL = map.input.RL;
  return layout;
}

void PaintLoadMap(const LoadMap& map, const std::vector<LoadMapContour>& contours, const LoadMapMarks& marks,
                  PlotCanvas& canvas) {
  const PlotRect client = canvas.GetClientRect();
  canvas.FillSolidRect(client, kWhite);
  canvas.SetLineMix(PlotLineMix::kCopyPen);
  canvas.SetTextColor(kBlack);
  const double ratio = canvas.GetPixelRatio();
  if (map.C.size() < 2 || map.RL.size() < 2 || !(ratio > 0) || !std::isfinite(ratio)) return;
  const LoadMapLayout layout = LayoutLoadMap(map, client, ratio);
  if (layout.area.right <= layout.area.left || layout.area.bottom <= layout.area.top) return;

  // The grid's rows bottom up, the picture's top down.
  const std::size_t columns = map.C.size();
  std::vector<PlotColour> cells(map.nodes.size());
  for (std::size_t j = 0; j < map.RL.size(); ++j) {
    const std::size_t row = map.RL.size() - 1 - j;
    for (std::size_t i = 0; i < columns; ++i)
      cells[j * columns + i] = DeviationColour(map.nodes[row * columns + i].deviationDb);
  }
  canvas.DrawCells(layout.area, static_cast<int>(columns), static_cast<int>(map.RL.size()), cells.data());
  DrawContours(canvas, layout, contours, marks, ratio);
  DrawMarks(canvas, layout, marks, ratio);
  DrawAxes(canvas, layout, ratio);
  DrawColourBar(canvas, layout, ratio);
}

std::optional<LoadMapLoad> LoadMapLoadAt(const LoadMap& map, const PlotRect& client, int x, int y) {
  if (map.C.size() < 2 || map.RL.size() < 2) return std::nullopt;
  const LoadMapLayout layout = LayoutLoadMap(map, client, 1.0);
  if (!InArea(layout.area, x, y)) return std::nullopt;
  return LoadMapLoad{AsWrittenInField(layout.CAt(x + 0.5)), AsWrittenInField(layout.RLAt(y + 0.5))};
}

std::string LoadMapReadout(const LoadMap& map, const PlotRect& client, int x, int y) {
  const std::optional<LoadMapLoad> load = LoadMapLoadAt(map, client, x, y);
  if (!load) return {};
  const LoadMapNode node = LoadMapFigures(map.input.L, map.input.RS, load->C, load->RL, map.input.bandEdge);
  std::string text = "C " + FormatEngValue(load->C, 6) + "  RL " + FormatEngValue(load->RL, 6) + "  F " +
                     FormatEngValue(node.F, 6) + "  Q " + FormatFixed(node.Q, 6);
  if (!std::isnan(node.deviationDb)) text += "  " + SignedDbText(node.deviationDb);
  return text;
}
