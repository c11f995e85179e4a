// The device-independent bitmap header as BMP files and bitmap descriptions
// store it (little-endian), with its colour-table entry and compression codes.
// Thread-safe (value types and pure functions).
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavoro {

enum BitmapCompression : uint32_t {
  kBitmapRgb = 0,
  kBitmapRle8 = 1,
  kBitmapRle4 = 2,
  kBitmapBitFields = 3,
};

// Header sizes a bitmap description may have: the info header and its
// version 3, 4 and 5 extensions. The 12-byte core header of old files is
// converted to an info header by the BMP reader.
inline constexpr uint32_t kInfoHeaderSize = 40;
inline constexpr uint32_t kCoreHeaderSize = 12;
inline bool isInfoHeaderSize(uint32_t size) {
  return size == 40 || size == 56 || size == 108 || size == 124;
}

struct BitmapInfoHeader {
  uint32_t size = kInfoHeaderSize;
  int32_t width = 0;
  int32_t height = 0;  // positive: rows stored bottom-up; negative: top-down
  uint16_t planes = 1;
  uint16_t bitCount = 0;
  uint32_t compression = kBitmapRgb;
  uint32_t sizeImage = 0;
  int32_t xPelsPerMeter = 0;
  int32_t yPelsPerMeter = 0;
  uint32_t clrUsed = 0;
  uint32_t clrImportant = 0;
};

// One colour-table entry, in file order.
struct RgbQuad {
  uint8_t blue = 0;
  uint8_t green = 0;
  uint8_t red = 0;
  uint8_t reserved = 0;
  bool operator==(const RgbQuad&) const = default;
};

// The first 40 bytes of a header (REQUIRES: 40 readable bytes).
BitmapInfoHeader parseInfoHeader(const uint8_t* bytes);
// Writes the 40-byte info header; header.size is written as it is.
void storeInfoHeader(const BitmapInfoHeader& header, uint8_t* bytes);

}  // namespace tavoro
