#include "LoadMap.h"
#include "engnum/StrictValue.h"

#include "StageSettings.h"
#include "ValueList.h"
#include "circuit/Circuit.h"
#include "circuit/ResponseFigures.h"
#include "engnum/EngValue.h"

#include <cmath>
#include <limits>

namespace {

// `count` values from range.from to range.to, evenly spaced in log.
std::vector<double> Axis(const LoadMapRange& range, int count) {
  std::vector<double> values(static_cast<std::size_t>(count));
  const double span = std::log(range.to / range.from);
  for (int i = 0; i < count; ++i) {
    const double value = i == count - 1 ? range.to : range.from * std::exp(span * i / (count - 1));
    values[static_cast<std::size_t>(i)] = AsWrittenInField(value);
  }
  return values;
}

}  // namespace

std::string LoadMapRangeProblem(const LoadMapRange& range) {
  if (!std::isfinite(range.from) || !std::isfinite(range.to) || !(range.from > 0) || !(range.to > 0))
    return "must be above zero";
  if (range.from == range.to) return "is empty";
  if (range.from > range.to) return "is reversed";
  if (std::log10(range.to) - std::log10(range.from) > kMaxMapDecades) return "is wider than 12 decades";
  return {};
}

LoadMapFault CheckLoadMapInput(const LoadMapInput& input) {
  if (std::string problem = LoadMapRangeProblem(input.C); !problem.empty())
    return {LoadMapInputKind::CRange, std::move(problem)};
  if (std::string problem = LoadMapRangeProblem(input.RL); !problem.empty())
    return {LoadMapInputKind::RLRange, std::move(problem)};
  for (const int points : {input.columns, input.rows}) {
    if (points < kMinMapPoints || points > kMaxMapPoints)
      return {LoadMapInputKind::Points, "must be 10 to 2000 per axis"};
  }
  return {};
}

bool ReadLoadMapRange(std::string_view text, LoadMapRange& range) {
  const std::vector<std::string_view> parts = SplitList(text);
  return parts.size() == 2 && ReadStrictValue(parts[0], range.from) && ReadStrictValue(parts[1], range.to);
}

LoadMapNode LoadMapFigures(double L, double RS, double C, double RL, double bandEdge) {
  LoadMapNode node;
  node.F = ResonantFrequency(L, RS, C, RL);
  node.Q = QualityFactor(L, RS, C, RL);
  node.deviationDb = LargestDeviationDb(node.F, node.Q, kAudibleLowHz, bandEdge)
                         .value_or(std::numeric_limits<double>::quiet_NaN());
  return node;
}

LoadMap ComputeLoadMap(const LoadMapInput& input) {
  LoadMap map;
  map.input = input;
  map.C = Axis(input.C, input.columns);
  map.RL = Axis(input.RL, input.rows);
  map.nodes.reserve(map.C.size() * map.RL.size());
  for (const double RL : map.RL) {
    for (const double C : map.C)
      map.nodes.push_back(LoadMapFigures(input.L, input.RS, C, RL, input.bandEdge));
  }
  return map;
}
