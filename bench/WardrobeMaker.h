// Large wardrobes for benchmarks: collections of a given size, each item with
// one photo entry and three tag values. The photo files are made only when a
// photo is given.
#pragma once

#include <string>

namespace tavoro::bench {

// Writes the wardrobe NAME in FOLDER/NAME with items items, itemsPerCollection
// to a collection; returns its file's path, or empty text when it cannot be
// written. With photo (a photo file) given, every item's photo file is a hard
// link to it (a copy where no link can be made), and the first collection is
// the one shown when the wardrobe is opened.
std::wstring makeWardrobe(const std::wstring& folder, const std::wstring& name, long items,
                          long itemsPerCollection = 250, const std::wstring& photo = {});

}  // namespace tavoro::bench
