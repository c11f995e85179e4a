// The byte streams the codecs and the metadata reader work on: reading,
// writing, seeking to an absolute position, and the size. Implementations:
// FileStream and MemoryStream. Not thread-safe (one stream, one thread).
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavoro {

class ImageStream {
 public:
  virtual ~ImageStream() = default;
  // Up to count bytes; fewer at the end of the data or after an error. Never throws.
  virtual size_t read(void* buffer, size_t count) = 0;
  // All count bytes at the current position, or false. Never throws.
  virtual bool write(const void* data, size_t count) = 0;
  // Positions beyond the end are refused for reading streams.
  virtual bool seek(uint64_t position) = 0;
  virtual uint64_t position() const = 0;
  virtual uint64_t size() const = 0;

  uint64_t remaining() const {
    const uint64_t at = position(), total = size();
    return at < total ? total - at : 0;
  }
};

}  // namespace tavoro
