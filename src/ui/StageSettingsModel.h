#pragma once

#include "loads/StageSettings.h"

#include <QAbstractTableModel>

#include <vector>

// The finder's rows for a table view. Texts are made only for the rows shown;
// sorting reorders a list of row numbers, so tens of thousands of rows stay
// quick. Ties in any column keep the ranking's order.
class StageSettingsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Rank, Setting, CTotal, RL, F, Q, PeakLevel, LevelAt20k, Deviation, Distance, ColumnCount };

  explicit StageSettingsModel(QObject* parent = nullptr);

  // Replaces the rows, keeping the order the view last asked for.
  void SetResult(StageSettingsResult result);
  const StageSettingsResult& Result() const { return m_result; }

  // The ranked row shown at view row `row`, or null.
  const StageSettingRow* RowAt(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  // A column below 0 gives the ranking's order back.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 private:
  void Reorder();

  StageSettingsResult m_result;
  std::vector<int> m_order;  // view row -> index into m_result.rows
  int m_sortColumn = -1;
  Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
