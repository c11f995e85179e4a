// One item's value for one tag of its collection. Used on the user-interface
// thread only, like the whole model.
#pragma once

#include <cstdint>
#include <string>

namespace tavoro {

class RecordList;

class Record {
 public:
  Record(RecordList* owner, int32_t tagId, std::wstring value)
      : m_owner(owner), m_tagId(tagId), m_value(std::move(value)) {}

  RecordList* owner() const { return m_owner; }
  int32_t tagId() const { return m_tagId; }  // -1: none
  const std::wstring& value() const { return m_value; }
  void setValue(std::wstring value) { m_value = std::move(value); }

  // Only storable records are saved: an owner, a tag id other than -1, a
  // value, and a tag with that id in the item's collection. A record of a
  // deleted tag therefore stays in memory but is never saved again.
  bool isStorable() const;

 private:
  RecordList* m_owner;
  int32_t m_tagId;
  std::wstring m_value;
};

}  // namespace tavoro
