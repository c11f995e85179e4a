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

void RecordList::set(int32_t tagId, std::wstring value) {
  if (const auto at = m_indexByTag.find(tagId); at != m_indexByTag.end()) {
    m_records[at->second].setValue(std::move(value));
    return;
  }
  m_records.emplace_back(this, tagId, std::move(value));
  m_indexByTag.emplace(tagId, m_records.size() - 1);
}

std::wstring RecordList::get(int32_t tagId) const {
  const Record* record = find(tagId);
  return record ? record->value() : std::wstring();
}

const Record* RecordList::find(int32_t tagId) const {
  const auto at = m_indexByTag.find(tagId);
  return at == m_indexByTag.end() ? nullptr : &m_records[at->second];
}

}  // namespace tavoro
