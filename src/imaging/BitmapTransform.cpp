#include "BitmapTransform.h"

#include <cstring>

namespace tavoro {

bool applyOrientation(DibBitmap& bitmap, int orientation) {
  if (!bitmap.isValid() || orientation < 1 || orientation > 8) return false;
  const int bits = bitmap.bitsPerPixel();
  if (bits % 8 != 0) return false;
  if (orientation == 1) return true;
  const size_t bpp = static_cast<size_t>(bits / 8);
  const int w = bitmap.width(), h = bitmap.height();

  DibBitmap out;
  if (!(orientation >= 5 ? out.createLike(bitmap, h, w) : out.createLike(bitmap, w, h))) return false;
  // Each output pixel (x, y), counted from the top left, fetches its source.
  for (int y = 0; y < out.height(); ++y) {
    uint8_t* dst = out.row(y);
    for (int x = 0; x < out.width(); ++x, dst += bpp) {
      int sx = x, sy = y;
      switch (orientation) {
        case 2:
          sx = w - 1 - x;
          break;
        case 3:
          sx = w - 1 - x, sy = h - 1 - y;
          break;
        case 4:
          sy = h - 1 - y;
          break;
        case 5:
          sx = y, sy = x;
          break;
        case 6:
          sx = y, sy = h - 1 - x;
          break;
        case 7:
          sx = w - 1 - y, sy = h - 1 - x;
          break;
        case 8:
          sx = w - 1 - y, sy = x;
          break;
      }
      std::memcpy(dst, bitmap.row(sy) + static_cast<size_t>(sx) * bpp, bpp);
    }
  }
  bitmap = std::move(out);
  return true;
}

}  // namespace tavoro
