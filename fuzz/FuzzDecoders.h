// What the decoder fuzz targets share: decode one input with a codec, but
// only pictures of a size that a fuzzing run can afford to allocate and fill
// (the codecs themselves accept up to 250 megapixels).
#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/ImageCodec.h"

namespace tavoro::fuzz {

inline constexpr int64_t kMostFuzzPixels = 4'000'000;

inline void decodeOnce(ImageCodec& codec, const uint8_t* data, size_t size) {
  PhotoImage image(codec.kind());
  if (!codec.loadFromMemory(image, data, size, true)) return;
  if (int64_t{image.info().width} * image.info().height > kMostFuzzPixels) return;
  if (!codec.loadFromMemory(image, data, size)) return;
  // Whatever was decoded must be whole: touch the first and last rows.
  const DibBitmap& color = image.colorBitmap();
  if (!color.isValid() || color.bitsPerPixel() != 24) __builtin_trap();
  volatile uint8_t sink = color.row(0)[0];
  sink = static_cast<uint8_t>(sink + color.row(color.height() - 1)[color.bytesPerRow() - 1]);
  if (image.hasAlpha() &&
      (image.alphaPlane().width() != color.width() || image.alphaPlane().height() != color.height()))
    __builtin_trap();
}

}  // namespace tavoro::fuzz
