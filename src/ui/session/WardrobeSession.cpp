#include "ui/session/WardrobeSession.h"

#include <algorithm>
#include <unordered_set>

#include "imaging/thumbnails/PreviewThumbnailCache.h"
#include "imaging/thumbnails/ThumbnailStore.h"
#include "search/QueryParser.h"
#include "search/SearchScan.h"
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
  connect(&m_watch, &WardrobeFileWatch::settled, this, &WardrobeSession::onFileSettled);
  // Pieces come on the search thread and wait in the inbox; the first one
  // in an empty inbox calls this thread to take it. The worker ends before
  // this object does, and Qt drops a call whose receiver is gone.
  m_worker = std::make_unique<SearchWorker>([this](SearchPiece piece) {
    bool first = false;
    {
      std::lock_guard lock(m_inboxMutex);
      first = m_inbox.empty();
      m_inbox.push_back(std::move(piece));
    }
    if (first) QMetaObject::invokeMethod(this, &WardrobeSession::takePiece, Qt::QueuedConnection);
  });
}

WardrobeSession::~WardrobeSession() {
  // The search and thumbnail threads go before the wardrobe they read.
  m_worker.reset();
  m_previews.reset();
}

// --- The open wardrobe ---------------------------------------------------------

bool WardrobeSession::open(std::unique_ptr<Wardrobe>& wardrobe) {
  if (m_wardrobe || !wardrobe) return false;
  FileState file;
  readFileIdentity(wardrobe->wardrobeFilePath(), file.identity);
  return open(wardrobe, std::move(file));
}

bool WardrobeSession::open(std::unique_ptr<Wardrobe>& wardrobe, FileState file) {
  if (m_wardrobe || !wardrobe) return false;
  m_wardrobe = std::move(wardrobe);
  m_identity = file.identity;
  m_lock = std::move(file.lock);
  m_readOnly = file.readOnly;
  m_watch.watch(toQString(m_wardrobe->wardrobeFilePath()));
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
  m_worker->forgetTexts();
  m_searchText.clear();
  m_current = nullptr;
  m_listSelection.clear();
  m_resultSelection.clear();
  // The steps hold objects taken out of the wardrobe: they go before it.
  m_history.clear();
  m_trash.forget();
  m_watch.stop();
  m_wardrobe.reset();
  m_identity = {};
  m_lock.reset();
  m_readOnly = false;
  emit wardrobeClosed();
}

Status WardrobeSession::save() {
  if (!m_wardrobe || m_readOnly) return {};
  FileIdentity identity;
  Status written = writeWardrobe(*m_wardrobe, &m_identity, &identity);
  if (!written) return written;
  m_identity = identity;
  m_history.setClean();
  m_watch.rewatch();
  m_trash.empty();
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
  // The item list shows one collection ("All Collections" only scopes a
  // search), so the item's own collection must be the current one.
  setCurrentCollection(collection);
  if (m_searchShown) hideSearch();
  emit revealRequested({item});
}

// --- Collections ----------------------------------------------------------------

Collection* WardrobeSession::addCollection(const std::wstring& name) {
  if (!m_wardrobe || name.empty()) return nullptr;
  CollectionList& list = m_wardrobe->collections();
  if (list.findByName(name) || name == list.allCollections()->name() || refuseReadOnly()) return nullptr;
  changing();
  Collection* added = list.add(name);
  if (!added) {
    emit changeRefused(tr("No collection can be added: the wardrobe has given out every collection number."));
    return nullptr;
  }
  // Made with its id, then attached by the step, which keeps it while undone.
  auto held = std::make_shared<HeldCollection>();
  held->collection = list.take(added, &held->position);
  record(
      tr("Add Collection"), [this, held] { attachCollection(*held, false); },
      [this, held, added] { detachCollection(added, *held); });
  return added;
}

bool WardrobeSession::renameCollection(Collection* collection, const std::wstring& name) {
  if (!owns(collection) || collection->id() <= 0 || name.empty() || name == collection->name() || refuseReadOnly())
    return false;
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
  if (order == before || refuseReadOnly()) return false;
  changing();
  // A sequence the list refuses changes nothing and makes no step.
  if (!list.reorder(order)) return false;
  list.reorder(before);
  record(
      step.isEmpty() ? tr("Move Collection") : step, [this, order] { applyCollectionOrder(order); },
      [this, before] { applyCollectionOrder(before); });
  return true;
}

bool WardrobeSession::removeCollection(Collection* collection) {
  if (!owns(collection) || collection->id() <= 0 || refuseReadOnly()) return false;
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
  if (tags.findByName(name) || refuseReadOnly()) return nullptr;
  changing();
  Tag* added = tags.add(name, -1);
  if (!added) {
    emit changeRefused(tr("No tag can be added: the collection has given out every tag number."));
    return nullptr;
  }
  auto held = std::make_shared<HeldTag>();
  held->tag = tags.take(added, &held->position);
  record(
      tr("Add Tag"), [this, held] { attachTag(*held); }, [this, held, added] { detachTag(added, *held); });
  return added;
}

bool WardrobeSession::renameTag(Tag* tag, const std::wstring& name) {
  if (!tag || !owns(tag->owner()->collection()) || tag->id() <= 0 || name.empty() || name == tag->name() ||
      refuseReadOnly())
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
  if (order == before || refuseReadOnly()) return false;
  changing();
  if (!tags.reorder(order)) return false;
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
  if (std::none_of(tags.begin(), tags.end(), [tag](const auto& t) { return t.get() == tag; }) || refuseReadOnly())
    return false;
  // The items' values for it stay in their records, unseen: undo shows them again.
  auto held = std::make_shared<HeldTag>();
  record(
      tr("Delete Tag"), [this, held, tag] { detachTag(tag, *held); }, [this, held] { attachTag(*held); });
  return true;
}

