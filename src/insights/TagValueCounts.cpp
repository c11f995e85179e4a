#include "TagValueCounts.h"

#include <algorithm>
#include <unordered_map>

#include "platform/CharClass.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro {

namespace {

struct ValueGroup {
  size_t items = 0;
  // Each spelling met, in the order met, with how many items use it: a
  // handful at most, so a list beats a map.
  std::vector<std::pair<std::wstring, size_t>> spellings;

  void add(std::wstring spelling) {
    ++items;
    for (auto& [text, count] : spellings) {
      if (text == spelling) {
        ++count;
        return;
      }
    }
    spellings.emplace_back(std::move(spelling), 1);
  }
  const std::wstring& mostFrequent() const {
    const auto* best = &spellings.front();
    for (const auto& spelling : spellings)
      if (spelling.second > best->second) best = &spelling;
    return best->first;
  }
};

}  // namespace

TagValueCounts countTagValues(const Wardrobe& wardrobe, std::wstring_view tagName) {
  TagValueCounts counts;
  counts.name = std::wstring(tagName);
  const std::wstring key = Tag::keyOf(tagName);
  if (key.empty()) return counts;

  std::unordered_map<std::wstring, ValueGroup> groups;
  bool named = false;
  for (const auto& collection : wardrobe.collections().collections()) {
    const Tag* tag = collection->tags().findByName(key, true);
    if (!tag) continue;
    if (!named) counts.name = tag->name();
    named = true;
    for (const auto& item : collection->items().items()) {
      const Record* record = item->records().find(tag->id());
      if (!record) continue;
      std::wstring spelling = trimSpace(record->value());
      if (spelling.empty()) continue;
      groups[toLower(spelling)].add(std::move(spelling));
    }
  }

  counts.values.reserve(groups.size());
  for (const auto& entry : groups) counts.values.push_back({entry.second.mostFrequent(), entry.second.items});
  std::sort(counts.values.begin(), counts.values.end(), [](const ValueCount& a, const ValueCount& b) {
    if (a.items != b.items) return a.items > b.items;
    return a.value < b.value;
  });
  return counts;
}

}  // namespace tavoro
