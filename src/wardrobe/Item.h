// One clothing item: its name, the date it was added, its photos, its
// values for the collection's tags and the days it was worn. Its files live in <collection folder>/I_<id>.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "DateTime.h"
#include "PhotoList.h"
#include "RecordList.h"
#include "RemovalReport.h"
#include "WearDates.h"

namespace tavoro {

class ItemList;

class Item {
 public:
  Item(ItemList* owner, int32_t id, std::wstring name)
      : m_owner(owner), m_id(id), m_name(std::move(name)), m_photos(this), m_records(this) {}
  Item(const Item&) = delete;
  Item& operator=(const Item&) = delete;

  ItemList* owner() const { return m_owner; }
  int32_t id() const { return m_id; }
  const std::wstring& name() const { return m_name; }
  void setName(std::wstring name) { m_name = std::move(name); }
  const DateTime& dateAdded() const { return m_dateAdded; }
  void setDateAdded(const DateTime& when) { m_dateAdded = when; }
  PhotoList& photos() { return m_photos; }
  const PhotoList& photos() const { return m_photos; }
  RecordList& records() { return m_records; }
  const RecordList& records() const { return m_records; }
  // The days it was worn (by itself or in a combination).
  WearDates& worn() { return m_worn; }
  const WearDates& worn() const { return m_worn; }

  // <collection folder>/I_<id, six digits>, normalised; empty text when the
  // collection has no folder (a pseudo-collection or a wardrobe without folder).
  std::wstring photoFolder() const;
  // The same without looking at the disk (see Wardrobe::namedPhotoFolder).
  std::wstring namedPhotoFolder() const;
  // The file of the first photo, or empty text without photos.
  std::wstring mainPhotoPath() const;
  // The same for the folder given as its collection's namedPhotoFolder()
  // says: a list of many items of one collection works that out once.
  std::wstring mainPhotoPathIn(std::wstring_view collectionFolder) const;
  // The item folder of item id below collectionFolder, as above (thread-safe).
  static std::wstring photoFolderIn(std::wstring_view collectionFolder, int32_t id);
  // Deletes the photo files the item names, then the item folder when that
  // is left empty, then the records. Nothing else is touched; when the item
  // folder is still there afterwards (it holds other files, or a photo could
  // not be deleted), report (when given) names it.
  void removeFiles(RemovalReport* report = nullptr);
  void clearRecords() { m_records.clear(); }

 private:
  ItemList* m_owner;
  int32_t m_id;
  std::wstring m_name;
  DateTime m_dateAdded;
  PhotoList m_photos;
  RecordList m_records;
  WearDates m_worn;
};

}  // namespace tavoro
