// One entry of the item list: an item of the shown collection whose main
// photo file exists (or, in a large collection, is not yet known to be
// missing), with the number that keys its list thumbnail and the
// facts of its photo file once a column has asked for them.
// User-interface thread only (the counter itself is thread-safe).
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "ui/items/PhotoFileFacts.h"

namespace tavoro {
class Item;
}

namespace tavoro::ui {

struct ItemListEntry {
  int32_t number = 0;    // from nextEntryNumber(): unique for the life of the process
  Item* item = nullptr;  // owned by the collection
  // The folder of the item's collection (as its namedPhotoFolder() says)
  // for an entry made without its photo path: the path is made from it the
  // first time it is asked for (a large collection is shown at once).
  std::shared_ptr<const std::wstring> collectionFolder;
  // The item's main photo when the entry was made, or first asked for.
  mutable std::wstring photoPathMade;
  mutable bool photoPathKnown = false;
  // Read from the file the first time a details column or a sort needs it.
  mutable std::optional<PhotoFileFacts> facts;
  // photoPath as Qt text, made the first time it is asked for: a large
  // collection is shown without converting every path.
  mutable QString photoPathTextMade;

  const PhotoFileFacts& fileFacts() const;
  const std::wstring& photoPath() const;
  void setPhotoPath(std::wstring path) {
    photoPathMade = std::move(path);
    photoPathKnown = true;
  }
  const QString& photoPathText() const;
};

// The next entry number: 1, 2, ... for every entry the program makes, so that
// no two entries ever share a thumbnail.
int32_t nextEntryNumber();

}  // namespace tavoro::ui
