#include "BitmapFitting.h"

#include <algorithm>

#include "BitmapDrawing.h"

namespace tavoro {

Size fitSize(Size box, Size image) {
  if (box.width <= 0 || box.height <= 0 || image.width <= 0 || image.height <= 0) return {};
  const float sx = static_cast<float>(box.width) / static_cast<float>(image.width);
  const float sy = static_cast<float>(box.height) / static_cast<float>(image.height);
  const float m = std::min(sx, sy);
  // A sliver of a picture (30000 x 1 into a square) would truncate to 0 and
  // could then not be made at all; it keeps one row instead.
  if (sx < sy) return {box.width, std::max(1, static_cast<int>(static_cast<float>(image.height) * m))};
  if (sx > sy) return {std::max(1, static_cast<int>(static_cast<float>(image.width) * m)), box.height};
  return box;
}

bool scaleToFit(DibBitmap& dest, const DibBitmap& source, Size box) {
  if (&dest == &source) return false;
  dest.release();
  if (box.width <= 0 || box.height <= 0 || !source.isValid()) return false;
  const Size size{source.width(), source.height()};
  const bool shrinking = box.width < size.width || box.height < size.height;
  const Size target = shrinking ? fitSize(box, size) : size;
  if (!dest.create(target.width, target.height, 24)) return false;
  const bool ok =
      stretchBitmap(dest, Rect::ofSize(target), source, Rect::ofSize(size), shrinking || source.smoothStretch());
  if (!ok) dest.release();
  return ok;
}

}  // namespace tavoro
