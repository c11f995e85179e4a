// A reader over the EXIF segment of a JPEG file: its byte order, its image
// file directories (IFD0, IFD1 with the thumbnail, the EXIF sub-directory) and
// the values of their entries. Every offset and count read from the segment is
// checked against the segment before it is used.
// Not thread-safe; the view never copies and must not outlive the segment list.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "ByteOrder.h"
#include "JpegSegments.h"

namespace tavoro {

// One directory entry: tag, type (1..12), count and where its value lies
// (an offset from the TIFF header) when the value lies inside the segment.
struct ExifEntry {
  uint16_t tag = 0;
  uint16_t type = 0;
  uint32_t count = 0;
  std::optional<uint32_t> valueOffset;
};

class ExifView {
 public:
  enum Tag : uint16_t {
    kOrientation = 0x0112,
    kThumbnailOffset = 0x0201,
    kThumbnailLength = 0x0202,
    kExifIfdPointer = 0x8769,
    kDateTimeOriginal = 0x9003,
  };

  ExifView() = default;
  ExifView(const ExifView&) = delete;
  ExifView& operator=(const ExifView&) = delete;

  // Opens the list's first EXIF segment: longer than 7 bytes, its payload
  // starting with "Exif", 0, 0 and a TIFF header in "II" or "MM" order.
  bool open(const JpegSegmentList& list);
  bool isOpen() const { return !m_tiff.empty(); }
  bool bigEndian() const { return m_bigEndian; }
  // The TIFF data: everything after "Exif", 0, 0; all offsets count from here.
  std::span<const uint8_t> tiff() const { return m_tiff; }

  // Where IFD0, IFD1 and the EXIF sub-directory start (offsets from the TIFF
  // header); none when absent or when the directory does not fit the segment.
  std::optional<uint32_t> ifd0() const;
  std::optional<uint32_t> ifd1() const;
  std::optional<uint32_t> exifIfd() const;

  // The first entry of the directory with that tag.
  std::optional<ExifEntry> findTag(uint32_t ifd, uint16_t tag) const;
  // The entry's value number index as a number (rationals divided, 0 when
  // the denominator is 0); none for ASCII and UNDEFINED entries, an index
  // beyond the count, or a value outside the segment.
  std::optional<double> number(const ExifEntry& entry, uint32_t index = 0) const;
  // The value of a BYTE, SHORT or LONG entry (what offsets and lengths are
  // stored as); none for any other type.
  std::optional<uint32_t> unsignedNumber(const ExifEntry& entry) const;
  // An ASCII entry's text up to its first NUL; none for other types.
  std::optional<std::string> text(const ExifEntry& entry) const;
  // The byte size of one value of a type, 0 for a type outside 1..12.
  static uint32_t typeSize(uint16_t type);

 private:
  // Bounds-checked reads inside the TIFF data.
  bool fits(uint64_t offset, uint64_t size) const { return offset <= m_tiff.size() && size <= m_tiff.size() - offset; }
  uint16_t get16(uint64_t offset) const { return tavoro::read16(m_tiff.data() + offset, m_bigEndian); }
  uint32_t get32(uint64_t offset) const { return tavoro::read32(m_tiff.data() + offset, m_bigEndian); }
  // A directory at the offset whose entry count and entries all fit.
  std::optional<uint32_t> directoryAt(uint64_t offset) const;

  std::span<const uint8_t> m_tiff;
  bool m_bigEndian = false;
};

}  // namespace tavoro
