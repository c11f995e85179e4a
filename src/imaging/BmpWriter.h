// The BMP encoder as a row sink: a 24-bit file, or 32-bit for rows of four
// channels, as BmpCodec writes a bitmap of that depth. BMP files store the
// bottom row first, so each row is written at its place in the file: the
// stream must be able to seek while writing (files and memory can).
// Not thread-safe: one writer writes one file.
#pragma once

#include <cstdint>
#include <vector>

#include "ImageStream.h"
#include "RowSink.h"

namespace tavoro {

class BmpRowWriter : public RowSink {
 public:
  explicit BmpRowWriter(ImageStream& stream) : m_stream(stream) {}

  bool begin(Size size, int channels) override;
  bool addRow(const uint8_t* row) override;
  bool finish() override;

 private:
  ImageStream& m_stream;
  Size m_size;
  uint64_t m_pixelStart = 0;
  size_t m_rowBytes = 0;  // of the data, without padding
  int m_next = 0;         // the next row, from the top
  std::vector<uint8_t> m_line;
  bool m_failed = true;
};

}  // namespace tavoro
