#include "PhotoMetadata.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <optional>
#include <string>

#include "BitmapTransform.h"
#include "ExifView.h"
#include "FileStream.h"
#include "JpegCodec.h"
#include "PhotoImage.h"

namespace tavoro {

bool readPhotoHeaders(std::wstring_view path, JpegSegmentList& segments) {
  segments.clear();
  if (typeFromExtension(path) != ImageType::Jpg) return false;
  FileStream stream;
  return stream.openRead(path) && readSegments(stream, true, segments);
}

int exifOrientation(const JpegSegmentList& segments) {
  ExifView exif;
  if (!exif.open(segments)) return 0;
  const std::optional<uint32_t> ifd0 = exif.ifd0();
  if (!ifd0) return 0;
  const std::optional<ExifEntry> entry = exif.findTag(*ifd0, ExifView::kOrientation);
  if (!entry) return 0;
  const std::optional<double> value = exif.number(*entry);
  for (int orientation = 1; orientation <= 8; ++orientation)
    if (value && *value == orientation) return orientation;
  return 0;  // missing, or not one of the eight (NaN included)
}

int exifOrientation(const PhotoImage& image) {
  return exifOrientation(image.segments());
}

int exifOrientation(std::wstring_view path) {
  JpegSegmentList segments;
  return readPhotoHeaders(path, segments) ? exifOrientation(segments) : 0;
}

std::span<const uint8_t> exifThumbnailBytes(const JpegSegmentList& segments) {
  ExifView exif;
  if (!exif.open(segments)) return {};
  const std::optional<uint32_t> ifd1 = exif.ifd1();
  if (!ifd1) return {};
  const std::optional<ExifEntry> offsetEntry = exif.findTag(*ifd1, ExifView::kThumbnailOffset);
  const std::optional<ExifEntry> lengthEntry = exif.findTag(*ifd1, ExifView::kThumbnailLength);
  if (!offsetEntry || !lengthEntry) return {};
  const std::optional<uint32_t> offset = exif.unsignedNumber(*offsetEntry);
  const std::optional<uint32_t> length = exif.unsignedNumber(*lengthEntry);
  const uint64_t size = exif.tiff().size();
  if (!offset || !length || *length == 0 || uint64_t{*offset} + *length > size) return {};
  return exif.tiff().subspan(*offset, *length);
}

int exifThumbnail(const JpegSegmentList& segments, DibBitmap& dest, bool rotate) {
  dest.release();
  const std::span<const uint8_t> bytes = exifThumbnailBytes(segments);
  if (bytes.empty()) return 0;
  try {
    PhotoImage thumbnail(ImageType::Jpg);
    JpegCodec codec;
    // A thumbnail fits in one 64 KB segment, yet its header may declare any
    // size up to the decoder's limit: decoding and turning such a picture
    // would take seconds and a gigabyte for what is never a thumbnail.
    if (!codec.loadFromMemory(thumbnail, bytes.data(), bytes.size(), true) ||
        int64_t{thumbnail.info().width} * thumbnail.info().height > kMaxExifThumbnailPixels)
      return 0;
    if (!codec.loadFromMemory(thumbnail, bytes.data(), bytes.size())) return 0;
    const int orientation = std::max(1, exifOrientation(segments));
    if (rotate && !applyOrientation(thumbnail.colorBitmap(), orientation)) return 0;
    dest = std::move(thumbnail.colorBitmap());
    return orientation;
  } catch (const std::bad_alloc&) {
    dest.release();
    return 0;
  }
}

int exifThumbnail(std::wstring_view path, DibBitmap& dest, bool rotate) {
  JpegSegmentList segments;
  if (!readPhotoHeaders(path, segments)) {
    dest.release();
    return 0;
  }
  return exifThumbnail(segments, dest, rotate);
}

bool readDateTaken(const JpegSegmentList& segments, PhotoDateTaken& out) {
  ExifView exif;
  if (!exif.open(segments)) return false;
  const std::optional<uint32_t> sub = exif.exifIfd();
  if (!sub) return false;
  const std::optional<ExifEntry> entry = exif.findTag(*sub, ExifView::kDateTimeOriginal);
  if (!entry) return false;
  const std::optional<std::string> text = exif.text(*entry);
  if (!text) return false;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  if (std::sscanf(text->c_str(), "%04d:%02d:%02d %02d:%02d:%02d", &year, &month, &day, &hour, &minute, &second) != 6)
    return false;
  out.date = Date::fromParts(year, month, day);
  out.time = Time::fromParts(hour, minute, second, 0);
  return true;
}

bool readDateTaken(std::wstring_view path, PhotoDateTaken& out) {
  JpegSegmentList segments;
  return readPhotoHeaders(path, segments) && readDateTaken(segments, out);
}

}  // namespace tavoro
