// One photo of an item: an id within the item and the format of its file,
// which lives at <item folder>/P_<id, six digits>.<bmp|jpg|png>.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ImageType.h"

namespace tavoro {

class PhotoList;

class Photo {
 public:
  Photo(PhotoList* owner, int32_t id, ImageType format);
  Photo(const Photo&) = delete;
  Photo& operator=(const Photo&) = delete;

  PhotoList* owner() const { return m_owner; }
  int32_t id() const { return m_id; }
  ImageType format() const { return m_format; }
  // Tells photo objects apart for the thumbnail caches for the life of the
  // process; drawn from one counter that starts at 1. Never saved.
  int32_t serial() const { return m_serial; }

  // <item folder>/P_<id, six digits>.<extension>, normalised lexically (the
  // disk is not looked at: lists build a path for every photo they show).
  // Empty text when the format is not Bmp, Jpg or Png, the id is not above 0,
  // or the item has no photo folder.
  std::wstring filePath() const;
  // The same for an item folder given as its item's namedPhotoFolder() says
  // (lists that make many paths work out the folders once).
  std::wstring filePathIn(std::wstring_view itemFolder) const;
  // The same for a photo known by its id and format alone (thread-safe).
  static std::wstring filePathIn(std::wstring_view itemFolder, int32_t id, ImageType format);
  // True when a file was deleted.
  bool deleteFile() const;

 private:
  PhotoList* m_owner;
  int32_t m_id;
  ImageType m_format;
  int32_t m_serial;
};

}  // namespace tavoro
