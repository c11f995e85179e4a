#include "JpegSegments.h"

#include <cstring>
#include <limits>
#include <new>

#include "ByteOrder.h"

namespace tavoro {
namespace {

constexpr int kMostFillBytes = 5;

bool startsWith(const JpegSegment& s, const char* text, size_t n) {
  return s.data.size() >= 2 + n && std::memcmp(s.data.data() + 2, text, n) == 0;
}

// True when a Photoshop resource block holds a resource with that id. Each
// resource: "8BIM", a 2-byte id, a name (length byte and text, padded to an
// even size), a 4-byte data size and the data (padded to an even size).
bool hasPhotoshopResource(const uint8_t* p, size_t size, uint16_t wanted) {
  size_t pos = 0;
  while (size - pos >= 12) {
    if (std::memcmp(p + pos, "8BIM", 4) != 0) return false;
    const uint16_t id = readBe16(p + pos + 4);
    const size_t nameBytes = (size_t{p[pos + 6]} + 2) & ~size_t{1};
    const size_t sizeAt = pos + 6 + nameBytes;
    if (sizeAt + 4 > size) return false;
    const uint64_t dataSize = readBe32(p + sizeAt);
    if (sizeAt + 4 + dataSize > size) return false;
    if (id == wanted) return true;
    pos = static_cast<size_t>(std::min<uint64_t>(sizeAt + 4 + dataSize + (dataSize & 1), size));
  }
  return false;
}

void classify(JpegSegment& s) {
  switch (s.marker()) {
    case 0xE0:
      if (startsWith(s, "JFIF\0", 5)) s.id = kJpegJfif;
      break;
    case 0xE1:
      if (startsWith(s, "Exif\0\0", 6)) s.id = kJpegExif;
      break;
    case 0xED:
      if (startsWith(s, "Photoshop 3.0\0", 14) && hasPhotoshopResource(s.data.data() + 16, s.data.size() - 16, 0x0404))
        s.id = kJpegIptc;
      break;
  }
}

bool readInto(ImageStream& stream, bool headersOnly, JpegSegmentList& list) {
  uint8_t start[2];
  if (stream.read(start, 2) != 2 || start[0] != 0xFF || start[1] != 0xD8) return false;
  for (;;) {
    int fills = 0;
    uint8_t marker = 0;
    for (;;) {
      if (stream.read(&marker, 1) != 1) return false;
      if (marker != 0xFF) break;
      if (++fills > kMostFillBytes) return false;
    }
    if (fills == 0 || marker == 0xD9) return false;
    uint8_t lengthBytes[2];
    if (stream.read(lengthBytes, 2) != 2) return false;
    const uint16_t length = readBe16(lengthBytes);
    if (length < 2) return false;

    const bool application = marker >= 0xE0 && marker <= 0xEF;
    if (headersOnly && (marker == 0xC4 || marker == 0xDA || marker == 0xDB)) return true;
    JpegSegment segment;
    segment.id = marker;
    segment.length = length;
    if (headersOnly && !application) {
      if (length - 2u > stream.remaining() || !stream.seek(stream.position() + length - 2u)) return false;
      list.push_back(std::move(segment));
      continue;
    }
    segment.data.resize(length);
    segment.data[0] = lengthBytes[0];
    segment.data[1] = lengthBytes[1];
    if (stream.read(segment.data.data() + 2, length - 2u) != length - 2u) return false;
    classify(segment);
    if (segment.id == kJpegJfif) continue;
    list.push_back(std::move(segment));

    if (marker == kJpegStartOfScan) {
      const uint64_t rest = stream.remaining();
      if (rest <= 2 || rest > std::numeric_limits<uint32_t>::max()) return false;
      JpegSegment remainder;
      remainder.id = kJpegEntropyData;
      remainder.length = static_cast<uint32_t>(rest);
      remainder.data.resize(static_cast<size_t>(rest));
      if (stream.read(remainder.data.data(), remainder.data.size()) != remainder.data.size()) return false;
      list.push_back(std::move(remainder));
      return true;
    }
  }
}

}  // namespace

bool readSegments(ImageStream& stream, bool headersOnly, JpegSegmentList& list) {
  list.clear();
  bool ok = false;
  try {
    ok = readInto(stream, headersOnly, list);
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  if (!ok) list.clear();
  return ok;
}

int findSegment(const JpegSegmentList& list, uint16_t id) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].id == id) return static_cast<int>(i);
  return -1;
}

bool writeSegments(const JpegSegmentList& list, ImageStream& stream) {
  if (list.size() < 2 || list[list.size() - 2].id != kJpegStartOfScan) return false;
  const JpegSegment& remainder = list.back();
  if (remainder.id != kJpegEntropyData || remainder.data.empty()) return false;
  for (size_t i = 0; i + 1 < list.size(); ++i)
    if (list[i].data.size() != list[i].length || list[i].length < 2) return false;

  static const uint8_t kStart[] = {0xFF, 0xD8};
  static const uint8_t kJfif300[] = {0xFF, 0xE0, 0x00, 0x10, 'J',  'F',  'I',  'F',  0x00,
                                     0x01, 0x01, 0x01, 0x01, 0x2C, 0x01, 0x2C, 0x00, 0x00};
  if (!stream.write(kStart, sizeof kStart)) return false;
  if (list.front().id != kJpegJfif && list.front().id != kJpegExif && !stream.write(kJfif300, sizeof kJfif300))
    return false;
  for (size_t i = 0; i + 1 < list.size(); ++i) {
    const uint8_t marker[2] = {0xFF, list[i].marker()};
    if (!stream.write(marker, 2) || !stream.write(list[i].data.data(), list[i].data.size())) return false;
  }
  return stream.write(remainder.data.data(), remainder.data.size());
}

}  // namespace tavoro
