#include "NameList.h"

#include "presets/NameOrder.h"

#include <QComboBox>
#include <QList>
#include <QStandardItemModel>

namespace {

constexpr int kNameBytesRole = Qt::UserRole + 1;

}  // namespace

void AddNamesToList(QComboBox& combo, std::vector<std::string> names) {
  if (names.empty()) return;
  auto* model = qobject_cast<QStandardItemModel*>(combo.model());
  if (model == nullptr) return;

  SortedNameList list;
  std::vector<std::string> existing;
  existing.reserve(static_cast<std::size_t>(combo.count()));
  for (int i = 0; i < combo.count(); ++i) existing.push_back(NameOfEntry(combo, i));
  list.AddSorted(std::move(existing));
  list.AddNames(std::move(names));

  QList<QStandardItem*> items;
  items.reserve(static_cast<qsizetype>(list.size()));
  for (const std::string& name : list.names()) {
    auto* item = new QStandardItem(QString::fromStdString(NameToDisplayUtf8(name)));
    item->setData(QByteArray(name.data(), static_cast<qsizetype>(name.size())), kNameBytesRole);
    items.append(item);
  }
  model->clear();
  model->appendColumn(items);
}

std::string NameOfEntry(const QComboBox& combo, int index) {
  const QVariant bytes = combo.itemData(index, kNameBytesRole);
  if (bytes.isValid()) {
    const QByteArray array = bytes.toByteArray();
    return std::string(array.constData(), static_cast<std::size_t>(array.size()));
  }
  return combo.itemText(index).toStdString();
}
