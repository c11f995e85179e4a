// The encoder and decoder of one file format (BMP, JPEG or PNG). Every
// operation returns true on success and false on failure; nothing throws out
// of a codec, and a failed load leaves the image empty. The stream forms do
// the work; the file and memory forms wrap them.
// Thread-safe for distinct codec objects and images (no shared state).
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "ImageStream.h"
#include "PhotoImage.h"
#include "RowSink.h"

namespace tavoro {

class ImageCodec {
 public:
  virtual ~ImageCodec() = default;

  // Writes the file through a temporary file beside it, which replaces the
  // target only when the whole image was written.
  bool saveToFile(const PhotoImage& image, std::wstring_view path);
  virtual bool saveToStream(const PhotoImage& image, ImageStream& stream) = 0;
  bool saveToMemory(const PhotoImage& image, std::vector<uint8_t>& out);

  // Also records the path in the image.
  bool loadFromFile(PhotoImage& image, std::wstring_view path, bool infoOnly = false);
  // With infoOnly only the source information is filled in.
  virtual bool loadFromStream(PhotoImage& image, ImageStream& stream, bool infoOnly) = 0;
  bool loadFromMemory(PhotoImage& image, const void* data, size_t size, bool infoOnly = false);

  // The streaming forms, for pictures too large to hold whole. A writer of
  // the codec's format onto the stream, taking rows top-down, with the save
  // settings of `settings` (for JPEG also its kept segments, read when the
  // rows begin); null when memory runs out.
  virtual std::unique_ptr<RowSink> createRowWriter(const PhotoImage& settings, ImageStream& stream) = 0;
  // Decodes the picture at the stream's position at full size into the sink,
  // top-down, never holding more of it than image.streamBandBytes() beside
  // the library's own buffers. Fills the image's source information (for
  // JPEG also its segments), never its pixels; the alpha that a whole decode
  // would give comes as the rows' fourth channel. False when the file cannot
  // be decoded or the sink refused; the sink is not finished either way.
  virtual bool streamFromStream(PhotoImage& image, ImageStream& stream, RowSink& sink) = 0;

  virtual ImageType kind() const = 0;
  bool isOfKind(const PhotoImage& image) const { return image.type() == kind(); }
};

// The codec for bmp, jpg and png; null for any other kind.
std::unique_ptr<ImageCodec> createImageCodec(ImageType type);

}  // namespace tavoro
