#include "ui/common/DibImage.h"

#include <cstring>

#include "imaging/DibBitmap.h"

namespace tavoro::ui {

QImage toQImage(const DibBitmap& bitmap) {
  if (!bitmap.isValid() || bitmap.width() <= 0 || bitmap.height() <= 0) return QImage();
  const int width = bitmap.width();
  const int height = bitmap.height();
  if (bitmap.bitsPerPixel() == 24) {
    // Rows are blue-green-red already: one copy per row, in picture order.
    QImage image(width, height, QImage::Format_BGR888);
    if (image.isNull()) return image;
    for (int y = 0; y < height; ++y) std::memcpy(image.scanLine(y), bitmap.row(y), static_cast<size_t>(width) * 3);
    return image;
  }
  const bool alpha = bitmap.bitsPerPixel() == 32 && bitmap.mask(DibBitmap::kAlpha) != 0;
  QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  if (image.isNull()) return image;
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const Bgra c = bitmap.color(x, y);
      line[x] = qRgba(c.red, c.green, c.blue, alpha ? c.alpha : 255);
    }
  }
  return image;
}

QImage toPaintableQImage(const DibBitmap& bitmap) {
  if (!bitmap.isValid() || bitmap.bitsPerPixel() != 24) return toQImage(bitmap).convertToFormat(QImage::Format_RGB32);
  const int width = bitmap.width();
  const int height = bitmap.height();
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return image;
  for (int y = 0; y < height; ++y) {
    const uint8_t* from = bitmap.row(y);
    auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) to[x] = qRgb(from[3 * x + 2], from[3 * x + 1], from[3 * x]);
  }
  return image;
}

}  // namespace tavoro::ui
