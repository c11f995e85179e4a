// The item list in the Details look: a table of the entries with a header of
// the five columns (movable, each at its starting width), whole rows
// selected, and the empty-list hint while it has no entries. A click on a
// column title is passed on; the pane decides the order and sets the arrow.
// User-interface thread only.
#pragma once

#include <QTreeView>

namespace tavoro::ui {

class EmptyListHint;
class ItemListDelegate;

class ItemTableView : public QTreeView {
  Q_OBJECT

 public:
  ItemTableView(ItemListDelegate& delegate, const EmptyListHint& hint, QWidget* parent = nullptr);

  void setModel(QAbstractItemModel* model) override;
  // Shows the arrow on the column, pointing up for ascending and down for
  // descending; -1 shows none.
  void showSortArrow(int column, bool descending);
  // The column with the arrow (-1: none) and whether it points up.
  int sortArrowColumn() const;
  bool sortArrowUp() const;

 signals:
  void columnClicked(int column);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const EmptyListHint& m_hint;
};

}  // namespace tavoro::ui
