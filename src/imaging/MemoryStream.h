// An ImageStream in memory: either over the caller's bytes (read-only; the
// bytes must outlive the stream) or over a buffer of its own that writes grow.
// Not thread-safe.
#pragma once

#include <cstdint>
#include <vector>

#include "ImageStream.h"

namespace tavoro {

class MemoryStream : public ImageStream {
 public:
  MemoryStream() = default;  // empty and writable
  MemoryStream(const void* data, size_t size);

  // The bytes written so far (empty for a read-only stream).
  const std::vector<uint8_t>& buffer() const { return m_buffer; }
  std::vector<uint8_t> takeBuffer();

  size_t read(void* buffer, size_t count) override;
  bool write(const void* data, size_t count) override;
  bool seek(uint64_t position) override;
  uint64_t position() const override { return m_position; }
  uint64_t size() const override { return m_readOnly ? m_size : m_buffer.size(); }

 private:
  const uint8_t* bytes() const { return m_readOnly ? m_data : m_buffer.data(); }

  std::vector<uint8_t> m_buffer;
  const uint8_t* m_data = nullptr;
  size_t m_size = 0;
  size_t m_position = 0;
  bool m_readOnly = false;
};

}  // namespace tavoro
