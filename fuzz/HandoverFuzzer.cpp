// Feeds arbitrary bytes to the hand-over frame reader, in pieces whose sizes
// the input chooses, and every completed frame to the block reader: neither
// may crash, read out of bounds or accept more than the frame limit.
#include <cstddef>
#include <cstdint>

#include "app/HandoverFrame.h"
#include "app/PathHandoverBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t piece = 1 + data[0] % 64;
  ++data, --size;
  tavoro::HandoverFrameReader reader;
  for (size_t at = 0; at < size && reader.state() == tavoro::HandoverFrameReader::State::Incomplete; at += piece) {
    reader.feed(data + at, piece < size - at ? piece : size - at);
  }
  if (reader.state() == tavoro::HandoverFrameReader::State::Complete) {
    if (reader.data().size() > tavoro::kHandoverMaxFrameData) __builtin_trap();
    const auto paths = tavoro::readHandover(reader.dwData(), reader.data().data(), reader.data().size());
    for (const auto& path : paths) {
      if (path.size() > tavoro::kHandoverSlotTextUnits) __builtin_trap();
    }
  }
  // The block reader alone, on the raw bytes.
  tavoro::readHandover(0, data, size);
  return 0;
}
