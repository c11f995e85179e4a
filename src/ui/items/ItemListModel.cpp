#include "ui/items/ItemListModel.h"
#include "ui/common/CoreTexts.h"

#include <algorithm>
#include <numeric>

#include "ui/common/QtText.h"
#include "ui/items/FileIcons.h"
#include "wardrobe/Item.h"

namespace tavoro::ui {

ItemListModel::ItemListModel(QObject* parent) : QAbstractTableModel(parent) {
  registerModelMetaTypes();
}

int ItemListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int ItemListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QString ItemListModel::displayName(const Item& item) { return ui::displayName(item); }

QString ItemListModel::infoTip(const ItemListEntry& entry) const {
  QString tip;
  for (int column = kSizeColumn; column <= kLocationColumn; ++column) {
    const QString value = factText(entry.fileFacts(), column);
    if (value.isEmpty()) continue;
    if (!tip.isEmpty()) tip += QLatin1Char('\n');
    tip += columnTitle(column) + QStringLiteral(": ") + value;
  }
  return tip;
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  const ItemListEntry& e = entry(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return index.column() == kNameColumn ? displayName(*e.item) : factText(e.fileFacts(), index.column());
    case Qt::EditRole:
      return index.column() == kNameColumn ? toQString(e.item->name()) : QVariant();
    case Qt::DecorationRole:
      return index.column() == kNameColumn ? QVariant(fileIcon(e.photoPathText())) : QVariant();
    case Qt::ToolTipRole:
      return infoTip(e);
    case Qt::TextAlignmentRole:
      return index.column() == kSizeColumn ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    case EntryNumberRole:
      return e.number;
    case PhotoPathRole:
      return e.photoPathText();
    default:
      return QVariant();
  }
}

bool ItemListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || index.column() != kNameColumn || index.row() >= rowCount())
    return false;
  const QString name = value.toString();
  if (name.isEmpty()) return false;
  Item* item = entry(index.row()).item;
  if (!m_renamer || !m_renamer(item, toWString(name.left(kNameLimit)))) return false;
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

Qt::ItemFlags ItemListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  if (index.column() == kNameColumn) flags |= Qt::ItemIsEditable;
  return flags;
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return QVariant();
  if (role == Qt::DisplayRole) return columnTitle(section);
  // A column clicked for the first time sorts ascending.
  if (role == Qt::InitialSortOrderRole) return int(Qt::AscendingOrder);
  if (role == Qt::TextAlignmentRole)
    return section == kSizeColumn ? int(Qt::AlignRight | Qt::AlignVCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
  return QVariant();
}

Item* ItemListModel::itemAt(int row) const {
  return row >= 0 && row < rowCount() ? entry(row).item : nullptr;
}

int ItemListModel::rowOfItem(const Item* item) const {
  for (size_t row = 0; row < m_entries.size(); ++row)
    if (m_entries[row].item == item) return static_cast<int>(row);
  return -1;
}

void ItemListModel::setEntries(std::vector<ItemListEntry> entries) {
  beginResetModel();
  m_entries = std::move(entries);
  endResetModel();
}

int ItemListModel::appendEntries(std::vector<ItemListEntry> entries) {
  const int first = rowCount();
  if (entries.empty()) return first;
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(entries.size()) - 1);
  for (ItemListEntry& e : entries) m_entries.push_back(std::move(e));
  endInsertRows();
  return first;
}

void ItemListModel::insertEntry(int row, ItemListEntry entry) {
  row = std::clamp(row, 0, rowCount());
  beginInsertRows(QModelIndex(), row, row);
  m_entries.insert(m_entries.begin() + row, std::move(entry));
  endInsertRows();
}

void ItemListModel::removeEntries(std::vector<int> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  // From the last run of neighbouring rows to the first, one removal each.
  auto end = rows.end();
  while (end != rows.begin()) {
    auto first = end - 1;
    while (first != rows.begin() && *(first - 1) == *first - 1) --first;
    const int from = *first;
    const int to = *(end - 1);
    if (from >= 0 && to < rowCount()) {
      beginRemoveRows(QModelIndex(), from, to);
      m_entries.erase(m_entries.begin() + from, m_entries.begin() + to + 1);
      endRemoveRows();
    }
    end = first;
  }
}

void ItemListModel::sortEntries(const EntryComparison& compare, bool descending) {
  if (m_entries.size() < 2) return;
  std::vector<int> order(m_entries.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const int result = compare(m_entries[static_cast<size_t>(a)], m_entries[static_cast<size_t>(b)]);
    return descending ? result > 0 : result < 0;
  });

  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<int> newRow(order.size());
  std::vector<ItemListEntry> sorted;
  sorted.reserve(m_entries.size());
  for (size_t row = 0; row < order.size(); ++row) {
    newRow[static_cast<size_t>(order[row])] = static_cast<int>(row);
    sorted.push_back(std::move(m_entries[static_cast<size_t>(order[row])]));
  }
  m_entries = std::move(sorted);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& index : before)
    after.push_back(this->index(newRow[static_cast<size_t>(index.row())], index.column()));
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ItemListModel::refreshRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

}  // namespace tavoro::ui
