// The pictures of one photo in the web catalogue: a thumbnail and a larger
// picture, fitted with the program's own fitting, turned upright and encoded
// with its own JPEG encoder, and what the page tells about the photo.
// Thread-safe (no shared state): the catalogue makes many at once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "imaging/PhotoMetadata.h"
#include "platform/Geometry.h"
#include "platform/Status.h"
#include "wardrobe/ImageType.h"

namespace tavoro {

struct CatalogueBoxes {
  Size small{240, 240};
  Size large{1280, 1280};
  int quality = 85;
};

struct PictureFacts {
  bool decoded = false;  // false: the photo is missing or cannot be read; no pictures were made
  ImageType format = ImageType::None;
  Size size;             // of the photo, upright
  Size smallSize;
  Size largeSize;
  uint64_t fileBytes = 0;
  bool hasDateTaken = false;
  PhotoDateTaken dateTaken;
};

// Decodes the photo once and writes its thumbnail and larger picture as JPEG
// files. A photo that cannot be decoded is no failure (facts.decoded stays
// false); failing to write a picture is.
Status makeCataloguePictures(std::wstring_view photoPath, ImageType format, std::wstring_view smallPath,
                             std::wstring_view largePath, const CatalogueBoxes& boxes, PictureFacts& facts);

}  // namespace tavoro
