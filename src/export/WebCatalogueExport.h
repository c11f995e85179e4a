// The web catalogue: a folder with index.html, one page per collection, a
// thumbnail and a larger picture of every photo (made by the program, never
// the photos themselves unless asked), a style sheet and a filter script.
// It opens from disk in any browser. Runs on any thread: it reads only the
// snapshot and the photo files.
#pragma once

#include <string_view>

#include "CataloguePictures.h"
#include "ExportProgress.h"
#include "WardrobeSnapshot.h"

namespace tavoro {

struct WebCatalogueOptions {
  CatalogueBoxes boxes;
  bool includeOriginals = false;  // copy each photo itself into originals/ and link to it
  unsigned threads = 0;           // photo threads; 0: photoJobThreads()
};

// Writes the catalogue as the new folder at folder (which must not exist;
// its parent must). Progress counts photos, then pages. A cancelled or failed
// export leaves nothing at folder.
ExportResult exportWebCatalogue(const WardrobeSnapshot& snapshot, std::wstring_view folder,
                                const WebCatalogueOptions& options, const ProgressCallback& progress);

}  // namespace tavoro
