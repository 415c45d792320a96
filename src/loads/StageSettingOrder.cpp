#include "StageSettingOrder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr double kNone = -std::numeric_limits<double>::infinity();
constexpr double kLast = std::numeric_limits<double>::infinity();

double Or(const std::optional<double>& value, double fallback) { return value ? *value : fallback; }

// The number a column sorts by.
double SortKey(const StageSettingRow& row, StageColumn column) {
  switch (column) {
    case StageColumn::CTotal:
      return row.C;
    case StageColumn::RL:
      return row.RL;
    case StageColumn::F:
      return row.F;
    case StageColumn::Q:
      return row.Q;
    case StageColumn::PeakLevel:
      return row.peak ? row.peak->levelDb : kNone;
    case StageColumn::LevelAt20k:
      return Or(row.levelAt20k, kNone);
    case StageColumn::Deviation:
      return row.deviationDb ? std::fabs(*row.deviationDb) : kLast;
    case StageColumn::Distance:
      return Or(row.distance, kLast);
    case StageColumn::Rank:
    case StageColumn::Setting:
      break;
  }
  return 0.0;
}

}  // namespace

std::vector<int> StageRowOrder(const StageSettingsResult& result, int column, bool descending) {
  const auto& rows = result.rows;
  std::vector<int> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  if (column < 0 || column >= kStageColumnCount) return order;
  const auto by = static_cast<StageColumn>(column);
  const auto row = [&](int i) -> const StageSettingRow& { return rows[static_cast<std::size_t>(i)]; };
  if (by == StageColumn::Rank) {
    if (descending) std::reverse(order.begin(), order.end());
  } else if (by == StageColumn::Setting) {
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      const StageSettingRow& ra = row(descending ? b : a);
      const StageSettingRow& rb = row(descending ? a : b);
      if (ra.cSetting != rb.cSetting) return ra.cSetting < rb.cSetting;
      return ra.rSetting < rb.rSetting;
    });
  } else {
    std::vector<double> keys(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) keys[i] = SortKey(rows[i], by);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      const double ka = keys[static_cast<std::size_t>(a)];
      const double kb = keys[static_cast<std::size_t>(b)];
      return descending ? kb < ka : ka < kb;
    });
  }
  return order;
}
