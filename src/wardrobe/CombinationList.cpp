#include "CombinationList.h"

#include <algorithm>

#include "ListRules.h"
#include "Wardrobe.h"

namespace tavoro {

Combination* CombinationList::add(std::wstring name, int32_t id) {
  if (id < -1 && !takeNextId(m_nextId, id)) return nullptr;
  if (id <= 0) return nullptr;
  m_combinations.push_back(std::make_unique<Combination>(this, id, std::move(name)));
  return m_combinations.back().get();
}

bool CombinationList::hasIdLeft() const { return tavoro::hasIdLeft(m_nextId); }

Combination* CombinationList::findByName(std::wstring_view name) const {
  for (const auto& combination : m_combinations)
    if (combination->name() == name) return combination.get();
  return nullptr;
}

Combination* CombinationList::findById(int32_t id) const {
  for (const auto& combination : m_combinations)
    if (combination->id() == id) return combination.get();
  return nullptr;
}

std::wstring CombinationList::suggestNewName() const {
  return suggestDefaultName(L"New Combination", m_combinations);
}

std::vector<Combination*> CombinationList::byLastChange() const {
  std::vector<Combination*> sorted;
  sorted.reserve(m_combinations.size());
  for (const auto& combination : m_combinations) sorted.push_back(combination.get());
  std::stable_sort(sorted.begin(), sorted.end(), [](const Combination* a, const Combination* b) {
    if (a->changed() != b->changed()) return a->changed() > b->changed();
    return a->id() > b->id();
  });
  return sorted;
}

std::vector<Combination*> CombinationList::holding(const Item* item) const {
  std::vector<Combination*> found;
  for (const auto& combination : m_combinations)
    if (combination->contains(item)) found.push_back(combination.get());
  return found;
}

bool CombinationList::remove(Combination* combination) { return take(combination) != nullptr; }

std::unique_ptr<Combination> CombinationList::take(Combination* combination, size_t* position) {
  return takeOwned(m_combinations, combination, position);
}

bool CombinationList::insert(std::unique_ptr<Combination> combination, size_t position) {
  if (!combination || combination->owner() != this) return false;
  insertOwned(m_combinations, std::move(combination), position);
  return true;
}

std::vector<CombinationPlace> CombinationList::removeItems(const std::unordered_set<const Item*>& gone) {
  std::vector<CombinationPlace> places;
  if (gone.empty()) return places;
  for (const auto& combination : m_combinations) {
    // Taken one by one from the front, so that putting them back in reverse
    // order puts each at the position it was taken from.
    for (size_t i = 0; i < combination->count();) {
      Item* item = combination->items()[i];
      if (gone.count(item) == 0) {
        ++i;
        continue;
      }
      combination->removeItem(item);
      places.push_back({combination.get(), i, item});
    }
  }
  return places;
}

void CombinationList::putBack(const std::vector<CombinationPlace>& places) {
  for (auto place = places.rbegin(); place != places.rend(); ++place)
    place->combination->insertItem(place->item, place->position);
}

CombinationList* combinationsOf(const Item* item) {
  const ItemList* items = item ? item->owner() : nullptr;
  const Collection* collection = items ? items->collection() : nullptr;
  const CollectionList* collections = collection ? collection->owner() : nullptr;
  Wardrobe* wardrobe = collections ? collections->wardrobe() : nullptr;
  return wardrobe ? &wardrobe->combinations() : nullptr;
}

}  // namespace tavoro
