#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "search/QueryParser.h"
#include "search/SearchScan.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro {
namespace {

// Two scans of one wardrobe at once, each shared among threads, while a
// third is cancelled from another thread: the model is only read.
TEST(ConcurrentSearchTest, ScansRunAtOnceAndStopWhenCancelled) {
  Wardrobe wardrobe;
  for (int c = 0; c < 3; ++c) {
    Collection* collection = wardrobe.collections().add(L"C" + std::to_wstring(c));
    const int32_t colour = collection->tags().add(L"Colour")->id();
    for (int32_t i = 1; i <= 12000; ++i) {
      Item* item = collection->items().add(L"Item " + std::to_wstring(i), i);
      item->records().set(colour, i % 3 == 0 ? L"navy blue" : L"red");
    }
  }
  Collection& all = *wardrobe.collections().allCollections();
  const std::vector<SearchTerm> terms = parseQuery(L"colour:navy item");
  const ScanResult expected = scanItems(all, terms);
  ASSERT_EQ(expected.items.size(), 12000u);

  ScanOptions shared;
  shared.threads = 2;
  ScanResult first, second;
  {
    std::jthread a([&] { first = scanItems(all, terms, shared); });
    std::jthread b([&] { second = scanItems(all, terms, shared); });
  }
  EXPECT_EQ(first.items, expected.items);
  EXPECT_EQ(second.items, expected.items);
  EXPECT_TRUE(first.complete && second.complete);

  std::atomic<bool> cancelled{true};
  shared.cancelled = &cancelled;
  const ScanResult stopped = scanItems(all, terms, shared);
  EXPECT_FALSE(stopped.complete);
  EXPECT_TRUE(stopped.items.empty());

  // Cancelled while it runs: it returns, complete or not, with results in order.
  cancelled = false;
  ScanResult racing;
  {
    std::jthread scanning([&] { racing = scanItems(all, terms, shared); });
    cancelled = true;
  }
  if (racing.complete) {
    EXPECT_EQ(racing.items, expected.items);
  }
  EXPECT_LE(racing.items.size(), expected.items.size());
}

}  // namespace
}  // namespace tavoro
