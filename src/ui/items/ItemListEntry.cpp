#include "ui/items/ItemListEntry.h"

#include <atomic>

namespace tavoro::ui {

const PhotoFileFacts& ItemListEntry::fileFacts() const {
  if (!facts) facts = readPhotoFileFacts(photoPathText);
  return *facts;
}

int32_t nextEntryNumber() {
  static std::atomic<int32_t> counter{0};
  return ++counter;
}

}  // namespace tavoro::ui
