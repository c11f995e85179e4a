#include "Combination.h"

#include <algorithm>

namespace tavoro {

bool Combination::contains(const Item* item) const {
  return item && std::find(m_items.begin(), m_items.end(), item) != m_items.end();
}

bool Combination::insertItem(Item* item, size_t position) {
  if (!item || contains(item)) return false;
  m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(std::min(position, m_items.size())), item);
  return true;
}

bool Combination::removeItem(const Item* item, size_t* position) {
  const auto it = std::find(m_items.begin(), m_items.end(), item);
  if (!item || it == m_items.end()) return false;
  if (position) *position = static_cast<size_t>(it - m_items.begin());
  m_items.erase(it);
  return true;
}

bool Combination::reorder(const std::vector<Item*>& sequence) {
  if (sequence.size() != m_items.size()) return false;
  std::vector<Item*> sorted = sequence;
  std::vector<Item*> current = m_items;
  std::sort(sorted.begin(), sorted.end());
  std::sort(current.begin(), current.end());
  if (sorted != current) return false;  // the items are distinct: equal sorted means each once
  m_items = sequence;
  return true;
}

}  // namespace tavoro
