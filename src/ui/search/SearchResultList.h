// The list of the search results: one row per item found, searched again on
// every change of the search text within the scope collection, with its
// empty state, its context menu and the commands on the rows (delete,
// rename in place, select all, select inverse). It tells the wardrobe page
// when rows were added, before and after items are deleted, and when an
// item got a new name. User-interface thread only.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "search/SearchResult.h"
#include "ui/common/ModelMetaTypes.h"
#include "ui/controls/RowList.h"
#include "ui/search/SearchResultRow.h"

namespace tavoro::ui {

class InlineEditor;

class SearchResultList : public RowList {
  Q_OBJECT

 public:
  static constexpr int kRenameLimit = 100;  // UTF-16 units

  explicit SearchResultList(QWidget* parent = nullptr);
  ~SearchResultList() override;

  // The collection searched ("All Collections" for every one). Another one
  // than before ends a rename, removes the rows and resets the engine.
  void setScope(Collection* collection);
  Collection* scope() const { return m_scope; }

  // Searches the scope for text and shows what was found, replacing the
  // rows; sends rowsAdded when there were results. An empty text, no scope
  // or a query that does not run leave the list empty. True when rows were added.
  bool runSearch(const QString& text);
  // Appends one row per result; true when there was at least one.
  bool showResults(const std::vector<SearchResult>& results);
  void clearRows();
  // The results are closed: the rename ends, the rows go, the scope is
  // forgotten and the engine reset.
  void close();

  // The item changed elsewhere: its row (every row) is drawn anew, with its
  // markup worked out again.
  void refreshRow(const Item* item);
  void refreshAllRows();
  // The item is deleted elsewhere: its row goes, without a notification.
  void forgetItem(const Item* item);
  // The collection is about to be deleted: the rows of its items go, and the
  // scope is forgotten when it is that collection.
  void forgetCollection(const Collection* collection);

  SearchResultRow* resultRow(int index) const;
  // The item of the one selected row; null unless exactly one is selected.
  Item* selectedItem() const;
  // The row being renamed, or -1.
  int renamedRow() const;
  InlineEditor* renameEdit() const { return m_editor; }

  // Carries out a command of the context menu (or of its keys).
  void executeCommand(int commandId);
  // Shows the context menu at globalPos (when there are rows) and carries
  // out the command chosen.
  void showContextMenu(QPoint globalPos);

 signals:
  void rowsAdded();
  // Just before the item is deleted from its collection.
  void itemAboutToBeDeleted(tavoro::Item* item);
  // After deleted items' rows were removed.
  void itemsDeleted();
  void itemRenamed(tavoro::Item* item);

 protected:
  void paintBackground(QPainter& painter, const QRect& area) override;
  bool event(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void deleteSelected();
  void startRename();
  void commitRename(int reason);
  void endRename();
  void placeEditor(bool takeFocus);
  int rowOf(const Item* item) const;

  Collection* m_scope = nullptr;
  ResultRowContext m_context;
  InlineEditor* m_editor;
  Item* m_renamed = nullptr;
};

}  // namespace tavoro::ui
