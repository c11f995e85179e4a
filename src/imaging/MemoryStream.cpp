#include "MemoryStream.h"

#include <cstring>
#include <new>
#include <stdexcept>

namespace tavoro {

MemoryStream::MemoryStream(const void* data, size_t size)
    : m_data(static_cast<const uint8_t*>(data)), m_size(data ? size : 0), m_readOnly(true) {}

std::vector<uint8_t> MemoryStream::takeBuffer() {
  std::vector<uint8_t> out;
  out.swap(m_buffer);
  m_position = 0;
  return out;
}

size_t MemoryStream::read(void* buffer, size_t count) {
  const size_t total = static_cast<size_t>(size());
  if (m_position >= total || count == 0) return 0;
  const size_t n = std::min(count, total - m_position);
  std::memcpy(buffer, bytes() + m_position, n);
  m_position += n;
  return n;
}

bool MemoryStream::write(const void* data, size_t count) {
  if (m_readOnly) return false;
  if (count == 0) return true;
  try {
    if (m_position + count > m_buffer.size()) m_buffer.resize(m_position + count);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  std::memcpy(m_buffer.data() + m_position, data, count);
  m_position += count;
  return true;
}

bool MemoryStream::seek(uint64_t position) {
  if (position > size()) return false;
  m_position = static_cast<size_t>(position);
  return true;
}

}  // namespace tavoro
