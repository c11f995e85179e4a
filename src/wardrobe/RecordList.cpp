#include "RecordList.h"

#include "Collection.h"
#include "Item.h"
#include "ItemList.h"
#include "TagList.h"

namespace tavoro {

bool Record::isStorable() const {
  if (!m_owner || m_tagId == -1 || m_value.empty()) return false;
  const Item* item = m_owner->item();
  const ItemList* list = item ? item->owner() : nullptr;
  const Collection* collection = list ? list->collection() : nullptr;
  return collection && collection->tags().contains(m_tagId);
}

size_t RecordList::position(int32_t tagId) const {
  if (m_indexByTag) {
    const auto at = m_indexByTag->find(tagId);
    return at == m_indexByTag->end() ? m_records.size() : at->second;
  }
  for (size_t i = 0; i < m_records.size(); ++i)
    if (m_records[i].tagId() == tagId) return i;
  return m_records.size();
}

void RecordList::set(int32_t tagId, std::wstring value) {
  if (const size_t at = position(tagId); at < m_records.size()) {
    m_records[at].setValue(std::move(value));
    return;
  }
  m_records.emplace_back(this, tagId, std::move(value));
  if (m_indexByTag) {
    m_indexByTag->emplace(tagId, m_records.size() - 1);
  } else if (m_records.size() >= kIndexedFrom) {
    m_indexByTag = std::make_unique<std::unordered_map<int32_t, size_t>>();
    for (size_t i = 0; i < m_records.size(); ++i) m_indexByTag->emplace(m_records[i].tagId(), i);
  }
}

std::wstring RecordList::get(int32_t tagId) const {
  const Record* record = find(tagId);
  return record ? record->value() : std::wstring();
}

const Record* RecordList::find(int32_t tagId) const {
  const size_t at = position(tagId);
  return at < m_records.size() ? &m_records[at] : nullptr;
}

}  // namespace tavoro
