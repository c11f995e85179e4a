// A combination (an outfit): a named, ordered set of items from any
// collections of the wardrobe, the date it was made, when it last changed,
// and the days it was worn. It refers to its items without owning them: an
// item that leaves the wardrobe leaves every combination (see
// CombinationList::removeItems). User-interface thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "DateTime.h"
#include "WearDates.h"

namespace tavoro {

class CombinationList;
class Item;

class Combination {
 public:
  static constexpr size_t kAtEnd = static_cast<size_t>(-1);

  Combination(CombinationList* owner, int32_t id, std::wstring name)
      : m_owner(owner), m_id(id), m_name(std::move(name)) {}
  Combination(const Combination&) = delete;
  Combination& operator=(const Combination&) = delete;

  CombinationList* owner() const { return m_owner; }
  int32_t id() const { return m_id; }
  const std::wstring& name() const { return m_name; }
  void setName(std::wstring name) { m_name = std::move(name); }
  const DateTime& created() const { return m_created; }
  void setCreated(const DateTime& when) { m_created = when; }
  // The last change of its name, items, order or wear (what lists it "most
  // recently changed first").
  const DateTime& changed() const { return m_changed; }
  void setChanged(const DateTime& when) { m_changed = when; }

  // Its items in the user's order, each once.
  const std::vector<Item*>& items() const { return m_items; }
  size_t count() const { return m_items.size(); }
  bool contains(const Item* item) const;
  // Puts item at position (at the end when past it); false for null or an
  // item it holds already.
  bool insertItem(Item* item, size_t position = kAtEnd);
  // Takes item out; false when it is not there. position receives where it was.
  bool removeItem(const Item* item, size_t* position = nullptr);
  // Replaces the order when sequence names every item exactly once; false,
  // changing nothing, otherwise.
  bool reorder(const std::vector<Item*>& sequence);

  WearDates& worn() { return m_worn; }
  const WearDates& worn() const { return m_worn; }

 private:
  CombinationList* m_owner;
  int32_t m_id;
  std::wstring m_name;
  DateTime m_created;
  DateTime m_changed;
  std::vector<Item*> m_items;
  WearDates m_worn;
};

}  // namespace tavoro
