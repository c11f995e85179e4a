// The wardrobe's collections in the user's order, with the two pseudo-
// collections that the panes show but that are never saved.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Collection.h"

namespace tavoro {

class Wardrobe;

class CollectionList {
 public:
  static constexpr int32_t kTakeNextId = -2;

  explicit CollectionList(Wardrobe* wardrobe);
  CollectionList(const CollectionList&) = delete;
  CollectionList& operator=(const CollectionList&) = delete;

  Wardrobe* wardrobe() const { return m_wardrobe; }

  // Appends a collection. An id below -1 takes nextId; any other id is used
  // as given (the reader adds with stored ids). Null when an id is to be
  // taken and none is left.
  Collection* add(std::wstring name, int32_t id = kTakeNextId);
  // Whether add can still take an id (ids end at 2147483646).
  bool hasIdLeft() const;
  // The first real collection whose name equals name exactly.
  Collection* findByName(std::wstring_view name) const;
  // Refuses a collection whose id is not above 0 or that is not in the list;
  // otherwise deletes the photo files its items name, their folders and its
  // own folder when they are left empty, then the object. report (when
  // given) names the collection folder when it is still there.
  bool remove(Collection* collection, RemovalReport* report = nullptr);
  // Takes a real collection out of the list without touching its files or
  // destroying it (deleting that can be undone); its place goes to
  // position. Null when it is not one of the list's real collections.
  std::unique_ptr<Collection> take(Collection* collection, size_t* position = nullptr);
  // Puts a collection taken from this list back at position; false (and
  // the collection destroyed) when it belongs to another list.
  bool insert(std::unique_ptr<Collection> collection, size_t position);
  // "New Collection", or "New Collection <n>" with the first free n.
  std::wstring suggestNewName() const;
  bool reorder(const std::vector<Collection*>& sequence);
  // The items of the collection; for "All Collections" those of all of them.
  int itemCount(const Collection* collection) const;
  // Deletes every real collection, with its files when deleteFiles is set.
  void clear(bool deleteFiles);

  size_t count() const { return m_collections.size(); }
  Collection* at(size_t index) const { return m_collections.at(index).get(); }
  const std::vector<std::unique_ptr<Collection>>& collections() const { return m_collections; }
  Collection* allCollections() const { return m_allCollections.get(); }
  Collection* addPlaceholder() const { return m_addPlaceholder.get(); }
  int32_t nextId() const { return m_nextId; }
  void setNextId(int32_t id) { m_nextId = id; }
  // The collection selected in the collection pane (0: "All Collections").
  // It may name a collection that no longer exists.
  int32_t hotId() const { return m_hotId; }
  void setHotId(int32_t id) { m_hotId = id; }

 private:
  Wardrobe* m_wardrobe;
  int32_t m_nextId = 1;
  int32_t m_hotId = 0;
  std::vector<std::unique_ptr<Collection>> m_collections;
  std::unique_ptr<Collection> m_allCollections;
  std::unique_ptr<Collection> m_addPlaceholder;
};

}  // namespace tavoro
