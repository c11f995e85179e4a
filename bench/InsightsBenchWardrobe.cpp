#include "InsightsBenchWardrobe.h"

#include <string>
#include <vector>

#include "SearchBenchWardrobe.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::bench {

Date insightsBenchToday() {
  return Date::fromParts(2026, 12, 7);
}

uint32_t nextBenchNumber(uint32_t& seed) {
  seed = seed * 1664525u + 1013904223u;
  return seed >> 8;
}

void addBenchWear(Wardrobe& wardrobe, long dates, Date today, uint32_t& seed) {
  std::vector<Item*> items;
  for (const auto& collection : wardrobe.collections().collections())
    for (const auto& item : collection->items().items()) items.push_back(item.get());
  if (items.empty()) return;
  // Most wear goes to a few items: a skewed pick.
  long added = 0;
  while (added < dates) {
    const uint32_t r = nextBenchNumber(seed);
    const size_t index =
        static_cast<size_t>((static_cast<uint64_t>(r % items.size()) * (r % items.size())) / items.size());
    if (items[index]->worn().add(Date(today.dayNumber() - static_cast<int32_t>(nextBenchNumber(seed) % 730)))) ++added;
  }
}

std::unique_ptr<Wardrobe> makeInsightsBenchWardrobe() {
  std::unique_ptr<Wardrobe> wardrobe = makeSearchBenchWardrobe();
  uint32_t seed = 12345;
  const auto next = [&seed] { return nextBenchNumber(seed); };
  for (const auto& collection : wardrobe->collections().collections()) {
    const int32_t price = collection->tags().add(L"Price")->id();
    for (const auto& item : collection->items().items()) {
      const uint32_t cents = 500 + next() % 20000;
      // One value in fifty is not a price, as people write them.
      item->records().set(price, next() % 50 == 0 ? std::wstring(L"about forty")
                                                  : L"\u20AC " + std::to_wstring(cents / 100) + L"," +
                                                        std::to_wstring(10 + cents % 90));
    }
  }
  addBenchWear(*wardrobe, kInsightsWearDates, insightsBenchToday(), seed);
  return wardrobe;
}

}  // namespace tavoro::bench
