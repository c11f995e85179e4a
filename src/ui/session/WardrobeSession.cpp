#include "ui/session/WardrobeSession.h"

#include <algorithm>
#include <unordered_set>

#include "imaging/thumbnails/PreviewThumbnailCache.h"
#include "imaging/thumbnails/ThumbnailStore.h"
#include "ui/common/QtText.h"
#include "wardrobe/Collection.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

namespace {

Collection* collectionOf(const Item* item) {
  const ItemList* list = item ? item->owner() : nullptr;
  return list ? list->collection() : nullptr;
}

// Removes from items every item of the set; true when one was there.
bool eraseItems(std::vector<Item*>& items, const std::unordered_set<const Item*>& gone) {
  return std::erase_if(items, [&gone](const Item* item) { return gone.count(item) > 0; }) > 0;
}

}  // namespace

WardrobeSession::WardrobeSession(QObject* parent)
    : QObject(parent), m_previews(std::make_unique<PreviewThumbnailCache>(previewStore())) {
  setObjectName(QStringLiteral("WardrobeSession"));
  registerModelMetaTypes();
}

WardrobeSession::~WardrobeSession() {
  // The thumbnail thread goes before the wardrobe whose photos it reads.
  m_previews.reset();
}

// --- The open wardrobe ---------------------------------------------------------

bool WardrobeSession::open(std::unique_ptr<Wardrobe>& wardrobe) {
  if (m_wardrobe || !wardrobe) return false;
  m_wardrobe = std::move(wardrobe);
  CollectionList& list = m_wardrobe->collections();
  Collection* current = list.allCollections();
  for (const auto& collection : list.collections())
    if (collection->id() == list.hotId()) current = collection.get();
  m_current = current;
  list.setHotId(current->id());
  emit wardrobeOpened(m_wardrobe.get());
  emit currentCollectionChanged(m_current);
  emit searchChanged();
  emit selectionChanged();
  return true;
}

void WardrobeSession::close() {
  if (!m_wardrobe) return;
  emit wardrobeAboutToClose(m_wardrobe.get());
  clearSearchState();
  m_searchText.clear();
  m_current = nullptr;
  m_listSelection.clear();
  m_resultSelection.clear();
  m_wardrobe.reset();
  emit wardrobeClosed();
}

bool WardrobeSession::owns(const Collection* collection) const {
  return m_wardrobe && collection && collection->owner() == &m_wardrobe->collections();
}

void WardrobeSession::setCurrentCollection(Collection* collection) {
  if (!owns(collection) || collection->id() < 0 || collection == m_current) return;
  m_current = collection;
  m_wardrobe->collections().setHotId(collection->id());
  clearSearchState();
  m_listSelection.clear();
  m_resultSelection.clear();
  emit currentCollectionChanged(collection);
  emit searchChanged();
  emit selectionChanged();
}

// --- Collections ----------------------------------------------------------------

Collection* WardrobeSession::addCollection(const std::wstring& name) {
  if (!m_wardrobe || name.empty()) return nullptr;
  CollectionList& list = m_wardrobe->collections();
  if (list.findByName(name) || name == list.allCollections()->name()) return nullptr;
  Collection* added = list.add(name);
  if (added) emit collectionAdded(added);
  return added;
}

bool WardrobeSession::renameCollection(Collection* collection, const std::wstring& name) {
  if (!owns(collection) || collection->id() <= 0 || name.empty() || name == collection->name()) return false;
  collection->setName(name);
  emit collectionRenamed(collection);
  return true;
}

bool WardrobeSession::reorderCollections(const std::vector<Collection*>& order) {
  if (!m_wardrobe) return false;
  CollectionList& list = m_wardrobe->collections();
  bool same = order.size() == list.count();
  for (size_t i = 0; same && i < order.size(); ++i) same = order[i] == list.at(i);
  if (same || !list.reorder(order)) return false;
  emit collectionsReordered();
  return true;
}

bool WardrobeSession::removeCollection(Collection* collection, RemovalReport* report) {
  if (!owns(collection) || collection->id() <= 0) return false;
  emit collectionAboutToBeRemoved(collection);
  std::vector<Item*> items;
  items.reserve(collection->items().count());
  for (const auto& item : collection->items().items()) items.push_back(item.get());
  const bool searchedIt = m_current == collection || m_engine.scope() == collection;
  forgetItems(items);
  if (searchedIt) clearSearchState();
  if (m_current == collection) m_current = nullptr;
  const bool removed = m_wardrobe->collections().remove(collection, report);
  emit collectionRemoved();
  emit searchChanged();
  emit selectionChanged();
  return removed;
}

// --- Tags -----------------------------------------------------------------------

Tag* WardrobeSession::addTag(Collection* collection, const std::wstring& name) {
  if (!owns(collection) || collection->id() <= 0 || name.empty()) return nullptr;
  if (collection->tags().findByName(name)) return nullptr;
  Tag* added = collection->tags().add(name, -1);
  if (added) emit tagAdded(added);
  return added;
}

