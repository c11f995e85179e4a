#include "WardrobeSnapshot.h"

#include "ItemWearSource.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro {

size_t WardrobeSnapshot::itemCount() const {
  size_t count = 0;
  for (const SnapshotCollection& collection : collections) count += collection.items.size();
  return count;
}

size_t WardrobeSnapshot::photoCount() const {
  size_t count = 0;
  for (const SnapshotCollection& collection : collections)
    for (const SnapshotItem& item : collection.items) count += item.photos.size();
  return count;
}

WardrobeSnapshot takeSnapshot(const Wardrobe& wardrobe) {
  WardrobeSnapshot snapshot;
  snapshot.name = wardrobe.name();
  snapshot.folder = wardrobe.folder();
  const CollectionList& collections = wardrobe.collections();
  snapshot.collections.reserve(collections.count());
  for (const auto& collection : collections.collections()) {
    SnapshotCollection& copy = snapshot.collections.emplace_back();
    copy.id = collection->id();
    copy.name = collection->name();
    std::vector<int32_t> tagIds;
    for (const auto& tag : collection->tags().tags()) {
      copy.tagNames.push_back(tag->name());
      tagIds.push_back(tag->id());
    }
    copy.items.reserve(collection->items().count());
    for (const auto& item : collection->items().items()) {
      SnapshotItem& itemCopy = copy.items.emplace_back();
      itemCopy.id = item->id();
      itemCopy.name = item->name();
      itemCopy.dateAdded = item->dateAdded();
      itemCopy.values.reserve(tagIds.size());
      for (int32_t tagId : tagIds) itemCopy.values.push_back(item->records().get(tagId));
      for (const auto& photo : item->photos().photos())
        itemCopy.photos.push_back({photo->id(), photo->format(), photo->filePath()});
      itemCopy.wear = wearOf(*item);
    }
  }
  return snapshot;
}

}  // namespace tavoro
