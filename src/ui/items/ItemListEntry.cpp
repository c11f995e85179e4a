#include "ui/items/ItemListEntry.h"

#include <atomic>

#include "ui/common/QtText.h"

namespace tavoro::ui {

const PhotoFileFacts& ItemListEntry::fileFacts() const {
  if (!facts) facts = readPhotoFileFacts(photoPathText());
  return *facts;
}

const QString& ItemListEntry::photoPathText() const {
  if (photoPathTextMade.isNull() && !photoPath.empty()) photoPathTextMade = toQString(photoPath);
  return photoPathTextMade;
}

int32_t nextEntryNumber() {
  static std::atomic<int32_t> counter{0};
  return ++counter;
}

}  // namespace tavoro::ui
