#include "ui/items/ItemListOrder.h"

#include "platform/Utf16.h"
#include "wardrobe/Item.h"

namespace tavoro::ui {

namespace {

template <typename T>
int threeWay(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

int compareFacts(const ItemListEntry& a, const ItemListEntry& b, int column) {
  const PhotoFileFacts& left = a.fileFacts();
  const PhotoFileFacts& right = b.fileFacts();
  if (column == kLocationColumn) return QString::localeAwareCompare(left.location, right.location);
  // Files that cannot be examined go first, all alike: counting them as
  // equal to every file would leave the order undefined for the sort.
  if (!left.readable || !right.readable) return threeWay(left.readable, right.readable);
  switch (column) {
    case kSizeColumn:
      return threeWay(left.size, right.size);
    case kTypeColumn:
      return left.type.compare(right.type, Qt::CaseInsensitive);
    case kModifiedColumn:
      return threeWay(left.modified, right.modified);
    default:
      return 0;
  }
}

}  // namespace

int compareByName(const ItemListEntry& a, const ItemListEntry& b) {
  return compareUtf16(a.item->name(), b.item->name());
}

int compareByDateAdded(const ItemListEntry& a, const ItemListEntry& b) {
  return threeWay(a.item->dateAdded(), b.item->dateAdded());
}

EntryComparison columnComparison(int column) {
  if (column == kNameColumn) {
    // The files by their paths, as the desktop orders files by name.
    return [](const ItemListEntry& a, const ItemListEntry& b) {
      const int order = a.photoPathText().compare(b.photoPathText(), Qt::CaseInsensitive);
      return order != 0 ? order : a.photoPathText().compare(b.photoPathText(), Qt::CaseSensitive);
    };
  }
  return [column](const ItemListEntry& a, const ItemListEntry& b) { return compareFacts(a, b, column); };
}

}  // namespace tavoro::ui
