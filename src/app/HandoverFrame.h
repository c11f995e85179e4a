// The frame that carries a hand-over over the local socket: 4 bytes dwData,
// 4 bytes cbData (both little-endian), then cbData bytes of block; cbData 0
// asks the running instance only to come to the front. The reader takes the
// bytes as they arrive and refuses a frame that could not be a hand-over.
// Not thread-safe: one reader per connection.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "PathHandoverBlock.h"

namespace tavoro {

// A hand-over carries at most this many path slots; anything larger is not
// ours and is dropped before it is read into memory.
inline constexpr size_t kHandoverMaxSlots = 256;
inline constexpr size_t kHandoverMaxFrameData = kHandoverHeaderBytes + kHandoverSlotBytes * kHandoverMaxSlots;
// The running instance's answer to every frame it read: 4 bytes, the value 1.
inline constexpr uint32_t kHandoverAnswer = 1;

std::vector<uint8_t> encodeHandoverFrame(uint32_t dwData, const std::vector<uint8_t>& data);

class HandoverFrameReader {
 public:
  enum class State { Incomplete, Complete, Malformed };

  // Appends received bytes. Malformed (for good) when cbData is larger than
  // kHandoverMaxFrameData or bytes arrive after the frame's end.
  State feed(const uint8_t* bytes, size_t count);
  State state() const { return m_state; }

  // Valid once Complete.
  uint32_t dwData() const { return m_dwData; }
  const std::vector<uint8_t>& data() const { return m_data; }

 private:
  State m_state = State::Incomplete;
  uint8_t m_header[8] = {};
  size_t m_headerBytes = 0;
  uint32_t m_dwData = 0;
  uint32_t m_cbData = 0;
  std::vector<uint8_t> m_data;
};

}  // namespace tavoro
