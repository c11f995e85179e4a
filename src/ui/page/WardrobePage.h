// The wardrobe page (page 1 of the main window): the command bar on top, the
// collection pane, the middle pages (the item list, or the search results)
// and the right pages (a hint, or the selected item's details) side by side
// with draggable splitters between them, and the info strip at the bottom.
// It is the one place that knows how a change in one pane shows in the others
// (see WardrobePageCoordination.cpp) and where commands reach the pane that
// owns them (routeCommand). User-interface thread only.
#pragma once

#include <QWidget>
#include <vector>

#include "ui/page/PageLayout.h"

namespace tavoro {
class Collection;
class Item;
class Wardrobe;
}  // namespace tavoro

namespace tavoro::ui {

class CollectionPane;
class ItemListPane;
class CommandBar;
class ItemDetailsPane;
class DetailsHint;
class InfoStrip;
class SearchBox;
class SearchResultsPane;
class PageStack;

class WardrobePage : public QWidget {
  Q_OBJECT

 public:
  // The pages of the two inner stacks.
  enum MiddlePage { kItemListPage = 0, kSearchResultsPage = 1 };
  enum RightPage { kHintPage = 0, kDetailsPage = 1 };

  // Takes the remembered pane widths from the settings.
  explicit WardrobePage(QWidget* parent = nullptr);
  // Writes the pane widths back to the settings.
  ~WardrobePage() override;

  CommandBar* commandBar() const { return m_commandBar; }
  CollectionPane* collectionPane() const { return m_collections; }
  PageStack* middleStack() const { return m_middle; }
  PageStack* rightStack() const { return m_right; }
  ItemListPane* itemList() const { return m_itemList; }
  SearchResultsPane* searchResults() const { return m_searchResults; }
  // The search box lives in the header; the page follows what is typed into it.
  void setSearchBox(SearchBox* box);
  SearchBox* searchBox() const { return m_searchBox; }
  DetailsHint* detailsHint() const { return m_hint; }
  ItemDetailsPane* details() const { return m_details; }
  InfoStrip* infoStrip() const { return m_infoStrip; }

  Wardrobe* wardrobe() const { return m_wardrobe; }
  // Shows the wardrobe; null empties every pane. False when another wardrobe
  // is shown already (it must be taken away first).
  bool setWardrobe(Wardrobe* wardrobe);
  // The collection selected in the collection pane, or null.
  Collection* selectedCollection() const;

  // Whether the middle of the page shows the item list (rather than search
  // results), and whether the keyboard focus is in it.
  bool itemListShown() const;
  bool itemListHasFocus() const;

  // The one place where commands meet the panes that carry them out: the
  // command bar's buttons and the main window's commands that belong to a
  // pane. False for a command that no pane of the page owns.
  bool routeCommand(int id);

  // Where the children are and the widths the page remembers.
  const PageLayout& paneLayout() const { return m_layout; }

 signals:
  // A command that the main window carries out (closing the wardrobe, the
  // web pages, the help).
  void commandRequested(int id);
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

  // Pane coordination (WardrobePageCoordination.cpp).
  void connectPanes();
  void onCollectionSelected();
  void onCollectionRenamed(Collection* collection);
  void onCollectionAboutToBeRemoved(Collection* collection);
  void emptyPanes();
  void hideSearchResults();
  void updateCommandStates();
  void onItemSelectionChanged();
  void onItemsAddedOrDeleted();
  void onListItemAboutToBeDeleted(Item* item);
  void onSearchNotified(const QString& text, int flags);
  void onSearchSelectionChanged();
  void onSearchItemsDeleted();
  void onTagPaneChanged(int event);
  void onSearchItemAboutToBeDeleted(Item* item);

  CommandBar* m_commandBar;
  CollectionPane* m_collections;
  PageStack* m_middle;
  PageStack* m_right;
  ItemListPane* m_itemList;
  SearchResultsPane* m_searchResults;
  SearchBox* m_searchBox = nullptr;
  DetailsHint* m_hint;
  ItemDetailsPane* m_details;
  InfoStrip* m_infoStrip;

  Wardrobe* m_wardrobe = nullptr;
  PageLayout m_layout;
  int m_draggedSplitter = -1;
};

}  // namespace tavoro::ui
