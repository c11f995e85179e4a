// Large wardrobes for benchmarks: collections of a given size, each item with
// one photo entry (the file itself is not made) and three tag values.
#pragma once

#include <string>

namespace tavoro::bench {

// Writes the wardrobe NAME in FOLDER/NAME with items items, itemsPerCollection
// to a collection; returns its file's path, or empty text when it cannot be
// written.
std::wstring makeWardrobe(const std::wstring& folder, const std::wstring& name, long items,
                          long itemsPerCollection = 250);

}  // namespace tavoro::bench
