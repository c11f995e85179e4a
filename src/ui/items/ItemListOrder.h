// The orders the item list can be put in: Arrange Items By (the items'
// names compared by UTF-16 code units, case-sensitive; the dates they were
// added) and a click on a details column (the photo files by the column's
// value; the name column compares the photo files' paths, not the names
// shown). Each comparison answers below 0, 0 or above 0.
// User-interface thread only (the columns read the files' facts).
#pragma once

#include <functional>

#include "ui/items/ItemListEntry.h"

namespace tavoro::ui {

using EntryComparison = std::function<int(const ItemListEntry& a, const ItemListEntry& b)>;

int compareByName(const ItemListEntry& a, const ItemListEntry& b);
int compareByDateAdded(const ItemListEntry& a, const ItemListEntry& b);
// The comparison of a details column; in the facts columns, files that
// cannot be examined come before the others.
EntryComparison columnComparison(int column);

}  // namespace tavoro::ui
