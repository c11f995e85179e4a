// A collection's tags in the user's order. Tags made by the user have ids of
// 1001 and up; smaller ids occur only when a file holds them. Found by id in
// constant time: saving and search ask once per record.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Tag.h"

namespace tavoro {

class Collection;

class TagList {
 public:
  static constexpr int32_t kFirstUserId = 1001;

  explicit TagList(Collection* collection);
  TagList(const TagList&) = delete;
  TagList& operator=(const TagList&) = delete;

  Collection* collection() const { return m_collection; }

  // Appends a tag; a negative id takes nextId. Null when an id is to be
  // taken and none is left.
  Tag* add(std::wstring name, int32_t id = -1);
  // Whether add can still take an id (ids end at 2147483646).
  bool hasIdLeft() const;
  // The first tag other than except whose name (or, with byKey, key) equals
  // text exactly. With byKey, text must be a key already.
  Tag* findByName(std::wstring_view text, bool byKey = false, const Tag* except = nullptr) const;
  Tag* findById(int32_t id) const;
  bool contains(int32_t id) const { return findById(id) != nullptr; }
  // Refuses a tag whose id is not above 0 or that is not in the list. Records
  // naming the tag stay (they are no longer storable).
  bool remove(Tag* tag);
  // Takes the tag out without destroying it (deleting that can be undone);
  // its place goes to position. Null when it is not one of the list's tags.
  std::unique_ptr<Tag> take(Tag* tag, size_t* position = nullptr);
  // Puts a tag taken from this list back at position; false (and the tag
  // destroyed) when it belongs to another list.
  bool insert(std::unique_ptr<Tag> tag, size_t position);
  // "New Tag", or "New Tag <n>" with the first free n from count + 1.
  std::wstring suggestNewName() const;
  // Replaces the order when sequence holds every tag of the list exactly once.
  bool reorder(const std::vector<Tag*>& sequence);
  void clear() {
    m_tags.clear();
    m_byId.clear();
  }

  size_t count() const { return m_tags.size(); }
  Tag* at(size_t index) const { return m_tags.at(index).get(); }
  const std::vector<std::unique_ptr<Tag>>& tags() const { return m_tags; }
  Tag* addPlaceholder() const { return m_addPlaceholder.get(); }
  int32_t nextId() const { return m_nextId; }
  // Never below 1001.
  void setNextId(int32_t id) { m_nextId = id < kFirstUserId ? kFirstUserId : id; }

 private:
  void reindex();

  Collection* m_collection;
  int32_t m_nextId = kFirstUserId;
  std::vector<std::unique_ptr<Tag>> m_tags;
  std::unordered_map<int32_t, Tag*> m_byId;  // the first tag of each id
  std::unique_ptr<Tag> m_addPlaceholder;
};

}  // namespace tavoro
