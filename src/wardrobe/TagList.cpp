#include "TagList.h"

#include <algorithm>

#include "ListRules.h"
#include "platform/CharClass.h"

namespace tavoro {

Tag::Tag(TagList* owner, int32_t id, std::wstring name) : m_owner(owner), m_id(id) { setName(std::move(name)); }

void Tag::setName(std::wstring name) {
  m_name = std::move(name);
  m_key = keyOf(m_name);
}

std::wstring Tag::keyOf(std::wstring_view name) {
  std::wstring key;
  key.reserve(name.size());
  for (wchar_t c : name)
    if (!isSpace(c)) key.push_back(toLower(c));
  return key;
}

TagList::TagList(Collection* collection)
    : m_collection(collection), m_addPlaceholder(std::make_unique<Tag>(this, 0, L"Double-click to add a tag")) {}

Tag* TagList::add(std::wstring name, int32_t id) {
  if (id < 0 && !takeNextId(m_nextId, id)) return nullptr;
  m_tags.push_back(std::make_unique<Tag>(this, id, std::move(name)));
  m_byId.try_emplace(id, m_tags.back().get());
  return m_tags.back().get();
}

Tag* TagList::findByName(std::wstring_view text, bool byKey, const Tag* except) const {
  for (const auto& tag : m_tags) {
    if (tag.get() == except) continue;
    if ((byKey ? tag->key() : tag->name()) == text) return tag.get();
  }
  return nullptr;
}

Tag* TagList::findById(int32_t id) const {
  const auto at = m_byId.find(id);
  return at == m_byId.end() ? nullptr : at->second;
}

bool TagList::remove(Tag* tag) {
  // Membership first: a pointer that is not ours is never dereferenced.
  const auto it = std::find_if(m_tags.begin(), m_tags.end(), [tag](const auto& p) { return p.get() == tag; });
  if (!tag || it == m_tags.end() || tag->id() <= 0) return false;
  const std::unique_ptr<Tag> removed = std::move(*it);
  m_tags.erase(it);
  // A file may hold a second tag with the same id, which then takes over.
  if (findById(removed->id()) == removed.get()) reindex();
  return true;
}

std::unique_ptr<Tag> TagList::take(Tag* tag, size_t* position) {
  if (!tag || tag->id() <= 0) return nullptr;
  std::unique_ptr<Tag> taken = takeOwned(m_tags, tag, position);
  if (taken) reindex();
  return taken;
}

bool TagList::insert(std::unique_ptr<Tag> tag, size_t position) {
  if (!tag || tag->owner() != this || tag->id() <= 0) return false;
  insertOwned(m_tags, std::move(tag), position);
  reindex();
  return true;
}

void TagList::reindex() {
  m_byId.clear();
  for (const auto& tag : m_tags) m_byId.try_emplace(tag->id(), tag.get());
}

bool TagList::hasIdLeft() const { return tavoro::hasIdLeft(m_nextId); }

std::wstring TagList::suggestNewName() const { return suggestDefaultName(L"New Tag", m_tags); }

bool TagList::reorder(const std::vector<Tag*>& sequence) {
  if (!reorderOwned(m_tags, sequence)) return false;
  reindex();  // the first of a repeated id may have changed
  return true;
}

}  // namespace tavoro
