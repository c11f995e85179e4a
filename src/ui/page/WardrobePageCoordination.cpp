// How a change in one pane of the wardrobe page shows in the others. The panes
// never call each other: they tell the page, and the page brings the rest up
// to date here.
//
// - A collection is selected: both stacks go back to the item list and the
//   hint, the collection becomes the wardrobe's hotId, the details let their
//   item go, and the item list, the search scope and the info strip follow it.
// - A collection is renamed: whatever shows its name draws it again.
// - A collection is about to be deleted with its items: the search engine and
//   every pane that holds one of its items (the details, the info strip) let
//   them go first.
// - The wardrobe is taken away: the panes are emptied in a fixed order (the
//   search box, the details, the right stack, the info strip, the middle stack,
//   the item list, the search results, the collection pane), the search
//   engine first of all, so that nothing is left pointing into it.
// - The command bar's buttons follow the selected collection, the item list's
//   selection and the middle page.
// - The tag pane changed tags or values (onTagPaneChanged): whatever shows
//   them elsewhere draws them again.
#include "app/AppSettings.h"
#include "search/SearchEngine.h"
#include "ui/collections/CollectionPane.h"
#include "ui/common/CommandIds.h"
#include "ui/controls/KoCmdBarCtrlBase.h"
#include "ui/details/KoTogDetailsCtrlBase.h"
#include "ui/details/KoTogInfoCtrlBase.h"
#include "ui/frame/PageStack.h"
#include "ui/page/KoWardrobeViewBase.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

void KoWardrobeViewBase::connectPanes() {
  connect(m_collections, &CollectionPane::collectionSelected, this, &KoWardrobeViewBase::onCollectionSelected);
  connect(m_collections, &CollectionPane::collectionRenamed, this, &KoWardrobeViewBase::onCollectionRenamed);
  connect(m_collections, &CollectionPane::collectionAboutToBeRemoved, this,
          &KoWardrobeViewBase::onCollectionAboutToBeRemoved);
  connect(m_middle, &PageStack::pageChanged, this, &KoWardrobeViewBase::updateCommandStates);
  connect(m_details, &KoTogDetailsCtrlBase::tagPaneChanged, this, &KoWardrobeViewBase::onTagPaneChanged);
}

bool KoWardrobeViewBase::setWardrobe(Wardrobe* wardrobe) {
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

Collection* KoWardrobeViewBase::selectedCollection() const {
  return m_wardrobe ? m_collections->selectedCollection() : nullptr;
}

void KoWardrobeViewBase::onCollectionSelected() {
  Collection* collection = selectedCollection();
  if (!collection) return;
  m_wardrobe->collections().setHotId(collection->id());
  m_middle->showPage(kItemListPage);
  m_right->showPage(kHintPage);
  m_details->clear();
  m_infoStrip->setCollection(collection);
  updateCommandStates();
}

void KoWardrobeViewBase::onCollectionRenamed(Collection*) {}

void KoWardrobeViewBase::onCollectionAboutToBeRemoved(Collection*) {
  // The engine's scope and results point into the collection.
  SearchEngine::instance().reset();
  SearchEngine::instance().results().clear();
  m_details->clear();
  m_right->showPage(kHintPage);
  m_infoStrip->clear();
}

void KoWardrobeViewBase::emptyPanes() {
  SearchEngine::instance().reset();
  SearchEngine::instance().results().clear();
  m_details->clear();
  m_right->showPage(kHintPage);
  m_infoStrip->clear();
  m_middle->showPage(kItemListPage);
  m_collections->detach();
}

void KoWardrobeViewBase::hideSearchResults() {
  SearchEngine::instance().reset();
  SearchEngine::instance().results().clear();
  m_middle->showPage(kItemListPage);
  updateCommandStates();
}

void KoWardrobeViewBase::updateCommandStates() {
  const bool listShown = m_middle->currentIndex() == kItemListPage;
  const Collection* collection = selectedCollection();
  m_commandBar->setButtonEnabled(kCmdAddPhotos, listShown && collection && collection->id() > 0);
  // The item list reports its selection once it is built; until then nothing is selected.
  m_commandBar->setButtonEnabled(kCmdDeleteSelectedPhotos, false);
  m_commandBar->setButtonEnabled(kCmdHideSearchResults, !listShown);
}

void KoWardrobeViewBase::onTagPaneChanged(int) {
  // Nothing else shows tags or values yet; the search results' rows will
  // follow the tag pane's changes here.
}

}  // namespace tavoro::ui
