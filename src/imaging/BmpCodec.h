// The BMP codec: reads files of 1, 4, 8, 16, 24 and 32 bits a pixel, with or
// without run-length compression or bit fields, top-down or bottom-up, with
// the info header of any version or the old core header; writes 24-bit files
// (32-bit when the image has an alpha plane). Every size, count and offset in
// a file is checked against the file before it is used.
// Thread-safe for distinct objects (no shared state).
#pragma once

#include <cstdint>
#include <vector>

#include "ImageCodec.h"

namespace tavoro {

class BmpCodec : public ImageCodec {
 public:
  bool saveToStream(const PhotoImage& image, ImageStream& stream) override;
  bool loadFromStream(PhotoImage& image, ImageStream& stream, bool infoOnly) override;
  std::unique_ptr<RowSink> createRowWriter(const PhotoImage& settings, ImageStream& stream) override;
  bool streamFromStream(PhotoImage& image, ImageStream& stream, RowSink& sink) override;
  ImageType kind() const override { return ImageType::Bmp; }

  // A complete BMP file of the bitmap as it is stored: its depth, masks (as
  // bit fields when they are not the default ones) and palette.
  static bool writeBitmap(const DibBitmap& bitmap, ImageStream& stream);
  // Decodes a BMP file at the stream's position into a 24-bit colour bitmap
  // and, for a 32-bit file whose alpha is not all zero and when alpha is not
  // null, an 8-bit alpha plane. On failure both are released.
  static bool readBitmap(ImageStream& stream, DibBitmap& color, DibBitmap* alpha = nullptr);

  // The same on memory: a whole BMP file in a buffer, and back.
  static bool encodeToMemory(const DibBitmap& bitmap, std::vector<uint8_t>& out);
  static bool decodeFromMemory(const void* data, size_t size, DibBitmap& color);
};

}  // namespace tavoro
