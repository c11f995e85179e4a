#include "HandoverFrame.h"

#include <algorithm>

namespace tavoro {

namespace {

void appendUint32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t readUint32(const uint8_t* in) {
  return static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 | static_cast<uint32_t>(in[2]) << 16 |
         static_cast<uint32_t>(in[3]) << 24;
}

}  // namespace

std::vector<uint8_t> encodeHandoverFrame(uint32_t dwData, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> frame;
  frame.reserve(8 + data.size());
  appendUint32(frame, dwData);
  appendUint32(frame, static_cast<uint32_t>(data.size()));
  frame.insert(frame.end(), data.begin(), data.end());
  return frame;
}

HandoverFrameReader::State HandoverFrameReader::feed(const uint8_t* bytes, size_t count) {
  if (m_state != State::Incomplete) {
    if (count > 0) m_state = State::Malformed;
    return m_state;
  }
  while (count > 0 && m_headerBytes < sizeof m_header) {
    m_header[m_headerBytes++] = *bytes++;
    --count;
  }
  if (m_headerBytes < sizeof m_header) return m_state;
  if (m_data.empty()) {
    m_dwData = readUint32(m_header);
    m_cbData = readUint32(m_header + 4);
    if (m_cbData > kHandoverMaxFrameData) return m_state = State::Malformed;
  }
  const size_t wanted = m_cbData - m_data.size();
  if (count > wanted) return m_state = State::Malformed;
  m_data.insert(m_data.end(), bytes, bytes + count);
  if (m_data.size() == m_cbData) m_state = State::Complete;
  return m_state;
}

}  // namespace tavoro
