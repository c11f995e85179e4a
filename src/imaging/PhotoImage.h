// One decoded photo: a 24-bit blue-green-red colour bitmap, an optional 8-bit
// alpha plane, what the decoder learnt about the file, and for JPEG files the
// header segments that are written back when the photo is encoded as JPEG.
// Not thread-safe: an image is used by one thread at a time and handed over whole.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "DibBitmap.h"
#include "ImageLimits.h"
#include "platform/Geometry.h"
#include "JpegSegments.h"
#include "wardrobe/ImageType.h"

namespace tavoro {

class ImageCodec;

// What the decoder found in the file.
struct ImageSourceInfo {
  ImageType type = ImageType::None;
  int bitsPerPixel = 0;  // of the file: channels x bit depth for PNG, components x 8 for JPEG
  int width = 0;
  int height = 0;
  // PNG only.
  int bitDepth = 0;
  int channels = 0;
  int colorType = 0;
  int interlace = 0;
  // JPEG only.
  int components = 0;
};

// How the photo is written as JPEG.
struct JpegSaveSettings {
  enum Flags : unsigned {
    kForceBaseline = 1,  // baseline quantisation tables
    kOptimize = 2,       // optimised Huffman coding
    kProgressive = 4,
  };
  int quality = 95;              // 0..100, mapped to the library's 5..98
  int fullChromaThreshold = 95;  // at or below the library quality: no chroma subsampling
  unsigned flags = 0;
  int smoothing = 0;  // 0 off, else 1..100
};

class PhotoImage {
 public:
  explicit PhotoImage(ImageType type = ImageType::None) : m_type(type) {}
  PhotoImage(PhotoImage&&) = default;
  PhotoImage& operator=(PhotoImage&&) = default;

  // The kind this image was made for (and decoded as).
  ImageType type() const { return m_type; }
  // The codec of the image's kind; null for kinds without one.
  std::unique_ptr<ImageCodec> createCodec() const;
  // Decodes the file with the codec of the image's kind. On failure the image
  // is empty and false is returned.
  bool open(std::wstring_view path);
  // A 24-bit copy of the colour bitmap fitted into the box (see scaleToFit).
  bool scaleToFit(DibBitmap& dest, Size box) const;

  DibBitmap& colorBitmap() { return m_color; }
  const DibBitmap& colorBitmap() const { return m_color; }
  DibBitmap& alphaPlane() { return m_alpha; }
  const DibBitmap& alphaPlane() const { return m_alpha; }
  bool hasAlpha() const { return m_alpha.isValid(); }
  JpegSegmentList& segments() { return m_segments; }
  const JpegSegmentList& segments() const { return m_segments; }
  ImageSourceInfo& info() { return m_info; }
  const ImageSourceInfo& info() const { return m_info; }
  const std::wstring& path() const { return m_path; }
  void setPath(std::wstring_view path) { m_path = path; }
  JpegSaveSettings& jpegSettings() { return m_jpegSettings; }
  const JpegSaveSettings& jpegSettings() const { return m_jpegSettings; }
  // A JPEG may be decoded reduced (by 1/2, 1/4 or 1/8, in the decoder itself,
  // which is much faster) as long as the picture still covers what fitting
  // it into this box would give; (0, 0), the default, decodes at full size.
  // The source information keeps the file's own size either way.
  Size reducedDecodeBox() const { return m_reducedDecodeBox; }
  void setReducedDecodeBox(Size box) { m_reducedDecodeBox = box; }
  // zlib's 0..9 for the PNG encoder.
  int pngCompressionLevel() const { return m_pngCompressionLevel; }
  void setPngCompressionLevel(int level) { m_pngCompressionLevel = level; }

  // A box to decode straight into, for any kind (it takes precedence over
  // the reduced box). While set (both sides above 0), a picture larger than
  // the box is reduced while it is decoded, row by row, so that the whole
  // picture is never held: the colour bitmap is then the copy scaleToFit
  // would make of it (for JPEG after the library's own reduction, so close
  // to that copy rather than equal), without alpha plane. The source
  // information still describes the file.
  Size fittedDecodeBox() const { return m_fittedDecodeBox; }
  void setFittedDecodeBox(Size box) { m_fittedDecodeBox = box; }

  // How much of the picture a streaming decode may hold at once (see
  // kStreamBandBytes, the default); tests make it small.
  int64_t streamBandBytes() const { return m_streamBandBytes; }
  void setStreamBandBytes(int64_t bytes) { m_streamBandBytes = bytes; }

  // Forgets pixels, segments and source information; keeps the kind, the
  // save settings and the decode boxes.
  void clear();

 private:
  ImageType m_type;
  DibBitmap m_color;
  DibBitmap m_alpha;
  JpegSegmentList m_segments;
  ImageSourceInfo m_info;
  std::wstring m_path;
  JpegSaveSettings m_jpegSettings;
  int m_pngCompressionLevel = 6;
  Size m_reducedDecodeBox;
  Size m_fittedDecodeBox;
  int64_t m_streamBandBytes = kStreamBandBytes;
};

// An image for a kind that can be decoded: bmp, jpg or png; null for any other.
std::unique_ptr<PhotoImage> createPhotoImage(ImageType type);

}  // namespace tavoro
