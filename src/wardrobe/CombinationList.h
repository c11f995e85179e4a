// The wardrobe's combinations (outfits) in the order they were made, with
// their own id counter, which only grows. User-interface thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "Combination.h"

namespace tavoro {

class Wardrobe;

// Where an item stood in a combination before it was taken out.
struct CombinationPlace {
  Combination* combination = nullptr;
  size_t position = 0;
  Item* item = nullptr;
};

class CombinationList {
 public:
  static constexpr int32_t kTakeNextId = -2;

  explicit CombinationList(Wardrobe* wardrobe) : m_wardrobe(wardrobe) {}
  CombinationList(const CombinationList&) = delete;
  CombinationList& operator=(const CombinationList&) = delete;

  Wardrobe* wardrobe() const { return m_wardrobe; }

  // Appends a combination. An id below -1 takes nextId; an id above 0 is used
  // as given (the reader adds with stored ids). Null for any other id, or
  // when an id is to be taken and none is left.
  Combination* add(std::wstring name, int32_t id = kTakeNextId);
  bool hasIdLeft() const;
  // The first combination whose name equals name exactly, or null.
  Combination* findByName(std::wstring_view name) const;
  Combination* findById(int32_t id) const;
  // "New Combination", or "New Combination <n>" with the first free n.
  std::wstring suggestNewName() const;
  // Every combination, the most recently changed first (then the newest).
  std::vector<Combination*> byLastChange() const;
  // The combinations that hold item, in list order.
  std::vector<Combination*> holding(const Item* item) const;

  // Deletes the combination (never its items or their photos); false when
  // it is not in the list.
  bool remove(Combination* combination);
  // Takes it out without destroying it (deleting that can be undone).
  std::unique_ptr<Combination> take(Combination* combination, size_t* position = nullptr);
  // Puts one taken from this list back at position; false (and destroyed)
  // when it belongs to another list.
  bool insert(std::unique_ptr<Combination> combination, size_t position);
  void clear() { m_combinations.clear(); }

  // Takes every item of gone out of every combination; a combination left
  // empty stays. Returns where each stood, in the order taken: putBack of
  // the same places restores every combination exactly.
  std::vector<CombinationPlace> removeItems(const std::unordered_set<const Item*>& gone);
  void putBack(const std::vector<CombinationPlace>& places);

  size_t count() const { return m_combinations.size(); }
  Combination* at(size_t index) const { return m_combinations.at(index).get(); }
  const std::vector<std::unique_ptr<Combination>>& combinations() const { return m_combinations; }
  int32_t nextId() const { return m_nextId; }
  void setNextId(int32_t id) { m_nextId = id; }

 private:
  Wardrobe* m_wardrobe;
  int32_t m_nextId = 1;
  std::vector<std::unique_ptr<Combination>> m_combinations;
};

// The combinations of the wardrobe that holds item (through its collection),
// or null for an item outside a wardrobe.
CombinationList* combinationsOf(const Item* item);

}  // namespace tavoro
