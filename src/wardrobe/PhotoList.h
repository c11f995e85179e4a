// An item's photos in order; the first is the item's main photo.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Photo.h"

namespace tavoro {

class Item;

class PhotoList {
 public:
  explicit PhotoList(Item* item) : m_item(item) {}
  PhotoList(const PhotoList&) = delete;
  PhotoList& operator=(const PhotoList&) = delete;

  Item* item() const { return m_item; }

  // Copies the file at path into the item's photo folder as a new photo and,
  // when it is the item's only photo, names the item after the file. An id
  // whose file exists already (left by another writer) is skipped, never
  // overwritten. Null when the type is not Bmp, Jpg or Png, the folder cannot
  // be made or the copy fails; a photo id is used up by every attempt of an
  // accepted type, and no folder or file is left behind by a failed one.
  // Null too when no id is left.
  Photo* addFromFile(std::wstring_view path);
  // Whether addFromFile can still take an id (ids end at 2147483646).
  bool hasIdLeft() const;
  // For the reader: format Bmp, Jpg or Png and id above 0; no file is touched.
  Photo* addExisting(ImageType format, int32_t id);

  // Deletes every photo object, and first its file when deleteFiles is set.
  void clear(bool deleteFiles);
  size_t count() const { return m_photos.size(); }
  Photo* at(size_t index) const { return m_photos.at(index).get(); }
  const std::vector<std::unique_ptr<Photo>>& photos() const { return m_photos; }

  int32_t nextId() const { return m_nextId; }
  void setNextId(int32_t id) { m_nextId = id; }

 private:
  Item* m_item;
  int32_t m_nextId = 1;
  std::vector<std::unique_ptr<Photo>> m_photos;
};

}  // namespace tavoro
