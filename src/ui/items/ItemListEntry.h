// One entry of the item list: an item of the shown collection whose main
// photo file exists, with the number that keys its list thumbnail and the
// facts of its photo file once a column has asked for them.
// User-interface thread only (the counter itself is thread-safe).
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "ui/items/PhotoFileFacts.h"

namespace tavoro {
class Item;
}

namespace tavoro::ui {

struct ItemListEntry {
  int32_t number = 0;      // from nextEntryNumber(): unique for the life of the process
  Item* item = nullptr;    // owned by the collection
  std::wstring photoPath;  // the item's main photo when the entry was made
  // Read from the file the first time a details column or a sort needs it.
  mutable std::optional<PhotoFileFacts> facts;
  // photoPath as Qt text, made the first time it is asked for: a large
  // collection is shown without converting every path.
  mutable QString photoPathTextMade;

  const PhotoFileFacts& fileFacts() const;
  const QString& photoPathText() const;
};

// The next entry number: 1, 2, ... for every entry the program makes, so that
// no two entries ever share a thumbnail.
int32_t nextEntryNumber();

}  // namespace tavoro::ui
