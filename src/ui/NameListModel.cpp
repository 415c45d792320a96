#include "NameListModel.h"

int CNameListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

QVariant CNameListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  if (role != Qt::DisplayRole && role != Qt::EditRole) return QVariant();
  return QString::fromStdString(NameToDisplayUtf8(NameAt(index.row())));
}

void CNameListModel::AddNames(std::vector<std::string> names) {
  if (names.empty()) return;
  beginResetModel();
  m_names.AddNames(std::move(names));
  endResetModel();
}