bool WardrobeSession::removeAllTags(Collection* collection) {
  if (!owns(collection) || collection->tags().count() == 0 || refuseReadOnly()) return false;
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
  if (!owns(collection) || refuseReadOnly()) return {};
  changing();
  // Asked by the caller already.
  AddedFiles added = addFiles(collection, files, [](size_t) { return true; });
  if (const int noId = static_cast<int>(added.noIdLeft); noId > 0)
    emit changeRefused(
        tr("%n photo(s) could not be added: the collection has given out every item number.", nullptr, noId));
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
  if (!item || !owns(collectionOf(item)) || name.empty() || name == item->name() || refuseReadOnly()) return false;
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
  if (doomed.empty() || refuseReadOnly()) return false;
  auto held = std::make_shared<HeldItems>();
  record(
      doomed.size() == 1 ? tr("Delete Item") : tr("Delete %1 Items").arg(doomed.size()),
      [this, held, doomed] { detachItems(doomed, *held); }, [this, held] { attachItems(*held, true); });
  return true;
}

bool WardrobeSession::setValue(Item* item, const Tag* tag, const std::wstring& value) {
  if (!item || !tag || !owns(collectionOf(item)) || item->records().get(tag->id()) == value || refuseReadOnly())
    return false;
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
  if (!item || !owns(collectionOf(item)) || item->records().count() == 0 || refuseReadOnly()) return false;
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
  stopScan();
  m_restartPending = false;
  m_lastSearch = {};
  ++m_searchRun;
  m_engine.reset();
  m_engine.results().clear();
  m_searchShown = false;
  m_resultSelection.clear();
}

namespace {

// The items a search of scope tests: all of its own, or every collection's.
size_t itemsOf(const Collection* scope) {
  if (!scope) return 0;
  if (scope->id() != 0) return scope->items().count();
  return scope->owner() ? static_cast<size_t>(std::max(0, scope->owner()->itemCount(scope))) : 0;
}

}  // namespace

void WardrobeSession::search(const QString& text) {
  stopScan();
  m_restartPending = false;
  m_searchText = text;
  const std::wstring query = toWString(text);
  const std::vector<SearchTerm> terms = m_current && !text.isEmpty() ? parseQuery(query) : std::vector<SearchTerm>{};
  // The last results, when this search narrows them.
  const bool narrowing =
      m_lastSearch.items && m_lastSearch.scope == m_current && narrows(terms, m_lastSearch.terms);
  const std::shared_ptr<const std::vector<Item*>> within = narrowing ? m_lastSearch.items : nullptr;
  if (!terms.empty() && (within ? within->size() : itemsOf(m_current)) > kSearchAtOnce) {
    // On the search thread; what is shown stays until its first results come.
    m_scanTicket = ++m_lastTicket;
    m_scanTerms = terms;
    m_scanShown = false;
    m_worker->start({m_scanTicket, m_current, terms, within, today()});
    return;
  }
  ++m_searchRun;
  m_engine.results().clear();
  m_resultSelection.clear();
  m_searchShown = m_current && !text.isEmpty();
  if (m_searchShown) {
    m_engine.setScope(m_current);
    // A query the engine cannot run (no term, a pattern it gave up on) finds nothing.
    if (m_engine.parse(query) && m_engine.runWithin(m_lastSearch.terms, within.get()))
      rememberSearch(terms);
    else
      m_engine.results().clear();
  }
  emit searchChanged();
  emit selectionChanged();
}

void WardrobeSession::takePiece() {
  SearchPiece piece;
  bool more = false;
  do {
    std::lock_guard lock(m_inboxMutex);
    if (m_inbox.empty()) return;
    piece = std::move(m_inbox.front());
    m_inbox.pop_front();
    more = !m_inbox.empty();
  } while (piece.ticket == 0 || piece.ticket != m_scanTicket);  // of a search stopped since
  // One piece a turn of the event loop: keys and paints come between pieces.
  if (more) QMetaObject::invokeMethod(this, &WardrobeSession::takePiece, Qt::QueuedConnection);

  std::vector<SearchResult>& results = m_engine.results();
  const bool first = !m_scanShown;
  if (first) {
    ++m_searchRun;
    m_scanShown = true;
    m_engine.setScope(m_current);
    m_engine.parse(toWString(m_searchText));
    results.clear();
    m_resultSelection.clear();
    m_searchShown = true;
  }
  const size_t from = results.size();
  for (Item* item : piece.items) results.push_back(SearchResult{item, {}, {}});
  if (piece.last) {
    m_scanTicket = 0;
    rememberSearch(m_scanTerms);
  }
  if (first) {
    emit searchChanged();
    emit selectionChanged();
  } else {
    emit searchResultsAdded(static_cast<int>(from));
  }
}

bool WardrobeSession::stopScan() {
  if (m_scanTicket == 0) return false;
  m_worker->stop();
  m_scanTicket = 0;
  return true;
}

void WardrobeSession::rememberSearch(const std::vector<SearchTerm>& terms) {
  auto items = std::make_shared<std::vector<Item*>>();
  items->reserve(m_engine.results().size());
  for (const SearchResult& result : m_engine.results()) items->push_back(result.item);
  m_lastSearch = {m_current, terms, std::move(items)};
}

void WardrobeSession::changing() {
  m_lastSearch.items.reset();
  m_worker->forgetTexts();
  if (!stopScan() || m_restartPending) return;
  // Searched again over the changed model, once the change is done.
  m_restartPending = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!m_restartPending) return;
        m_restartPending = false;
        if (!m_searchText.isEmpty()) search(m_searchText);
      },
      Qt::QueuedConnection);
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
