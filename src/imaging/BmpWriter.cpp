#include "BmpWriter.h"

#include <cstring>
#include <limits>
#include <new>

#include "BitmapHeader.h"
#include "ByteOrder.h"

namespace tavoro {

bool BmpRowWriter::begin(Size size, int channels) {
  if (size.width <= 0 || size.height <= 0 || (channels != 3 && channels != 4)) return false;
  const int bits = channels * 8;
  const uint64_t stride = (uint64_t(bits) * uint64_t(size.width) + 31) / 32 * 4;
  const uint64_t pixelBytes = stride * uint64_t(size.height);
  const uint64_t fileSize = 14 + 40 + pixelBytes;
  if (fileSize > std::numeric_limits<uint32_t>::max()) return false;
  try {
    m_line.assign(static_cast<size_t>(stride), 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  uint8_t head[14 + 40] = {};
  head[0] = 'B';
  head[1] = 'M';
  writeLe32(&head[2], static_cast<uint32_t>(fileSize));
  writeLe32(&head[10], 14 + 40);
  BitmapInfoHeader h;
  h.width = size.width;
  h.height = size.height;
  h.bitCount = static_cast<uint16_t>(bits);
  h.sizeImage = static_cast<uint32_t>(pixelBytes);
  storeInfoHeader(h, &head[14]);
  m_size = size;
  m_rowBytes = static_cast<size_t>(size.width) * static_cast<size_t>(channels);
  m_pixelStart = m_stream.position() + sizeof head;
  m_next = 0;
  m_failed = !m_stream.write(head, sizeof head);
  // A stream that cannot seek past its end (memory) gets the pixel area
  // first, zero-filled.
  if (!m_failed && !m_stream.seek(m_pixelStart + pixelBytes))
    for (uint64_t done = 0; done < pixelBytes && !m_failed; done += m_line.size())
      m_failed = !m_stream.write(m_line.data(), m_line.size());
  return !m_failed;
}

bool BmpRowWriter::addRow(const uint8_t* row) {
  if (m_failed || m_next >= m_size.height) return false;
  // The top row is the last in the file.
  const uint64_t at = m_pixelStart + uint64_t(m_size.height - 1 - m_next) * m_line.size();
  std::memcpy(m_line.data(), row, m_rowBytes);
  m_failed = !m_stream.seek(at) || !m_stream.write(m_line.data(), m_line.size());
  ++m_next;
  return !m_failed;
}

bool BmpRowWriter::finish() {
  if (m_failed || m_next != m_size.height) return false;
  return m_stream.seek(m_pixelStart + uint64_t(m_size.height) * m_line.size());
}

}  // namespace tavoro
