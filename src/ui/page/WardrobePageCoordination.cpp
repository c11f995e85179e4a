// How a change in one pane of the wardrobe page shows in the others. The panes
// never call each other: they tell the page, and the page brings the rest up
// to date here.
//
// - A collection is selected: both stacks go back to the item list and the
//   hint, the collection becomes the wardrobe's hotId, the details let their
//   item go, and the item list, the search scope and the info strip follow it.
// - A collection is renamed: whatever shows its name draws it again (the
//   empty item list's hint, the info strip, the search box's cue, the
//   results' banner and rows).
// - A collection is about to be deleted with its items: the search engine and
//   every pane that holds one of its items (the details, the info strip) let
//   them go first.
// - The wardrobe is taken away: the panes are emptied in a fixed order (the
//   search box, the details, the right stack, the info strip, the middle stack,
//   the item list, the search results, the collection pane), the search
//   engine first of all, so that nothing is left pointing into it.
// - The command bar's buttons follow the selected collection, the item list's
//   selection and the middle page.
// - Search: the box's text is searched at once in the selected collection;
//   the middle stack shows the results while the text is not empty (the
//   hint at the right until a result is chosen) and the item list again
//   when it is emptied. The box's cue and the results' scope follow the
//   selected collection. One selected result shows its details at the
//   right. Items deleted from the results leave the collection counts up to
//   date. "Hide Search Results" empties the box and closes the results,
//   which keep the selected collection for the next search.
// - The tag pane changed tags or values (onTagPaneChanged): the result rows
//   that show them draw them again.
// - The details and the info strip follow one selected result (its values
//   drawn with the matches) or count the results, and let go of an item
//   deleted from the results.
// - The item list's selection: while the item list is shown, the right stack
//   shows the details (of the one selected item) exactly when one item is
//   selected, else the hint; the info strip shows the item or the count
//   (and keeps it for when the search results go).
// - The item list asks for the preview to be drawn again (after Refresh).
// - Items added or deleted in the item list: the collection pane's counts
//   and the info strip's.
// - An item deleted in one of the item list and the search results: the
//   other, the details and the info strip let it go. An item renamed in one:
//   the other and the info strip show the new name.
// - The item list asks for the photo viewer: the page passes the request on.
#include "settings/AppSettings.h"
#include "search/SearchEngine.h"
#include "ui/collections/CollectionPane.h"
#include "ui/common/CommandIds.h"
#include "ui/controls/CommandBar.h"
#include "ui/details/ItemDetailsPane.h"
#include "ui/details/InfoStrip.h"
#include "ui/frame/PageStack.h"
#include "ui/items/ItemListPane.h"
#include "ui/page/WardrobePage.h"
#include "ui/search/SearchResultsBanner.h"
#include "ui/search/SearchBox.h"
#include "ui/search/SearchResultsPane.h"
#include "ui/search/SearchResultList.h"
#include "ui/tags/TagPane.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

void WardrobePage::connectPanes() {
  connect(m_collections, &CollectionPane::collectionSelected, this, &WardrobePage::onCollectionSelected);
  connect(m_collections, &CollectionPane::collectionRenamed, this, &WardrobePage::onCollectionRenamed);
  connect(m_collections, &CollectionPane::collectionAboutToBeRemoved, this,
          &WardrobePage::onCollectionAboutToBeRemoved);
  connect(m_middle, &PageStack::pageChanged, this, &WardrobePage::updateCommandStates);
  SearchResultList* results = m_searchResults->list();
  connect(results, &RowList::selectionChanged, this, &WardrobePage::onSearchSelectionChanged);
  connect(results, &SearchResultList::itemsDeleted, this, &WardrobePage::onSearchItemsDeleted);
  connect(results, &SearchResultList::itemAboutToBeDeleted, this, &WardrobePage::onSearchItemAboutToBeDeleted);
  connect(results, &SearchResultList::itemRenamed, m_infoStrip, qOverload<>(&QWidget::update));
  connect(m_details, &ItemDetailsPane::tagPaneChanged, this, &WardrobePage::onTagPaneChanged);
  connect(m_itemList, &ItemListPane::selectionChanged, this, &WardrobePage::onItemSelectionChanged);
  connect(m_itemList, &ItemListPane::previewChanged, m_details, &ItemDetailsPane::refreshPreview);
  connect(m_itemList, &ItemListPane::itemsAdded, this, &WardrobePage::onItemsAddedOrDeleted);
  connect(m_itemList, &ItemListPane::itemsDeleted, this, &WardrobePage::onItemsAddedOrDeleted);
  connect(m_itemList, &ItemListPane::itemAboutToBeDeleted, this, &WardrobePage::onListItemAboutToBeDeleted);
  connect(m_itemList, &ItemListPane::itemRenamed, results, &SearchResultList::refreshRow);
  connect(m_itemList, &ItemListPane::itemRenamed, m_infoStrip, qOverload<>(&QWidget::update));
  connect(m_itemList, &ItemListPane::viewerRequested, this, &WardrobePage::viewerRequested);
  connect(results, &SearchResultList::itemAboutToBeDeleted, m_itemList, &ItemListPane::forgetItem);
  connect(results, &SearchResultList::itemRenamed, m_itemList, &ItemListPane::refreshItem);
}

bool WardrobePage::setWardrobe(Wardrobe* wardrobe) {
  if (wardrobe && m_wardrobe && wardrobe != m_wardrobe) return false;
  if (wardrobe == m_wardrobe) return true;
  if (!wardrobe) {
    emptyPanes();
    m_wardrobe = nullptr;
  } else {
    m_wardrobe = wardrobe;
    m_collections->attachWardrobe(wardrobe->collections());
  }
  updateCommandStates();
  return true;
}

