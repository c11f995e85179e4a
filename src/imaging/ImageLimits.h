// The largest picture the program agrees to hold in memory. Every decoder
// checks a file's dimensions against these before it allocates anything, so
// that a malformed or hostile file cannot make the program allocate gigabytes.
// Thread-safe (constants and a pure function).
#pragma once

#include <cstdint>

namespace tavoro {

inline constexpr int64_t kMaxImageSide = 30000;
inline constexpr int64_t kMaxImagePixels = 250'000'000;

// Both sides at least 1 and at most kMaxImageSide, the area at most kMaxImagePixels.
inline bool acceptableImageSize(int64_t width, int64_t height) {
  return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide &&
         width * height <= kMaxImagePixels;
}

}  // namespace tavoro
