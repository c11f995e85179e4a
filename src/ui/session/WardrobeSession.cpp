#include "ui/session/WardrobeSession.h"

#include <algorithm>
#include <unordered_set>

#include "imaging/thumbnails/PreviewThumbnailCache.h"
#include "imaging/thumbnails/ThumbnailStore.h"
#include "ui/common/QtText.h"
#include "wardrobe/Collection.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {

namespace {

Collection* collectionOf(const Item* item) {
  const ItemList* list = item ? item->owner() : nullptr;
  return list ? list->collection() : nullptr;
}

// An item's values in their order, as the history keeps them.
WardrobeSession::Values valuesOf(const Item& item) {
  WardrobeSession::Values values;
  values.reserve(item.records().count());
  for (const Record& record : item.records()) values.emplace_back(record.tagId(), record.value());
  return values;
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
  m_history.clear();
  m_history.setUndoLimit(kUndoLimit);
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
  // The steps hold objects taken out of the wardrobe: they go before it.
  m_history.clear();
  m_trash.forget();
  m_wardrobe.reset();
  emit wardrobeClosed();
}

Status WardrobeSession::save() {
  if (!m_wardrobe) return {};
  Status written = writeWardrobe(*m_wardrobe);
  if (written) m_trash.empty();
  return written;
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

void WardrobeSession::revealItem(Item* item) {
  Collection* collection = item && item->owner() ? item->owner()->collection() : nullptr;
  if (!owns(collection)) return;
  if (m_current != collection && m_current != m_wardrobe->collections().allCollections())
    setCurrentCollection(collection);
  if (m_searchShown) hideSearch();
  emit revealRequested({item});
}

// --- Collections ----------------------------------------------------------------

Collection* WardrobeSession::addCollection(const std::wstring& name) {
  if (!m_wardrobe || name.empty()) return nullptr;
  CollectionList& list = m_wardrobe->collections();
  if (list.findByName(name) || name == list.allCollections()->name()) return nullptr;
  Collection* added = list.add(name);
  if (!added) return nullptr;
  // Made with its id, then attached by the step, which keeps it while undone.
  auto held = std::make_shared<HeldCollection>();
  held->collection = list.take(added, &held->position);
  record(
      tr("Add Collection"), [this, held] { attachCollection(*held, false); },
      [this, held, added] { detachCollection(added, *held); });
  return added;
}

bool WardrobeSession::renameCollection(Collection* collection, const std::wstring& name) {
  if (!owns(collection) || collection->id() <= 0 || name.empty() || name == collection->name()) return false;
  const std::wstring old = collection->name();
  record(
      tr("Rename Collection"), [this, collection, name] { applyCollectionName(collection, name); },
      [this, collection, old] { applyCollectionName(collection, old); });
  return true;
}

bool WardrobeSession::reorderCollections(const std::vector<Collection*>& order, const QString& step) {
  if (!m_wardrobe) return false;
  CollectionList& list = m_wardrobe->collections();
  std::vector<Collection*> before;
  for (const auto& collection : list.collections()) before.push_back(collection.get());
  if (order == before) return false;
  // A sequence the list refuses changes nothing and makes no step.
  if (!list.reorder(order)) return false;
  list.reorder(before);
  record(
      step.isEmpty() ? tr("Move Collection") : step, [this, order] { applyCollectionOrder(order); },
      [this, before] { applyCollectionOrder(before); });
  return true;
}

bool WardrobeSession::removeCollection(Collection* collection) {
  if (!owns(collection) || collection->id() <= 0) return false;
  auto held = std::make_shared<HeldCollection>();
  const bool wasCurrent = collection == m_current;
  record(
      tr("Delete Collection"), [this, held, collection] { detachCollection(collection, *held); },
      [this, held, wasCurrent] { attachCollection(*held, wasCurrent); });
  return true;
}

// --- Tags -----------------------------------------------------------------------

Tag* WardrobeSession::addTag(Collection* collection, const std::wstring& name) {
  if (!owns(collection) || collection->id() <= 0 || name.empty()) return nullptr;
  TagList& tags = collection->tags();
  if (tags.findByName(name)) return nullptr;
  Tag* added = tags.add(name, -1);
  if (!added) return nullptr;
  auto held = std::make_shared<HeldTag>();
  held->tag = tags.take(added, &held->position);
  record(
      tr("Add Tag"), [this, held] { attachTag(*held); }, [this, held, added] { detachTag(added, *held); });
  return added;
}

bool WardrobeSession::renameTag(Tag* tag, const std::wstring& name) {
  if (!tag || !owns(tag->owner()->collection()) || tag->id() <= 0 || name.empty() || name == tag->name())
    return false;
  const std::wstring old = tag->name();
  record(
      tr("Rename Tag"), [this, tag, name] { applyTagName(tag, name); },
      [this, tag, old] { applyTagName(tag, old); });
  return true;
}

bool WardrobeSession::reorderTags(Collection* collection, const std::vector<Tag*>& order, const QString& step) {
  if (!owns(collection)) return false;
  TagList& tags = collection->tags();
  std::vector<Tag*> before;
  for (const auto& tag : tags.tags()) before.push_back(tag.get());
  if (order == before || !tags.reorder(order)) return false;
  tags.reorder(before);
  record(
      step.isEmpty() ? tr("Move Tag") : step, [this, collection, order] { applyTagOrder(collection, order); },
      [this, collection, before] { applyTagOrder(collection, before); });
  return true;
}

bool WardrobeSession::removeTag(Tag* tag) {
  Collection* collection = tag ? tag->owner()->collection() : nullptr;
  if (!owns(collection) || tag->id() <= 0) return false;
  const auto& tags = collection->tags().tags();
  if (std::none_of(tags.begin(), tags.end(), [tag](const auto& t) { return t.get() == tag; })) return false;
  // The items' values for it stay in their records, unseen: undo shows them again.
  auto held = std::make_shared<HeldTag>();
  record(
      tr("Delete Tag"), [this, held, tag] { detachTag(tag, *held); }, [this, held] { attachTag(*held); });
  return true;
}

bool WardrobeSession::removeAllTags(Collection* collection) {
  if (!owns(collection) || collection->tags().count() == 0) return false;
  std::vector<Tag*> doomed;
  for (const auto& tag : collection->tags().tags()) doomed.push_back(tag.get());
  // Every value of every item goes with them; undo puts them back as they were.
  auto records = std::make_shared<std::vector<std::pair<Item*, Values>>>();
  for (const auto& item : collection->items().items())
    if (item->records().count() > 0) records->emplace_back(item.get(), valuesOf(*item));
  auto held = std::make_shared<std::vector<HeldTag>>(doomed.size());
  record(
      tr("Delete All Tags"),
      [this, held, doomed, collection] {
        for (size_t i = doomed.size(); i-- > 0;) detachTag(doomed[i], (*held)[i], false);
        collection->clearAllRecords();
        emit tagsRemoved(collection);
      },
      [this, held, records] {
        for (HeldTag& tag : *held) attachTag(tag);
        for (const auto& [item, values] : *records) applyRecords(item, values);
      });
  return true;
}

// --- Items and values -------------------------------------------------------------

AddedFiles WardrobeSession::addPhotoFiles(Collection* collection, const ImportList& files) {
  if (!owns(collection)) return {};
  // Asked by the caller already.
  AddedFiles added = addFiles(collection, files, [](size_t) { return true; });
  if (added.items.empty()) return added;
  emit itemsAdded(collection, added.items);
  // The files are copied once; the step only takes the items out and back.
  auto held = std::make_shared<HeldItems>();
  auto done = std::make_shared<bool>(true);
  const std::vector<Item*> items = added.items;
  record(
      items.size() == 1 ? tr("Add Photo") : tr("Add %1 Photos").arg(items.size()),
      [this, held, done] {
        if (!*done) attachItems(*held, true);
        *done = true;
      },
      [this, held, done, items] {
        detachItems(items, *held);
        *done = false;
      });
  return added;
}

bool WardrobeSession::renameItem(Item* item, const std::wstring& name) {
  if (!item || !owns(collectionOf(item)) || name.empty() || name == item->name()) return false;
  const std::wstring old = item->name();
  record(
      tr("Rename Item"), [this, item, name] { applyItemName(item, name); },
      [this, item, old] { applyItemName(item, old); });
  return true;
}

bool WardrobeSession::removeItems(const std::vector<Item*>& items) {
  std::vector<Item*> doomed;
  for (Item* item : items)
    if (item && owns(collectionOf(item)) && std::find(doomed.begin(), doomed.end(), item) == doomed.end())
      doomed.push_back(item);
  if (doomed.empty()) return false;
  auto held = std::make_shared<HeldItems>();
  record(
      doomed.size() == 1 ? tr("Delete Item") : tr("Delete %1 Items").arg(doomed.size()),
      [this, held, doomed] { detachItems(doomed, *held); }, [this, held] { attachItems(*held, true); });
  return true;
}

bool WardrobeSession::setValue(Item* item, const Tag* tag, const std::wstring& value) {
  if (!item || !tag || !owns(collectionOf(item)) || item->records().get(tag->id()) == value) return false;
  const Values before = valuesOf(*item);
  Values after = before;
  const auto found = std::find_if(after.begin(), after.end(), [tag](const auto& v) { return v.first == tag->id(); });
  if (found != after.end())
    found->second = value;
  else
    after.emplace_back(tag->id(), value);
  const QString name = toQString(tag->name());
  record(
      value.empty() ? tr("Clear %1").arg(name) : tr("Set %1").arg(name),
      [this, item, after] { applyRecords(item, after); }, [this, item, before] { applyRecords(item, before); });
  return true;
}

bool WardrobeSession::clearAllValues(Item* item) {
  if (!item || !owns(collectionOf(item)) || item->records().count() == 0) return false;
  const Values before = valuesOf(*item);
  record(
      tr("Clear All Values"), [this, item] { applyRecords(item, {}); },
      [this, item, before] { applyRecords(item, before); });
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
