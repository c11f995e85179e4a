#include "SearchIndex.h"

#include <algorithm>
#include <thread>

#include "wardrobe/Collection.h"

namespace tavoro {

void SearchIndex::prepare(const std::vector<const Collection*>& collections, unsigned threads,
                          const std::atomic<bool>* cancelled) {
  std::vector<const Collection*> missing;
  size_t items = 0;
  for (const Collection* collection : collections) {
    const auto found = m_texts.find(collection);
    // A collection too large for packed texts keeps none (null) until forgotten.
    if (found != m_texts.end() && (!found->second || found->second->rowCount() == collection->items().count()))
      continue;
    missing.push_back(collection);
    items += collection->items().count();
  }
  if (missing.empty()) return;
  // Below this many items one thread is quicker than starting another.
  constexpr size_t kItemsPerThread = 8192;
  threads = static_cast<unsigned>(std::min<size_t>(std::max(1u, threads), std::max<size_t>(1, items / kItemsPerThread)));
  std::vector<std::unique_ptr<CollectionTexts>> made(missing.size());
  std::vector<char> tried(missing.size(), 0);
  // Collections are taken one at a time from a shared counter: their sizes differ.
  std::atomic<size_t> next{0};
  const auto work = [&] {
    for (size_t i = next++; i < missing.size(); i = next++) {
      if (cancelled && cancelled->load(std::memory_order_relaxed)) return;
      made[i] = CollectionTexts::make(*missing[i]);
      tried[i] = 1;
    }
  };
  {
    std::vector<std::jthread> helpers;
    for (unsigned k = 1; k < threads; ++k) helpers.emplace_back(work);
    work();
  }
  for (size_t i = 0; i < missing.size(); ++i)
    if (tried[i]) m_texts[missing[i]] = std::move(made[i]);
}

const CollectionTexts* SearchIndex::find(const Collection* collection) const {
  const auto found = m_texts.find(collection);
  return found == m_texts.end() ? nullptr : found->second.get();
}

}  // namespace tavoro
