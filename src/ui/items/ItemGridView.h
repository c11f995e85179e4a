// The item list in the Thumbnails, Icons and List looks: one list view whose
// entries all take the same size (so that laying out and painting cost
// only what is shown), flowing in rows (Thumbnails, Icons) or in columns
// (List). It reports when a vertical scroll has come to rest so that the
// pane can ask for the thumbnails in view, and shows the empty-list hint
// while it has no entries. User-interface thread only.
#pragma once

#include <QListView>
#include <utility>

#include "ui/items/ItemListLook.h"

namespace tavoro::ui {

class EmptyListHint;
class ItemListDelegate;

class ItemGridView : public QListView {
  Q_OBJECT

 public:
  ItemGridView(ItemListDelegate& delegate, const EmptyListHint& hint, QWidget* parent = nullptr);

  // Thumbnails, Icons or List (Details belongs to the details view).
  void setLook(ItemListLook look);
  ItemListLook look() const { return m_look; }
  // The first and the last row whose entries meet the visible area; -1, -1
  // without entries. Lays the entries out first when that is still to come.
  std::pair<int, int> visibleRows();

 signals:
  // A vertical scroll ended (the slider let go, a step, a page, a wheel
  // turn, a key), coalesced to one signal per pass of the event loop.
  void scrollSettled();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void settleLater();

  ItemListDelegate& m_delegate;
  const EmptyListHint& m_hint;
  ItemListLook m_look = ItemListLook::Icons;
  bool m_settlePending = false;
};

}  // namespace tavoro::ui
