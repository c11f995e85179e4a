#include "PathHandoverBlock.h"

#include <cstring>

namespace tavoro {

namespace {

constexpr char kMagic[4] = {'K', 'T', 'P', 'P'};

void putUint32(uint8_t* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t getUint32(const uint8_t* in) {
  return static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 | static_cast<uint32_t>(in[2]) << 16 |
         static_cast<uint32_t>(in[3]) << 24;
}

// UTF-16 units of text; false when it holds a zero or needs more than limit.
// A lone surrogate (how file names that are not UTF-8 are held in memory)
// is written as the single unit it is, so it comes back unchanged.
bool toUtf16(const std::wstring& text, size_t limit, std::vector<uint16_t>& units) {
  units.clear();
  for (wchar_t w : text) {
    const auto c = static_cast<uint32_t>(w);
    if (c == 0 || c > 0x10FFFF) return false;
    if (c >= 0x10000) {
      units.push_back(static_cast<uint16_t>(0xD800 + ((c - 0x10000) >> 10)));
      units.push_back(static_cast<uint16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      units.push_back(static_cast<uint16_t>(c));
    }
    if (units.size() > limit) return false;
  }
  return true;
}

std::wstring slotText(const uint8_t* slot) {
  std::wstring text;
  size_t i = 0;
  auto unitAt = [slot](size_t k) { return static_cast<uint16_t>(slot[2 * k] | slot[2 * k + 1] << 8); };
  while (i < kHandoverSlotTextUnits) {
    const uint16_t u = unitAt(i);
    if (u == 0) break;
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < kHandoverSlotTextUnits) {
      const uint16_t low = unitAt(i + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        text.push_back(static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00)));
        i += 2;
        continue;
      }
    }
    text.push_back(static_cast<wchar_t>(u));
    ++i;
  }
  return text;
}

}  // namespace

std::vector<uint8_t> buildHandoverBlock(const std::vector<std::wstring>& paths) {
  std::vector<std::vector<uint16_t>> fitting;
  std::vector<uint16_t> units;
  for (const std::wstring& path : paths) {
    if (toUtf16(path, kHandoverSlotTextUnits, units)) fitting.push_back(units);
  }
  if (fitting.empty()) return {};
  const size_t size = kHandoverHeaderBytes + kHandoverSlotBytes * fitting.size();
  std::vector<uint8_t> block(size, 0);
  std::memcpy(block.data(), kMagic, 4);
  putUint32(block.data() + 4, static_cast<uint32_t>(size));
  putUint32(block.data() + 8, static_cast<uint32_t>(fitting.size()));
  for (size_t s = 0; s < fitting.size(); ++s) {
    uint8_t* slot = block.data() + kHandoverHeaderBytes + kHandoverSlotBytes * s;
    for (size_t k = 0; k < fitting[s].size(); ++k) {
      slot[2 * k] = static_cast<uint8_t>(fitting[s][k]);
      slot[2 * k + 1] = static_cast<uint8_t>(fitting[s][k] >> 8);
    }
  }
  return block;
}

std::vector<std::wstring> readHandover(uint32_t dwData, const uint8_t* block, size_t size) {
  if (dwData != 0 || block == nullptr || size < kHandoverHeaderBytes) return {};
  if (std::memcmp(block, kMagic, 4) != 0 || getUint32(block + 4) != size) return {};
  const uint64_t count = getUint32(block + 8);
  // The count must not reach past the block: a sender that claims more slots
  // than it sent would otherwise have us read beyond the data received.
  if (count == 0 || kHandoverHeaderBytes + kHandoverSlotBytes * count > size) return {};
  std::vector<std::wstring> paths;
  paths.reserve(count);
  for (uint64_t s = 0; s < count; ++s) paths.push_back(slotText(block + kHandoverHeaderBytes + kHandoverSlotBytes * s));
  return paths;
}

}  // namespace tavoro
