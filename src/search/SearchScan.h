// The items of a scope that match every term of a query, found by a scan
// that can be split across threads, cancelled, and narrowed to the results
// of a query that the new one extends.
// Thread-safe: any number of scans may run at once, on any thread, as long
// as nothing changes the wardrobe they read until they have returned (the
// owner of the wardrobe waits for them, or cancels them and then waits).
#pragma once

#include <atomic>
#include <vector>

#include "SearchTerm.h"
#include "wardrobe/DateTime.h"

namespace tavoro {

class Collection;
class Item;
class SearchIndex;

struct ScanOptions {
  // Threads that share the scan, the calling one included; 0 for as many as
  // the machine has cores. A small scan runs on the calling thread alone.
  unsigned threads = 1;
  // Checked as the scan goes; once set, the scan returns what it has.
  const std::atomic<bool>* cancelled = nullptr;
  // When given, only these items are tested (in their order), instead of
  // every item of the scope: the results of a scan of the same scope, the
  // wardrobe unchanged since, for terms that these narrow (see narrows), or
  // a stretch of the scope's items (a scan handed over in pieces).
  const std::vector<Item*>* within = nullptr;
  // The day that terms of wear count back from; the null date for today by
  // the system's clock.
  Date today;
  // When given, the scan reads the packed texts of the collections it
  // searches from here (making those not made yet) instead of the model's
  // own texts; they must be those of the wardrobe as it is now. The scan
  // then is the only user of the index until it returns.
  SearchIndex* index = nullptr;
};

struct ScanResult {
  std::vector<Item*> items;  // in scan order: collection by collection, items in stored order
  bool complete = false;     // false when cancelled (items then holds a part)
};

// Every item of scope ("All Collections", id 0, for every collection of its
// wardrobe) that matches all terms, as SearchEngine::run finds them.
ScanResult scanItems(const Collection& scope, const std::vector<SearchTerm>& terms, const ScanOptions& options = {});

// Items [begin, end) of a collection, in stored order.
struct ScanStretch {
  const Collection* collection = nullptr;
  size_t begin = 0;
  size_t end = 0;
};

// The same over the items of stretches, in their order (options.within is
// not used): a scan handed over in pieces names its pieces so, without
// looking up each item's collection.
ScanResult scanStretches(const std::vector<ScanStretch>& stretches, const std::vector<SearchTerm>& terms,
                         const ScanOptions& options = {});

// Whether every item that matches terms also matches previous: each term of
// previous is implied by a term of terms (the same term, or one of the same
// kind and tag, not exact, whose value begins with the previous value).
// Typing on at the end of a query narrows it; deleting does not, and nothing
// narrows a query without terms.
bool narrows(const std::vector<SearchTerm>& terms, const std::vector<SearchTerm>& previous);

}  // namespace tavoro
