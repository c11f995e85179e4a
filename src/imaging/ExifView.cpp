#include "ExifView.h"

#include <cstring>

#include "ByteOrder.h"

namespace tavoro {

uint32_t ExifView::typeSize(uint16_t type) {
  static const uint32_t kSizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
  return type >= 1 && type <= 12 ? kSizes[type] : 0;
}

bool ExifView::open(const JpegSegmentList& list) {
  m_tiff = {};
  const int index = findSegment(list, kJpegExif);
  if (index < 0) return false;
  const JpegSegment& s = list[static_cast<size_t>(index)];
  // data = 2 length bytes, "Exif" 0 0, then the TIFF header.
  if (s.length <= 7 || s.data.size() < 2 + 6 + 2 || std::memcmp(s.data.data() + 2, "Exif\0\0", 6) != 0) return false;
  const uint8_t* tiff = s.data.data() + 8;
  if (tiff[0] == 'I' && tiff[1] == 'I')
    m_bigEndian = false;
  else if (tiff[0] == 'M' && tiff[1] == 'M')
    m_bigEndian = true;
  else
    return false;
  m_tiff = std::span<const uint8_t>(tiff, s.data.size() - 8);
  return true;
}

std::optional<uint32_t> ExifView::directoryAt(uint64_t offset) const {
  if (!isOpen() || !fits(offset, 2)) return std::nullopt;
  const uint64_t entries = get16(offset);
  if (!fits(offset + 2, entries * 12)) return std::nullopt;
  return static_cast<uint32_t>(offset);
}

std::optional<uint32_t> ExifView::ifd0() const {
  if (!isOpen() || !fits(4, 4)) return std::nullopt;
  return directoryAt(get32(4));
}

std::optional<uint32_t> ExifView::ifd1() const {
  const std::optional<uint32_t> first = ifd0();
  if (!first) return std::nullopt;
  const uint64_t next = uint64_t{*first} + 2 + uint64_t{get16(*first)} * 12;
  if (!fits(next, 4)) return std::nullopt;
  const uint32_t offset = get32(next);
  if (offset == 0) return std::nullopt;
  return directoryAt(offset);
}

std::optional<uint32_t> ExifView::exifIfd() const {
  const std::optional<uint32_t> first = ifd0();
  if (!first) return std::nullopt;
  const std::optional<ExifEntry> pointer = findTag(*first, kExifIfdPointer);
  if (!pointer) return std::nullopt;
  const std::optional<uint32_t> offset = unsignedNumber(*pointer);
  if (!offset) return std::nullopt;
  return directoryAt(*offset);
}

std::optional<ExifEntry> ExifView::findTag(uint32_t ifd, uint16_t tag) const {
  if (!directoryAt(ifd)) return std::nullopt;
  const uint32_t entries = get16(ifd);
  for (uint32_t i = 0; i < entries; ++i) {
    const uint64_t at = uint64_t{ifd} + 2 + uint64_t{i} * 12;
    if (get16(at) != tag) continue;
    ExifEntry e;
    e.tag = tag;
    e.type = get16(at + 2);
    e.count = get32(at + 4);
    const uint64_t bytes = uint64_t{typeSize(e.type)} * e.count;
    if (e.type >= 1 && e.type <= 12) {
      const uint64_t where = bytes < 5 ? at + 8 : get32(at + 8);
      if (fits(where, bytes)) e.valueOffset = static_cast<uint32_t>(where);
    }
    return e;
  }
  return std::nullopt;
}

std::optional<double> ExifView::number(const ExifEntry& e, uint32_t index) const {
  if (!e.valueOffset || index >= e.count) return std::nullopt;
  const uint64_t at = uint64_t{*e.valueOffset} + uint64_t{index} * typeSize(e.type);
  const uint8_t* p = m_tiff.data() + at;
  switch (e.type) {
    case 1:
      return double(p[0]);
    case 3:
      return double(get16(at));
    case 4:
      return double(get32(at));
    case 6:
      return double(static_cast<int8_t>(p[0]));
    case 8:
      return double(static_cast<int16_t>(get16(at)));
    case 9:
      return double(static_cast<int32_t>(get32(at)));
    case 5:
    case 10: {
      const bool isSigned = e.type == 10;
      const double num = isSigned ? double(static_cast<int32_t>(get32(at))) : double(get32(at));
      const double den = isSigned ? double(static_cast<int32_t>(get32(at + 4))) : double(get32(at + 4));
      return den == 0 ? 0.0 : num / den;
    }
    case 11: {
      const uint32_t bits = get32(at);
      float f;
      std::memcpy(&f, &bits, 4);
      return double(f);
    }
    case 12: {
      const uint64_t bits =
          m_bigEndian ? (uint64_t{get32(at)} << 32 | get32(at + 4)) : (uint64_t{get32(at + 4)} << 32 | get32(at));
      double d;
      std::memcpy(&d, &bits, 8);
      return d;
    }
    default:
      return std::nullopt;  // ASCII and UNDEFINED have no numeric value
  }
}

std::optional<uint32_t> ExifView::unsignedNumber(const ExifEntry& e) const {
  if (e.type != 1 && e.type != 3 && e.type != 4) return std::nullopt;
  const std::optional<double> value = number(e);
  if (!value) return std::nullopt;
  return static_cast<uint32_t>(*value);  // exact: at most 32 bits, unsigned
}

std::optional<std::string> ExifView::text(const ExifEntry& e) const {
  if (e.type != 2 || !e.valueOffset) return std::nullopt;
  const char* p = reinterpret_cast<const char*>(m_tiff.data() + *e.valueOffset);
  return std::string(p, strnlen(p, e.count));
}

}  // namespace tavoro
