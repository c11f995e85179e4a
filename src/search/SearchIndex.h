// The packed search texts (CollectionTexts) of the collections a scan has
// searched, kept for the scans after it, which then read no text of the
// model itself. The owner forgets them whenever the wardrobe changes.
// Not thread-safe: one thread at a time calls prepare and forget; any
// number may call find (and read what it gives) between those calls.
#pragma once

#include <atomic>
#include <memory>
#include <unordered_map>
#include <vector>

#include "CollectionTexts.h"

namespace tavoro {

class Collection;

class SearchIndex {
 public:
  // Makes the texts of those collections that have none yet (or whose item
  // count differs from when they were made), the threads sharing the work;
  // stops early when cancelled is set.
  void prepare(const std::vector<const Collection*>& collections, unsigned threads,
               const std::atomic<bool>* cancelled = nullptr);
  // The texts of collection; null when not made (or when they cannot be).
  const CollectionTexts* find(const Collection* collection) const;
  void forget() { m_texts.clear(); }

 private:
  std::unordered_map<const Collection*, std::unique_ptr<CollectionTexts>> m_texts;
};

}  // namespace tavoro
