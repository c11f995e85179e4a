// A named group of items with its own tags. Real collections have ids of 1 and
// up; id 0 is "All Collections" and id -1 the "add a collection" row.
#pragma once

#include <cstdint>
#include <string>

#include "ItemList.h"
#include "TagList.h"

namespace tavoro {

class CollectionList;

class Collection {
 public:
  Collection(CollectionList* owner, int32_t id, std::wstring name)
      : m_owner(owner), m_id(id), m_name(std::move(name)), m_tags(this), m_items(this) {}
  Collection(const Collection&) = delete;
  Collection& operator=(const Collection&) = delete;

  CollectionList* owner() const { return m_owner; }
  int32_t id() const { return m_id; }
  const std::wstring& name() const { return m_name; }
  void setName(std::wstring name) { m_name = std::move(name); }
  TagList& tags() { return m_tags; }
  const TagList& tags() const { return m_tags; }
  ItemList& items() { return m_items; }
  const ItemList& items() const { return m_items; }

  // <wardrobe photo folder>/C_<id, six digits>, normalised; empty text when
  // the id is not above 0 or the wardrobe has no folder.
  std::wstring photoFolder() const;
  // The same without looking at the disk (see Wardrobe::namedPhotoFolder).
  std::wstring namedPhotoFolder() const;
  void clearAllRecords();

 private:
  CollectionList* m_owner;
  int32_t m_id;
  std::wstring m_name;
  TagList m_tags;
  ItemList m_items;
};

}  // namespace tavoro
