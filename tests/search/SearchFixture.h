// A small wardrobe for search tests, built in memory (no files): collections
// in a fixed order, each with its tags and items and their tag values.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "search/SearchEngine.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::test {

struct ItemData {
  std::wstring name;
  std::vector<std::pair<int32_t, std::wstring>> records;  // tag id, value
};

// Adds a collection whose tags take ids 1001, 1002, ... in the given order.
inline Collection* addCollection(Wardrobe& wardrobe, std::wstring name, const std::vector<std::wstring>& tags,
                                 const std::vector<ItemData>& items) {
  Collection* collection = wardrobe.collections().add(std::move(name));
  for (const std::wstring& tag : tags) collection->tags().add(tag);
  int32_t id = 1;
  for (const ItemData& data : items) {
    Item* item = collection->items().add(data.name, id++);
    for (const auto& [tagId, value] : data.records) item->records().set(tagId, value);
  }
  return collection;
}

// "<collection>/<item>" for each result, in result order.
inline std::vector<std::wstring> resultNames(const SearchEngine& engine) {
  std::vector<std::wstring> names;
  for (const SearchResult& result : engine.results())
    names.push_back(result.item->owner()->collection()->name() + L"/" + result.item->name());
  return names;
}

}  // namespace tavoro::test
