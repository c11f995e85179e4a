// The wardrobe page (page 1 of the main window): the command bar on top, the
// collection pane, the middle pages (the item list, or the search results)
// or the insights) and the right pages (a hint, or the selected item's details) side by side
// with draggable splitters between them, and the info strip at the bottom.
// It builds the panes on the window's session and wires them to it: the
// panes follow the session themselves, the page only chooses the pages of
// its two stacks from it. User-interface thread only.
#pragma once

#include <QWidget>
#include <vector>

#include "ui/page/PageLayout.h"

namespace tavoro {
class Item;
}  // namespace tavoro

namespace tavoro::ui {

class CollectionPane;
class CommandBar;
class DetailsHint;
class InsightsView;
class InfoStrip;
class ItemDetailsPane;
class ItemListPane;
class PageStack;
class SearchBox;
class SearchResultsPane;
class WardrobeSession;

class WardrobePage : public QWidget {
  Q_OBJECT

 public:
  // The pages of the two inner stacks.
  enum MiddlePage { kItemListPage = 0, kSearchResultsPage = 1, kInsightsPage = 2 };
  enum RightPage { kHintPage = 0, kDetailsPage = 1 };

  // Takes the remembered pane widths from the settings. windowActions are
  // the main window's commands that the command bar shows too.
  WardrobePage(WardrobeSession& session, const QList<QAction*>& windowActions, QWidget* parent = nullptr);
  // Writes the pane widths back to the settings.
  ~WardrobePage() override;

  WardrobeSession& session() const { return m_session; }
  CommandBar* commandBar() const { return m_commandBar; }
  CollectionPane* collectionPane() const { return m_collections; }
  PageStack* middleStack() const { return m_middle; }
  PageStack* rightStack() const { return m_right; }
  ItemListPane* itemList() const { return m_itemList; }
  SearchResultsPane* searchResults() const { return m_searchResults; }
  InsightsView* insights() const { return m_insights; }
  // "Insights" shows them in the middle (and again the item list or the
  // search); choosing a collection, searching or a jump to an item leaves them.
  bool insightsShown() const { return m_insightsShown; }
  void showInsights(bool show);
  // The search box lives in the header; what is typed into it is searched.
  void setSearchBox(SearchBox* box);
  SearchBox* searchBox() const { return m_searchBox; }
  DetailsHint* detailsHint() const { return m_hint; }
  ItemDetailsPane* details() const { return m_details; }
  InfoStrip* infoStrip() const { return m_infoStrip; }

  // Whether the middle of the page shows the item list (rather than search
  // results), and whether the keyboard focus is in it.
  bool itemListShown() const;
  bool itemListHasFocus() const;

  // Where the children are and the widths the page remembers.
  const PageLayout& paneLayout() const { return m_layout; }

 signals:
  // A pane asks for the photo viewer over the whole window, paging through
  // the items' photos from the one at index.
  void viewerRequested(const std::vector<tavoro::Item*>& items, int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Layout and splitters.
  void layOut();
  void applyLayout();
  int splitterAt(QPoint pos) const;
  // The middle shows the search while the session does; the right shows the
  // details while one item is selected in the pane shown.
  void showSessionPages();
  void updateActions();

  WardrobeSession& m_session;
  CommandBar* m_commandBar;
  CollectionPane* m_collections;
  PageStack* m_middle;
  PageStack* m_right;
  ItemListPane* m_itemList;
  SearchResultsPane* m_searchResults;
  InsightsView* m_insights;
  bool m_insightsShown = false;
  SearchBox* m_searchBox = nullptr;
  DetailsHint* m_hint;
  ItemDetailsPane* m_details;
  InfoStrip* m_infoStrip;

  PageLayout m_layout;
  int m_draggedSplitter = -1;
};

}  // namespace tavoro::ui