bool WardrobeSession::renameTag(Tag* tag, const std::wstring& name) {
  if (!tag || tag->id() <= 0 || name.empty() || name == tag->name()) return false;
  tag->setName(name);
  emit tagRenamed(tag);
  return true;
}

bool WardrobeSession::reorderTags(Collection* collection, const std::vector<Tag*>& order) {
  if (!owns(collection)) return false;
  TagList& tags = collection->tags();
  bool same = order.size() == tags.count();
  for (size_t i = 0; same && i < order.size(); ++i) same = order[i] == tags.at(i);
  if (same || !tags.reorder(order)) return false;
  emit tagsReordered(collection);
  return true;
}

bool WardrobeSession::removeTag(Tag* tag) {
  Collection* collection = tag ? tag->owner()->collection() : nullptr;
  if (!owns(collection) || tag->id() <= 0 || !collection->tags().findById(tag->id())) return false;
  emit tagAboutToBeRemoved(tag);
  const bool removed = collection->tags().remove(tag);
  emit tagsRemoved(collection);
  return removed;
}

bool WardrobeSession::removeAllTags(Collection* collection) {
  if (!owns(collection) || collection->tags().count() == 0) return false;
  for (const auto& tag : collection->tags().tags()) emit tagAboutToBeRemoved(tag.get());
  collection->clearAllRecords();
  collection->tags().clear();
  emit tagsRemoved(collection);
  return true;
}

// --- Items and values -------------------------------------------------------------

AddedFiles WardrobeSession::addPhotoFiles(Collection* collection, const ImportList& files) {
  if (!owns(collection)) return {};
  // Asked by the caller already.
  AddedFiles added = addFiles(collection, files, [](size_t) { return true; });
  if (!added.items.empty()) emit itemsAdded(collection, added.items);
  return added;
}

bool WardrobeSession::renameItem(Item* item, const std::wstring& name) {
  if (!item || !owns(collectionOf(item)) || name.empty() || name == item->name()) return false;
  item->setName(name);
  emit itemRenamed(item);
  return true;
}

bool WardrobeSession::removeItems(const std::vector<Item*>& items, RemovalReport* report) {
  std::vector<Item*> doomed;
  for (Item* item : items)
    if (item && owns(collectionOf(item)) && std::find(doomed.begin(), doomed.end(), item) == doomed.end())
      doomed.push_back(item);
  if (doomed.empty()) return false;
  emit itemsAboutToBeRemoved(doomed);
  forgetItems(doomed);
  for (Item* item : doomed) item->owner()->remove(item, report);
  emit itemsRemoved();
  emit searchChanged();
  emit selectionChanged();
  return true;
}

bool WardrobeSession::setValue(Item* item, const Tag* tag, const std::wstring& value) {
  if (!item || !tag || !owns(collectionOf(item)) || item->records().get(tag->id()) == value) return false;
  item->records().set(tag->id(), value);
  emit valuesChanged(item);
  return true;
}

bool WardrobeSession::clearAllValues(Item* item) {
  if (!item || !owns(collectionOf(item)) || item->records().count() == 0) return false;
  item->clearRecords();
  emit valuesChanged(item);
  return true;
}

void WardrobeSession::refreshPhotos() {
  m_previews->clear();
  emit photosRefreshed();
}

// --- Search -----------------------------------------------------------------------

void WardrobeSession::clearSearchState() {
  ++m_searchRun;
  m_engine.reset();
  m_engine.results().clear();
  m_searchShown = false;
  m_resultSelection.clear();
}

void WardrobeSession::search(const QString& text) {
  ++m_searchRun;
  m_searchText = text;
  m_engine.results().clear();
  m_resultSelection.clear();
  m_searchShown = m_current && !text.isEmpty();
  if (m_searchShown) {
    m_engine.setScope(m_current);
    // A query the engine cannot run (no term, a pattern it gave up on) finds nothing.
    if (!m_engine.parse(toWString(text)) || !m_engine.run()) m_engine.results().clear();
  }
  emit searchChanged();
  emit selectionChanged();
}

void WardrobeSession::hideSearch() {
  m_searchText.clear();
  clearSearchState();
  emit searchChanged();
  emit selectionChanged();
}

// --- Selection ----------------------------------------------------------------------

void WardrobeSession::forgetItems(const std::vector<Item*>& items) {
  const std::unordered_set<const Item*> gone(items.begin(), items.end());
  std::erase_if(m_engine.results(), [&gone](const SearchResult& r) { return gone.count(r.item) > 0; });
  eraseItems(m_listSelection, gone);
  eraseItems(m_resultSelection, gone);
}

void WardrobeSession::setListSelection(std::vector<Item*> items) {
  if (items == m_listSelection) return;
  m_listSelection = std::move(items);
  emit selectionChanged();
}

void WardrobeSession::setResultSelection(std::vector<Item*> items) {
  if (items == m_resultSelection) return;
  m_resultSelection = std::move(items);
  emit selectionChanged();
}

Item* WardrobeSession::selectedItem() const {
  const std::vector<Item*>& shown = selection();
  return shown.size() == 1 ? shown.front() : nullptr;
}

}  // namespace tavoro::ui
