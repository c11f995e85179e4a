// The entries of the item list as one Qt model that every view shows: a row
// per entry, the details columns (name, size, type, date modified,
// location), the files' icons and info tips, renaming through the name
// column, and the orders the pane puts the rows in. Switching views never
// rebuilds it, and only the rows a view paints are ever asked for.
// User-interface thread only.
#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <string>
#include <vector>

#include "ui/common/ModelMetaTypes.h"
#include "ui/items/ItemListEntry.h"
#include "ui/items/ItemListOrder.h"

namespace tavoro::ui {

class ItemListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Role {
    EntryNumberRole = Qt::UserRole + 1,  // int
    PhotoPathRole,                       // QString
  };
  // The longest name the editor takes.
  static constexpr int kNameLimit = 260;

  explicit ItemListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // Renames the item (name column, edit role) through the renamer: an
  // empty text changes nothing.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // Who renames an item for the model (the wardrobe session); true when
  // the name changed. Without one nothing can be renamed.
  using Renamer = std::function<bool(Item* item, const std::wstring& name)>;
  void setRenamer(Renamer renamer) { m_renamer = std::move(renamer); }

  const ItemListEntry& entry(int row) const { return m_entries[static_cast<size_t>(row)]; }
  Item* itemAt(int row) const;
  // The row of the item's entry; -1 when none.
  int rowOfItem(const Item* item) const;

  // Replaces every entry (the view's selection goes).
  void setEntries(std::vector<ItemListEntry> entries);
  // Appends entries; returns the row of the first.
  int appendEntries(std::vector<ItemListEntry> entries);
  // Puts one entry in at row (appended past the end).
  void insertEntry(int row, ItemListEntry entry);
  // Takes the entries of these rows out (any order, no repeats).
  void removeEntries(std::vector<int> rows);
  // Puts the rows in order (stable); selections and the current entry stay
  // with their entries.
  void sortEntries(const EntryComparison& compare, bool descending);
  // The row shows the item's name again.
  void refreshRow(int row);

  // The text shown for an item: its name, or "unnamed".
  static QString displayName(const Item& item);
  // The info tip of an entry: the facts columns, one "title: value" a line.
  QString infoTip(const ItemListEntry& entry) const;

 private:
  std::vector<ItemListEntry> m_entries;
  Renamer m_renamer;
};

}  // namespace tavoro::ui
