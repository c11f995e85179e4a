// One tag of a collection (an attribute such as a colour or a size). Search
// compares tags by their key: the name without white space, lowered.
#pragma once

#include <cstdint>
#include <string>

namespace tavoro {

class TagList;

class Tag {
 public:
  Tag(TagList* owner, int32_t id, std::wstring name);
  Tag(const Tag&) = delete;
  Tag& operator=(const Tag&) = delete;

  TagList* owner() const { return m_owner; }
  int32_t id() const { return m_id; }
  const std::wstring& name() const { return m_name; }
  void setName(std::wstring name);
  const std::wstring& key() const { return m_key; }
  const std::wstring& displayName(bool asKey) const { return asKey ? m_key : m_name; }

  // The key of any name: every white-space character dropped, the rest lowered.
  static std::wstring keyOf(std::wstring_view name);

 private:
  TagList* m_owner;
  int32_t m_id;
  std::wstring m_name;
  std::wstring m_key;  // kept with the name: search asks for it per item
};

}  // namespace tavoro
