#include "StageSettingsModel.h"

#include "loads/StageSettingOrder.h"
#include "loads/StageSettingTexts.h"

static_assert(StageSettingsModel::ColumnCount == kStageColumnCount &&
              StageSettingsModel::Distance == static_cast<int>(StageColumn::Distance));

StageSettingsModel::StageSettingsModel(QObject* parent) : QAbstractTableModel(parent) {}

void StageSettingsModel::SetResult(StageSettingsResult result) {
  beginResetModel();
  m_result = std::move(result);
  Reorder();
  endResetModel();
}

const StageSettingRow* StageSettingsModel::RowAt(int row) const {
  if (row < 0 || row >= static_cast<int>(m_order.size())) return nullptr;
  return &m_result.rows[static_cast<std::size_t>(m_order[static_cast<std::size_t>(row)])];
}

int StageSettingsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int StageSettingsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant StageSettingsModel::data(const QModelIndex& index, int role) const {
  const StageSettingRow* row = RowAt(index.row());
  if (!row) return {};
  if (role == Qt::TextAlignmentRole) {
    return index.column() == Setting ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                     : QVariant(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  if (index.column() == Rank) return QString::number(m_order[static_cast<std::size_t>(index.row())] + 1);
  const StageSettingTexts texts = RowTexts(m_result, *row);
  switch (index.column()) {
    case Setting:
      return QString::fromStdString(texts.setting);
    case CTotal:
      return QString::fromStdString(texts.C);
    case RL:
      return QString::fromStdString(texts.RL);
    case F:
      return QString::fromStdString(texts.F);
    case Q:
      return QString::fromStdString(texts.Q);
    case PeakLevel:
      return QString::fromStdString(texts.peak);
    case LevelAt20k:
      return QString::fromStdString(texts.levelAt20k);
    case Deviation:
      return QString::fromStdString(texts.deviation);
    case Distance:
      return QString::fromStdString(texts.distance);
    default:
      return {};
  }
}

QVariant StageSettingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const kTitles[ColumnCount] = {"Rank", "Setting", "C total",   "RL",        "F",
                                                   "Q",    "Peak",    "At 20 kHz", "Deviation", "Distance"};
  return section >= 0 && section < ColumnCount ? QString::fromLatin1(kTitles[section]) : QVariant();
}

void StageSettingsModel::sort(int column, Qt::SortOrder order) {
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  std::vector<int> rowsBefore;
  for (const QModelIndex& index : before)
    rowsBefore.push_back(m_order[static_cast<std::size_t>(index.row())]);
  m_sortColumn = column;
  m_sortOrder = order;
  Reorder();
  // Keep the current row and selection on the same settings.
  std::vector<int> viewRow(m_order.size());
  for (std::size_t i = 0; i < m_order.size(); ++i)
    viewRow[static_cast<std::size_t>(m_order[i])] = static_cast<int>(i);
  QModelIndexList after;
  for (std::size_t i = 0; i < static_cast<std::size_t>(before.size()); ++i)
    after.push_back(
        index(viewRow[static_cast<std::size_t>(rowsBefore[i])], before[static_cast<qsizetype>(i)].column()));
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void StageSettingsModel::Reorder() {
  m_order = StageRowOrder(m_result, m_sortColumn, m_sortOrder == Qt::DescendingOrder);
}
