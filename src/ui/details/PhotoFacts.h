// What the information strip tells about a photo: its format, when it was
// taken, its size in pixels and the size of its file. Read from the file once
// (headers only: the picture itself is not decoded). Thread-safe (pure
// functions).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "wardrobe/ImageType.h"

namespace tavoro::ui {

struct PhotoFacts {
  ImageType format = ImageType::None;
  std::wstring dateTaken;  // as the user's locale writes it; empty when the photo has none
  int width = 0;           // 0 when the file's header cannot be read
  int height = 0;
  int64_t fileSize = -1;  // -1 when the file cannot be examined
};

// The facts of the photo file at path, stored in format.
PhotoFacts readPhotoFacts(std::wstring_view path, ImageType format);

// "1023 bytes", "1 KB" (kilobytes rounded up) below a megabyte, "1.00 MB" from one on.
std::wstring fileSizeText(uint64_t bytes);

// The label and value pairs in the order they are shown: the format word
// ("JPEG image", "PNG image", "Bitmap image", without a label), "Date
// taken: ", "Dimensions: " and "Size: ". What could not be read shows "n/a".
std::vector<std::pair<std::wstring, std::wstring>> photoFactPairs(const PhotoFacts& facts);

}  // namespace tavoro::ui
