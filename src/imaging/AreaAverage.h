// The arithmetic of area averaging that drawing a bitmap smaller and reducing
// a picture while it is decoded share, so that both give the same bytes.
// Destination pixel j covers the source interval [j * srcLen, (j + 1) * srcLen)
// and source pixel i the interval [i * dstLen, (i + 1) * dstLen), both in
// units of 1 / (srcLen * dstLen) of the whole; a source pixel's weight is its
// overlap with j. The weights of a destination pixel add up to srcLen, and all
// but the two end pixels carry the full weight dstLen, which lets the inner
// loop add without multiplying. Thread-safe (pure functions).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavoro {

struct AreaSpan {
  int first = 0;
  int last = 0;
  uint32_t firstWeight = 0;
  uint32_t lastWeight = 0;
};

// The span of every destination pixel along one axis.
std::vector<AreaSpan> areaSpans(int srcLen, int dstLen);

// The weight of source pixel i in the destination pixel of span s (i within it).
inline uint64_t areaWeight(const AreaSpan& s, int i, int dstLen) {
  return i == s.first ? s.firstWeight : i == s.last ? s.lastWeight : static_cast<uint64_t>(dstLen);
}

// Weighted sums (blue, green, red) of one 24-bit source row for the
// destination columns [from, to); fullWeight is the destination width.
void sumAreaRow(const uint8_t* row, const std::vector<AreaSpan>& spans, uint32_t fullWeight, int from, int to,
                uint32_t* sums);

// A channel's average from its weighted sum over a total weight, rounded.
inline uint8_t areaAverage(uint64_t sum, uint64_t total) { return static_cast<uint8_t>((sum + total / 2) / total); }

}  // namespace tavoro
