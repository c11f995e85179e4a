// Thumbnails as complete BMP files in memory, the form the stores keep them in.
// Thread-safe (no shared state).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavoro {

class DibBitmap;

// The whole BMP file of a 24-bit bitmap; false for any other bitmap.
bool encodeThumbnail(const DibBitmap& thumbnail, std::vector<uint8_t>& bmp);
// A BMP file of size bytes into thumbnail (24 bits); false, thumbnail
// unchanged, when it cannot be decoded.
bool decodeThumbnail(const uint8_t* bmp, size_t size, DibBitmap& thumbnail);

}  // namespace tavoro
