#include "SearchWardrobes.h"

#include <random>

#include "wardrobe/Wardrobe.h"

namespace tavoro::test {

void addSearchCollections(Wardrobe& wardrobe, int collections, int itemsPerCollection, unsigned seed) {
  std::mt19937 random(seed);
  const std::vector<std::wstring> words = {L"red",  L"Red",    L"redwood", L"navy",   L"blue", L"12",   L"112",
                                           L"XL",   L"shirt",  L"T-shirt", L"\u6D77", L"caf\u00E9", L"size 4",
                                           L"dark", L"wool", L"a", L"-", L"linen"};
  const auto phrase = [&] {
    std::wstring out;
    for (int n = static_cast<int>(random() % 3) + 1; n > 0; --n) out += words[random() % words.size()] + L" ";
    return out;
  };
  for (int c = 0; c < collections; ++c) {
    Collection* collection = wardrobe.collections().add(L"C" + std::to_wstring(c));
    const int32_t colour = collection->tags().add(c == 3 ? L"Shade" : L"Colour")->id();
    const int32_t size = collection->tags().add(L"Size")->id();
    for (int32_t i = 1; i <= itemsPerCollection; ++i) {
      Item* item = collection->items().add(phrase(), i);
      if (random() % 4 != 0) item->records().set(colour, phrase());
      if (random() % 3 != 0) item->records().set(size, phrase());
    }
  }
}

const std::vector<std::wstring>& searchTestQueries() {
  static const std::vector<std::wstring> queries = {
      L"red",          L"red s",      L"red sh",      L"red shi",          L"colour:re",     L"colour:red",
      L"colour:redw",  L"size:1",     L"size:12",     L"itemname:na",      L"itemname:navy", L"\"dark red\"",
      L"\u6D77",       L"caf",        L"caf\u00E9",   L"12",               L"112",           L"colour:=red",
      L"shade:blue",   L"-",          L"t-",          L"t-shirt wool",     L"size:\"size 4\"", L"blue navy xl"};
  return queries;
}

}  // namespace tavoro::test
