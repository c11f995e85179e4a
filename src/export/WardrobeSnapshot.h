// A plain copy of what an export shows of a wardrobe: names, tags, values and
// photo paths, taken on the thread that owns the model, so that the export
// itself can run on a background thread without touching model objects.
// A snapshot is a value: thread-safe once taken.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "wardrobe/DateTime.h"
#include "wardrobe/ImageType.h"

namespace tavoro {

class Wardrobe;

struct SnapshotPhoto {
  int32_t id = 0;
  ImageType format = ImageType::None;
  std::wstring path;  // the photo's file, as the model names it
};

// How often an item was worn, and when last.
struct ItemWear {
  int count = 0;
  std::optional<DateTime> lastWorn;
};

struct SnapshotItem {
  int32_t id = 0;
  std::wstring name;
  DateTime dateAdded;
  std::vector<std::wstring> values;  // one per tag of the collection, in its order; empty text for none
  std::vector<SnapshotPhoto> photos;
  ItemWear wear;
};

struct SnapshotCollection {
  int32_t id = 0;
  std::wstring name;
  std::vector<std::wstring> tagNames;
  std::vector<SnapshotItem> items;
};

struct WardrobeSnapshot {
  std::wstring name;
  std::wstring folder;
  std::vector<SnapshotCollection> collections;

  size_t itemCount() const;
  size_t photoCount() const;
};

// The wardrobe's real collections in order, with their tags, items, values
// and photos. On the model's thread.
WardrobeSnapshot takeSnapshot(const Wardrobe& wardrobe);

}  // namespace tavoro
