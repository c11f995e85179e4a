// A collection's items in order of addition.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Item.h"

namespace tavoro {

class Collection;

class ItemList {
 public:
  explicit ItemList(Collection* collection) : m_collection(collection) {}
  ItemList(const ItemList&) = delete;
  ItemList& operator=(const ItemList&) = delete;

  Collection* collection() const { return m_collection; }

  // A new item whose first photo is a copy of the file at path, named after
  // the file and dated now. Its id is the first from nextId whose folder does
  // not exist yet. Null when the photo cannot be added; the item id is used
  // up either way. Null too when no id is left.
  Item* addFromPhotoFile(std::wstring_view path, const LocalClock& clock = LocalClock::system());
  // Whether addFromPhotoFile can still take an id (ids end at 2147483646).
  bool hasIdLeft() const;
  // For the reader: id above 0, else null. dateAdded is left for the caller.
  Item* add(std::wstring name, int32_t id);
  // Takes the item out, deletes its files and the object. False when the
  // item is null or not in this list. report (when given) collects the
  // folders that could not be deleted.
  bool remove(Item* item, RemovalReport* report = nullptr);
  // Takes the item out without touching its files or destroying it (deleting
  // that can be undone); its place goes to position. Null when it is not
  // in this list.
  std::unique_ptr<Item> take(Item* item, size_t* position = nullptr);
  // Puts an item taken from this list back at position; false (and the item
  // destroyed) when it belongs to another list.
  bool insert(std::unique_ptr<Item> item, size_t position);
  // Deletes every item, with its files when deleteFiles is set. remove and
  // clear take the items out of the wardrobe's combinations too; take does
  // not (its caller keeps the places for putting it back).
  void clear(bool deleteFiles);

  size_t count() const { return m_items.size(); }
  Item* at(size_t index) const { return m_items.at(index).get(); }
  const std::vector<std::unique_ptr<Item>>& items() const { return m_items; }
  int32_t nextId() const { return m_nextId; }
  void setNextId(int32_t id) { m_nextId = id; }

 private:
  Collection* m_collection;
  int32_t m_nextId = 1;
  std::vector<std::unique_ptr<Item>> m_items;
};

}  // namespace tavoro
