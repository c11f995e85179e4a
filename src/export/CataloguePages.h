// The HTML of the web catalogue's pages: the index of collections and one
// page per collection with every item, its tag values and its photos' facts.
// Every text from the wardrobe is escaped. Thread-safe (pure functions).
#pragma once

#include <string>

#include "CataloguePictures.h"
#include "WardrobeSnapshot.h"

namespace tavoro {

// facts[i] points at the facts of collection i's photos, in item and photo order.
std::wstring catalogueIndexPage(const WardrobeSnapshot& snapshot, const std::vector<const PictureFacts*>& facts);

// facts: the collection's photos, in item and photo order. With originals,
// each photo also links to its copy under originals/.
std::wstring cataloguePage(const WardrobeSnapshot& snapshot, const SnapshotCollection& collection,
                           const PictureFacts* facts, bool originals);

// The style sheet and the filter script every page loads.
extern const char* const kCatalogueStyleSheet;  // catalogue.css
extern const char* const kCatalogueScript;      // catalogue.js

// "1.5 MB", "340 KB", "12 bytes".
std::wstring fileSizeText(uint64_t bytes);

}  // namespace tavoro