Collection* WardrobePage::selectedCollection() const {
  return m_wardrobe ? m_collections->selectedCollection() : nullptr;
}

void WardrobePage::onCollectionSelected() {
  Collection* collection = selectedCollection();
  if (!collection) return;
  m_wardrobe->collections().setHotId(collection->id());
  if (m_searchBox) m_searchBox->setCollection(collection);
  m_searchResults->setScope(collection);
  m_middle->showPage(kItemListPage);
  m_right->showPage(kHintPage);
  m_details->clear();
  m_infoStrip->setCollection(collection);
  m_itemList->showCollection(collection);
  updateCommandStates();
}

void WardrobePage::onCollectionRenamed(Collection* collection) {
  if (m_itemList->collection() == collection) m_itemList->refreshCollectionName();
  m_infoStrip->update();
  if (m_searchBox) m_searchBox->update();
  m_searchResults->banner()->update();
  m_searchResults->list()->viewport()->update();
}

void WardrobePage::onCollectionAboutToBeRemoved(Collection* collection) {
  if (m_searchBox && m_searchBox->collection() == collection) m_searchBox->setCollection(nullptr);
  m_searchResults->list()->forgetCollection(collection);
  // The engine's scope and results point into the collection.
  SearchEngine::instance().reset();
  SearchEngine::instance().results().clear();
  m_details->clear();
  m_right->showPage(kHintPage);
  m_infoStrip->clear();
  if (m_itemList->collection() == collection) m_itemList->showCollection(nullptr);
}

void WardrobePage::emptyPanes() {
  SearchEngine::instance().reset();
  SearchEngine::instance().results().clear();
  if (m_searchBox) {
    m_searchBox->clear();
    m_searchBox->setCollection(nullptr);
  }
  m_details->clear();
  m_right->showPage(kHintPage);
  m_infoStrip->clear();
  m_middle->showPage(kItemListPage);
  m_itemList->showCollection(nullptr);
  m_searchResults->close();
  m_collections->detach();
}

void WardrobePage::hideSearchResults() {
  if (m_searchBox) m_searchBox->clear();
  m_searchResults->close();
  SearchEngine::instance().results().clear();
  // Typing again searches the selected collection, as before the results were hidden.
  m_searchResults->setScope(selectedCollection());
  m_middle->showPage(kItemListPage);
  m_infoStrip->leaveSearch();
  onItemSelectionChanged();
}

void WardrobePage::updateCommandStates() {
  const bool listShown = m_middle->currentIndex() == kItemListPage;
  const Collection* collection = selectedCollection();
  m_commandBar->setButtonEnabled(kCmdAddPhotos, listShown && collection && collection->id() > 0);
  m_commandBar->setButtonEnabled(kCmdDeleteSelectedPhotos, listShown && m_itemList->selectedCount() > 0);
  m_commandBar->setButtonEnabled(kCmdHideSearchResults, !listShown);
}

// --- Search -------------------------------------------------------------------

void WardrobePage::setSearchBox(SearchBox* box) {
  m_searchBox = box;
  if (!box) return;
  connect(box, &SearchBox::notified, this, &WardrobePage::onSearchNotified);
  box->setCollection(selectedCollection());
}

void WardrobePage::onSearchNotified(const QString& text, int flags) {
  if (!(flags & (SearchBox::kTextChanged | SearchBox::kTextEmptied))) return;
  m_searchResults->runSearch(text);
  if (!text.isEmpty()) {
    m_middle->showPage(kSearchResultsPage);
    m_right->showPage(kHintPage);
    m_infoStrip->showSearchRows(m_searchResults->list()->rowCount());
  } else {
    m_middle->showPage(kItemListPage);
    // The item list's selection decides the right stack again.
    m_infoStrip->leaveSearch();
    onItemSelectionChanged();
  }
}

void WardrobePage::onSearchSelectionChanged() {
  if (m_middle->currentIndex() != kSearchResultsPage) return;
  SearchResultList* results = m_searchResults->list();
  Item* selected = results->selectedItem();
  // Chosen among search results: the details show its values with the matches.
  if (selected) m_details->showItem(selected, true);
  m_infoStrip->showSearchSelection(selected, results->selectedCount());
  m_right->showPage(selected ? kDetailsPage : kHintPage);
}

void WardrobePage::onSearchItemsDeleted() {
  m_collections->refreshCounts();
  m_infoStrip->showSearchRows(m_searchResults->list()->rowCount());
  onSearchSelectionChanged();
}

void WardrobePage::onTagPaneChanged(int event) {
  // The result rows show values and tag names in their detail lines.
  SearchResultList* results = m_searchResults->list();
  if (event == TagPane::kValuesChanged)
    results->refreshRow(m_details->item());
  else
    results->refreshAllRows();
}

void WardrobePage::onSearchItemAboutToBeDeleted(Item* item) {
  m_details->forgetItem(item);
  m_infoStrip->forgetItem(item);
}

// --- Item list ----------------------------------------------------------------

void WardrobePage::onItemSelectionChanged() {
  Item* selected = m_itemList->selectedItem();
  m_infoStrip->showSelection(selected, m_itemList->selectedCount());
  if (m_middle->currentIndex() == kItemListPage) {
    if (selected) m_details->showItem(selected, false);
    m_right->showPage(selected ? kDetailsPage : kHintPage);
  }
  updateCommandStates();
}

void WardrobePage::onItemsAddedOrDeleted() {
  m_collections->refreshCounts();
  m_infoStrip->update();
}

void WardrobePage::onListItemAboutToBeDeleted(Item* item) {
  m_searchResults->list()->forgetItem(item);
  m_details->forgetItem(item);
  m_infoStrip->forgetItem(item);
}

}  // namespace tavoro::ui
