// The marker segments of a JPEG file: reading them (all of them, or only the
// headers in front of the first table or scan), finding one by id, and writing
// a JPEG file back from a list. This is how application segments (EXIF, IPTC
// and the rest) are kept when a photo is encoded again.
// Thread-safe (no shared state); a list is used by one thread at a time.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "ImageStream.h"

namespace tavoro {

// Segment ids: the marker byte, or for recognised application segments the
// marker byte plus 0x1000. The low byte is always the marker.
enum JpegSegmentId : uint16_t {
  kJpegEntropyData = 0x0000,  // the remainder after the start of scan; no marker
  kJpegHuffmanTable = 0xC4,
  kJpegStartOfScan = 0xDA,
  kJpegQuantTable = 0xDB,
  kJpegJfif = 0x10E0,  // APP0 "JFIF"
  kJpegExif = 0x10E1,  // APP1 "Exif"
  kJpegIptc = 0x10ED,  // APP13 "Photoshop 3.0" holding an IPTC record (resource 0x0404)
};

struct JpegSegment {
  uint16_t id = 0;
  // The length as stored in the file, which counts its own two bytes; for
  // the entropy-coded remainder, the number of bytes in it.
  uint32_t length = 0;
  // The two length bytes followed by the payload (the whole remainder for
  // the entropy-coded data); empty for a segment that was skipped.
  std::vector<uint8_t> data;

  uint8_t marker() const { return static_cast<uint8_t>(id & 0xFF); }
  bool isApplication() const { return marker() >= 0xE0 && marker() <= 0xEF && id != kJpegEntropyData; }
};

using JpegSegmentList = std::deque<JpegSegment>;

// Reads the segments of the JPEG file at the stream's position into list
// (replacing what it held). headersOnly stops, successfully, at the first
// Huffman table, quantisation table or start of scan and keeps only the
// application segments' data; otherwise every segment is read, and the
// entropy-coded remainder after the start of scan becomes the last element.
// JFIF segments are dropped. On failure (not a JPEG, a marker without fill
// byte or with more than five, the end-of-image marker, a bad length, a short
// read) returns false with list empty.
bool readSegments(ImageStream& stream, bool headersOnly, JpegSegmentList& list);

// The index of the first segment with that id, or -1.
int findSegment(const JpegSegmentList& list, uint16_t id);

// Writes a JPEG file from a list read in full: the start-of-image marker, a
// 300-dpi JFIF segment unless the list starts with a JFIF or EXIF segment,
// every segment with its marker, and the entropy-coded remainder. False,
// writing nothing, when the list does not end with a start of scan and its
// remainder or a segment lacks its data; false when the stream fails.
bool writeSegments(const JpegSegmentList& list, ImageStream& stream);

}  // namespace tavoro
