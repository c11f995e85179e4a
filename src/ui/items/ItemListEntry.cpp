#include "ui/items/ItemListEntry.h"

#include <atomic>

#include "ui/common/QtText.h"
#include "wardrobe/Item.h"

namespace tavoro::ui {

const PhotoFileFacts& ItemListEntry::fileFacts() const {
  if (!facts) facts = readPhotoFileFacts(photoPathText());
  return *facts;
}

const std::wstring& ItemListEntry::photoPath() const {
  if (!photoPathKnown) {
    photoPathMade = item && collectionFolder ? item->mainPhotoPathIn(*collectionFolder) : std::wstring();
    photoPathKnown = true;
  }
  return photoPathMade;
}

const QString& ItemListEntry::photoPathText() const {
  if (photoPathTextMade.isNull() && !photoPath().empty()) photoPathTextMade = toQString(photoPath());
  return photoPathTextMade;
}

int32_t nextEntryNumber() {
  static std::atomic<int32_t> counter{0};
  return ++counter;
}

}  // namespace tavoro::ui
