#include "CollectionList.h"

#include <algorithm>

#include "ListRules.h"
#include "platform/FileSystem.h"

namespace tavoro {

namespace {

// The items' photo files and folders, then the collection folder when it is
// left empty: files the wardrobe does not name are never deleted.
void deleteCollectionFiles(Collection& collection, RemovalReport* report = nullptr) {
  collection.items().clear(true);
  const std::wstring folder = collection.photoFolder();
  removeEmptyFolder(folder);
  if (report && pathExists(folder)) report->keep(folder);
}

}  // namespace

CollectionList::CollectionList(Wardrobe* wardrobe)
    : m_wardrobe(wardrobe),
      m_allCollections(std::make_unique<Collection>(this, 0, L"All Collections")),
      m_addPlaceholder(std::make_unique<Collection>(this, -1, L"Double-click to add a collection")) {}

Collection* CollectionList::add(std::wstring name, int32_t id) {
  if (id < -1 && !takeNextId(m_nextId, id)) return nullptr;
  m_collections.push_back(std::make_unique<Collection>(this, id, std::move(name)));
  return m_collections.back().get();
}

Collection* CollectionList::findByName(std::wstring_view name) const {
  for (const auto& collection : m_collections)
    if (collection->name() == name) return collection.get();
  return nullptr;
}

bool CollectionList::remove(Collection* collection, RemovalReport* report) {
  // Membership first: a pointer that is not ours is never dereferenced.
  const auto it = std::find_if(m_collections.begin(), m_collections.end(),
                               [collection](const auto& p) { return p.get() == collection; });
  if (!collection || it == m_collections.end() || collection->id() <= 0) return false;
  std::unique_ptr<Collection> owned = std::move(*it);
  m_collections.erase(it);
  deleteCollectionFiles(*owned, report);
  return true;
}

std::unique_ptr<Collection> CollectionList::take(Collection* collection, size_t* position) {
  if (!collection || collection->id() <= 0) return nullptr;
  return takeOwned(m_collections, collection, position);
}

bool CollectionList::insert(std::unique_ptr<Collection> collection, size_t position) {
  if (!collection || collection->owner() != this || collection->id() <= 0) return false;
  insertOwned(m_collections, std::move(collection), position);
  return true;
}

bool CollectionList::hasIdLeft() const { return tavoro::hasIdLeft(m_nextId); }

std::wstring CollectionList::suggestNewName() const { return suggestDefaultName(L"New Collection", m_collections); }

bool CollectionList::reorder(const std::vector<Collection*>& sequence) { return reorderOwned(m_collections, sequence); }

int CollectionList::itemCount(const Collection* collection) const {
  if (!collection) return 0;
  if (collection->id() != 0) return static_cast<int>(collection->items().count());
  size_t total = 0;
  for (const auto& c : m_collections) total += c->items().count();
  return static_cast<int>(total);
}

void CollectionList::clear(bool deleteFiles) {
  for (const auto& collection : m_collections) {
    if (deleteFiles)
      deleteCollectionFiles(*collection);
    else
      collection->items().clear(false);  // out of the combinations too
  }
  m_collections.clear();
}

}  // namespace tavoro
