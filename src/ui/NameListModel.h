#pragma once

#include "presets/NameOrder.h"

#include <QAbstractListModel>

#include <string>
#include <vector>

// The Name list's items: the names' own bytes in their case-insensitive order,
// shown as UTF-8 when valid and as Windows-1252 otherwise. A batch of new names
// is merged in one pass, so a file of many names fills the list quickly.
class CNameListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  void AddNames(std::vector<std::string> names);
  // The bytes of a row's name, as the table knows it.
  const std::string& NameAt(int row) const { return m_names.at(static_cast<std::size_t>(row)); }

 private:
  SortedNameList m_names;
};
