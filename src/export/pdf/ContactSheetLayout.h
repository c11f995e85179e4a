// How the contact sheet's items fall onto pages: each collection starts on a
// new page and fills rows x columns cells a page; an empty collection still
// gets its page. Thread-safe (pure functions).
#pragma once

#include <cstddef>
#include <vector>

#include "export/WardrobeSnapshot.h"

namespace tavoro {

struct SheetPage {
  size_t collection = 0;  // index into the snapshot's collections
  size_t firstItem = 0;
  size_t itemCount = 0;
  size_t pageOfCollection = 0;  // 0 for the collection's first page
};

// The pages in order; one page naming no collection (collection equal to
// the number of collections) when the wardrobe has none.
std::vector<SheetPage> layOutSheet(const WardrobeSnapshot& snapshot, size_t cellsPerPage);

}  // namespace tavoro
