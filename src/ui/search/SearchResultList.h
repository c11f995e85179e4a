// The list of the search results: one row per item of the session's last
// search, shown anew each time the session searches, with its empty state,
// its context menu and the commands on the rows (delete, rename in place,
// select all, select inverse), each change made through the session. Rows
// follow the session's news of items renamed or deleted and of tags and
// values changed, wherever that happened. User-interface thread only.
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
class WardrobeSession;

class SearchResultList : public RowList {
  Q_OBJECT

 public:
  static constexpr int kRenameLimit = 100;  // UTF-16 units

  explicit SearchResultList(WardrobeSession& session, QWidget* parent = nullptr);
  ~SearchResultList() override;

  SearchResultRow* resultRow(int index) const;
  // The item of the one selected row; null unless exactly one is selected.
  Item* selectedItem() const;
  // The row being renamed, or -1.
  int renamedRow() const;
  InlineEditor* renameEdit() const { return m_editor; }

  // Shows the context menu at globalPos (when there are rows) and carries
  // out the command chosen.
  void showContextMenu(QPoint globalPos);

 protected:
  void paintBackground(QPainter& painter, const QRect& area) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void makeActions();
  // The enabled state of every command, in one place.
  void updateActions();
  void onSearchChanged();
  void onResultsAdded(int first);
  // Rows for results[first] on, added at the end.
  void showResults(const std::vector<SearchResult>& results, size_t first);
  void clearRows();
  void refreshRow(const Item* item);
  void refreshAllRows();
  void forgetItems(const std::vector<Item*>& items);
  void forgetCollection(const Collection* collection);
  void forwardSelection();
  void deleteSelected();
  void startRename();
  void commitRename(int reason);
  void endRename();
  void placeEditor(bool takeFocus);
  int rowOf(const Item* item) const;

  WardrobeSession& m_session;
  uint64_t m_shownRun = 0;  // the session's search run the rows show
  ResultRowContext m_context;
  InlineEditor* m_editor;
  Item* m_renamed = nullptr;
  bool m_quiet = false;  // while the rows are replaced
};

}  // namespace tavoro::ui
