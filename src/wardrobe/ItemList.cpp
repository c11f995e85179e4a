#include "ItemList.h"

#include <algorithm>
#include <unordered_set>

#include "CombinationList.h"
#include "ListRules.h"
#include "platform/FileSystem.h"

namespace tavoro {

Item* ItemList::addFromPhotoFile(std::wstring_view path, const LocalClock& clock) {
  // An item folder that exists already belongs to another writer or to an
  // interrupted import: a new item never shares it.
  std::unique_ptr<Item> item;
  do {
    int32_t id = 0;
    if (!takeNextId(m_nextId, id)) return nullptr;
    item = std::make_unique<Item>(this, id, std::wstring());
  } while (pathExists(item->namedPhotoFolder()));
  if (!item->photos().addFromFile(path)) return nullptr;
  m_items.push_back(std::move(item));
  m_items.back()->setDateAdded(DateTime::now(clock));
  return m_items.back().get();
}

bool ItemList::hasIdLeft() const { return tavoro::hasIdLeft(m_nextId); }

Item* ItemList::add(std::wstring name, int32_t id) {
  if (id <= 0) return nullptr;
  m_items.push_back(std::make_unique<Item>(this, id, std::move(name)));
  return m_items.back().get();
}

bool ItemList::remove(Item* item, RemovalReport* report) {
  const auto it = std::find_if(m_items.begin(), m_items.end(), [item](const auto& p) { return p.get() == item; });
  if (!item || it == m_items.end()) return false;
  std::unique_ptr<Item> owned = std::move(*it);
  m_items.erase(it);
  if (CombinationList* combinations = combinationsOf(item)) combinations->removeItems({item});
  owned->removeFiles(report);
  return true;
}

std::unique_ptr<Item> ItemList::take(Item* item, size_t* position) { return takeOwned(m_items, item, position); }

bool ItemList::insert(std::unique_ptr<Item> item, size_t position) {
  if (!item || item->owner() != this) return false;
  insertOwned(m_items, std::move(item), position);
  return true;
}

void ItemList::clear(bool deleteFiles) {
  CombinationList* combinations = m_items.empty() ? nullptr : combinationsOf(m_items.front().get());
  if (combinations && combinations->count() > 0) {
    std::unordered_set<const Item*> gone;
    for (const auto& item : m_items) gone.insert(item.get());
    combinations->removeItems(gone);
  }
  if (deleteFiles)
    for (const auto& item : m_items) item->removeFiles();
  m_items.clear();
}

}  // namespace tavoro
