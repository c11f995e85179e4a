// The largest picture the program agrees to hold in memory. Every decoder
// checks a file's dimensions against these before it allocates anything, so
// that a malformed or hostile file cannot make the program allocate gigabytes.
// Thread-safe (constants and a pure function).
#pragma once

#include <cstdint>

namespace tavoro {

inline constexpr int64_t kMaxImageSide = 30000;
inline constexpr int64_t kMaxImagePixels = 250'000'000;
// What one decode may hold at once, under 1 GiB: the picture and its alpha
// plane (4 bytes a pixel at most, about 954 MiB at the largest size) plus
// row buffers; a JPEG decoder's whole-image buffers (of a progressive
// file) get what its 3-byte picture leaves of this.
inline constexpr int64_t kMaxDecodeBytes = int64_t{960} << 20;
// What a decode into a box may hold at once, its whole-image buffers
// included: the program's memory stays under 512 MiB whatever the photo.
inline constexpr int64_t kMaxReducingDecodeBytes = int64_t{448} << 20;
// How much of a picture a streaming decoder (one that hands rows on as they
// come) may hold at once when its file does not give the rows top-down and
// complete (an interlaced PNG, a BMP stored bottom-up): it decodes the file
// once for each band of rows of this size. With the codecs' own buffers the
// program stays under 512 MiB.
inline constexpr int64_t kStreamBandBytes = int64_t{256} << 20;

// Both sides at least 1 and at most kMaxImageSide, the area at most kMaxImagePixels.
inline bool acceptableImageSize(int64_t width, int64_t height) {
  return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide &&
         width * height <= kMaxImagePixels;
}

}  // namespace tavoro
