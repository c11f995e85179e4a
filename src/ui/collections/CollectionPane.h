// The collection pane, at the left of the wardrobe page: "All Collections",
// the wardrobe's collections in their order, and the row that adds one. The
// selected row is the session's current collection, which chooses what the
// rest of the page shows. Collections are added, renamed in place, moved,
// dragged, sorted and deleted here through the session; the rows follow the
// session's news of those changes wherever they were made.
// User-interface thread only.
#pragma once

#include <string>

#include "ui/common/ModelMetaTypes.h"
#include "ui/controls/RowList.h"

namespace tavoro {
class CollectionList;
}

namespace tavoro::ui {

class CollectionRow;
class InlineEditor;
class WardrobeSession;

class CollectionPane : public RowList {
  Q_OBJECT

 public:
  explicit CollectionPane(WardrobeSession& session, QWidget* parent = nullptr);
  ~CollectionPane() override;

  CollectionList* collections() const { return m_collections; }

  // The collection of the first selected row, or null.
  Collection* selectedCollection() const;
  CollectionRow* collectionRow(int index) const;
  // The row of the collection, or -1.
  int rowOf(const Collection* collection) const;
  // At least "All Collections" and the placeholder, in their places.
  bool isWellFormed() const;

  InlineEditor* editor() const { return m_editor; }
  // The row being edited, or -1.
  int editedRow() const;
  // Opens the editor on a real collection's row (its name) or on the
  // placeholder (a new name).
  void startEdit(int index);

  // Shows the context menu for the row at viewportPos (possibly no row) at
  // globalPos and carries out the command chosen.
  void showContextMenu(QPoint viewportPos, QPoint globalPos);

 protected:
  bool canDragRow(int index) const override;
  void paintBackground(QPainter& painter, const QRect& area) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void makeActions();
  // The enabled state of every command for the row a menu was opened on
  // (-1: none), in one place.
  void updateActions(int contextRow);
  // The first selected row that shows a real collection, or -1: what the
  // commands act on.
  int firstSelectedRealRow() const;
  void attach();
  void detach();
  void onSelectionChanged();
  void onCurrentCollectionChanged(Collection* collection);
  void onCollectionAdded(Collection* collection);
  void onCollectionsReordered();
  void onCollectionAboutToBeRemoved(Collection* collection);
  void onDoubleClicked(int index);
  void validateEdit(bool* accept);
  void commitEdit(int reason);
  void placeEditor(bool takeFocus);
  void selectRow(int index);
  void addCollection();
  void renameSelected();
  void moveSelected(int commandId);
  void sortRows(bool ascending);
  void deleteSelected();
  // The rows' order goes to the model, as one step named step (a move by default).
  void commitOrder(const QString& step = {});

  WardrobeSession& m_session;
  CollectionList* m_collections = nullptr;
  InlineEditor* m_editor;
  Collection* m_edited = nullptr;
  bool m_quiet = false;  // while the pane itself selects a row
};

}  // namespace tavoro::ui
