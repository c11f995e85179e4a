// What a JPEG photo's EXIF block tells the program: its orientation, its
// embedded thumbnail (decoded, and turned upright on request) and the date and
// time it was taken. Only the segments in front of the first table or scan
// are read; the picture itself is never decoded. Files whose name is not of
// the jpg kind have no metadata. Thread-safe (no shared state).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "DibBitmap.h"
#include "JpegSegments.h"
#include "wardrobe/DateTime.h"

namespace tavoro {

class PhotoImage;

struct PhotoDateTaken {
  Date date;  // null when the recorded day does not exist
  Time time;  // Time::kInvalid when the recorded time does not exist
};

// The orientation 1..8, or 0 when there is none (a missing segment or tag,
// or a value outside 1..8); callers then use 1.
int exifOrientation(std::wstring_view path);
int exifOrientation(const PhotoImage& image);  // from the image's kept segments
int exifOrientation(const JpegSegmentList& segments);

// The largest embedded thumbnail decoded, in pixels: cameras write 160 x 120
// and at most a few hundred pixels a side.
inline constexpr int64_t kMaxExifThumbnailPixels = 1024 * 1024;
// Decodes the embedded JPEG thumbnail into dest (24 bits) and, with rotate,
// turns it by the orientation. Returns the orientation (1 when there is
// none) on success, 0 on failure (also for a thumbnail of more than
// kMaxExifThumbnailPixels) with dest released.
int exifThumbnail(std::wstring_view path, DibBitmap& dest, bool rotate);
int exifThumbnail(const JpegSegmentList& segments, DibBitmap& dest, bool rotate);
// The thumbnail's bytes inside the EXIF segment; empty when there is none.
std::span<const uint8_t> exifThumbnailBytes(const JpegSegmentList& segments);

// The EXIF DateTimeOriginal ("YYYY:MM:DD hh:mm:ss"). True when all six numbers
// could be read; the date or time in out may still be null or invalid then.
bool readDateTaken(std::wstring_view path, PhotoDateTaken& out);
bool readDateTaken(const JpegSegmentList& segments, PhotoDateTaken& out);

// The header segments of a jpg file (headers-only); false for another kind
// or an unreadable file.
bool readPhotoHeaders(std::wstring_view path, JpegSegmentList& segments);

}  // namespace tavoro
