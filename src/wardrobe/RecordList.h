// An item's tag values, at most one per tag id, in the order they were set.
// A few are searched in turn; past kIndexedFrom a table finds them by tag id
// in constant time (a file may give one item any number of records). Items
// are many and their records few, so most items carry no table at all.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "Record.h"

namespace tavoro {

class Item;

class RecordList {
 public:
  explicit RecordList(Item* item) : m_item(item) {}
  RecordList(const RecordList&) = delete;
  RecordList& operator=(const RecordList&) = delete;

  Item* item() const { return m_item; }

  // Replaces the value of the record for tagId (also by empty text), or
  // appends a record (also with empty text).
  void set(int32_t tagId, std::wstring value);
  // The value for tagId, or empty text when there is no record for it.
  std::wstring get(int32_t tagId) const;
  const Record* find(int32_t tagId) const;

  void clear() {
    m_records.clear();
    m_indexByTag.reset();
  }
  size_t count() const { return m_records.size(); }
  const Record& at(size_t index) const { return m_records.at(index); }
  std::vector<Record>::const_iterator begin() const { return m_records.begin(); }
  std::vector<Record>::const_iterator end() const { return m_records.end(); }

 private:
  Item* m_item;
  static constexpr size_t kIndexedFrom = 16;

  size_t position(int32_t tagId) const;  // m_records.size() when there is none

  std::vector<Record> m_records;
  std::unique_ptr<std::unordered_map<int32_t, size_t>> m_indexByTag;  // position in m_records
};

}  // namespace tavoro
