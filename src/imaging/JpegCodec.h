// The JPEG codec on libjpeg (API 62). Decodes greyscale, colour and CMYK
// files (the latter as Adobe's inverted CMYK) to 24-bit blue-green-red at full
// size, keeping the file's header segments; encodes 24-bit colour with the
// image's JpegSaveSettings, carrying the source's application segments (EXIF,
// IPTC, ...) over into the new file.
// Thread-safe for distinct objects (no shared state).
#pragma once

#include "ImageCodec.h"

namespace tavoro {

class JpegCodec : public ImageCodec {
 public:
  bool saveToStream(const PhotoImage& image, ImageStream& stream) override;
  bool loadFromStream(PhotoImage& image, ImageStream& stream, bool infoOnly) override;
  std::unique_ptr<RowSink> createRowWriter(const PhotoImage& settings, ImageStream& stream) override;
  bool streamFromStream(PhotoImage& image, ImageStream& stream, RowSink& sink) override;
  ImageType kind() const override { return ImageType::Jpg; }

  // The library quality for a quality of 0..100: trunc(q x 0.93 + 5.5),
  // within 5..98 (100 gives 98, 95 gives 93, 0 gives 5).
  static int libraryQuality(int quality);
  // Encodes a 24-bit bitmap alone, without any kept segments.
  static bool encodeBitmap(const DibBitmap& bitmap, const JpegSaveSettings& settings, ImageStream& stream);

 private:
  // Loads (sink null) or streams the picture.
  bool decode(PhotoImage& image, ImageStream& stream, bool infoOnly, RowSink* sink);
};

}  // namespace tavoro
