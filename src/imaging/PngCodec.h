// The PNG codec on libpng. Decodes every colour type and bit depth to 24-bit
// blue-green-red plus an 8-bit alpha plane when the file has transparency,
// with gamma correction for a 2.2 screen; encodes 8-bit RGB, or RGBA when the
// image has an alpha plane, with the "Software" and "Modification Time" texts.
// Thread-safe for distinct objects (no shared state).
#pragma once

#include "ImageCodec.h"

namespace tavoro {

class PngCodec : public ImageCodec {
 public:
  bool saveToStream(const PhotoImage& image, ImageStream& stream) override;
  bool loadFromStream(PhotoImage& image, ImageStream& stream, bool infoOnly) override;
  std::unique_ptr<RowSink> createRowWriter(const PhotoImage& settings, ImageStream& stream) override;
  bool streamFromStream(PhotoImage& image, ImageStream& stream, RowSink& sink) override;
  ImageType kind() const override { return ImageType::Png; }
};

}  // namespace tavoro
