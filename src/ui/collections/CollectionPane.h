// The collection pane, at the left of the wardrobe page: "All Collections",
// the wardrobe's collections in their order, and the row that adds one. The
// selected row chooses what the rest of the page shows. Collections are added,
// renamed in place, moved, dragged, sorted and deleted here, each change going
// to the model at once. User-interface thread only.
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

class CollectionPane : public RowList {
  Q_OBJECT

 public:
  explicit CollectionPane(QWidget* parent = nullptr);
  ~CollectionPane() override;

  // Fills the list from the wardrobe's collections and selects the one that
  // was selected when the wardrobe was saved (hotId), else "All Collections".
  void attachWardrobe(CollectionList& collections);
  // Empties the list (an edit in progress is dropped unsaved).
  void detach();
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

  // Carries out a command of the context menu (or the Delete key).
  void executeCommand(int commandId);
  // Shows the context menu for the row at viewportPos (possibly no row) at
  // globalPos and carries out the command chosen.
  void showContextMenu(QPoint viewportPos, QPoint globalPos);
  // Repaints the item counts after items were added or deleted elsewhere.
  void refreshCounts();

 signals:
  // The selection changed and a row is selected.
  void collectionSelected();
  // A collection got a new name (while a row is selected).
  void collectionRenamed(tavoro::Collection* collection);
  // A selectable row was clicked with the left button (while a row is selected).
  void collectionClicked();
  // The collection is about to be deleted with its items: whatever shows them
  // lets them go now.
  void collectionAboutToBeRemoved(tavoro::Collection* collection);

 protected:
  bool canDragRow(int index) const override;
  void paintBackground(QPainter& painter, const QRect& area) override;
  bool event(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void onSelectionChanged();
  void onDoubleClicked(int index);
  void validateEdit(bool* accept);
  void commitEdit(int reason);
  void placeEditor(bool takeFocus);
  void selectRow(int index);
  void moveSelected(int commandId);
  void sortRows(bool ascending);
  void deleteSelected();
  void commitOrder();

  CollectionList* m_collections = nullptr;
  InlineEditor* m_editor;
  Collection* m_edited = nullptr;
};

}  // namespace tavoro::ui
