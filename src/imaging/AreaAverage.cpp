#include "AreaAverage.h"

namespace tavoro {

std::vector<AreaSpan> areaSpans(int srcLen, int dstLen) {
  std::vector<AreaSpan> spans(static_cast<size_t>(dstLen));
  for (int j = 0; j < dstLen; ++j) {
    const int64_t lo = int64_t{j} * srcLen;
    const int64_t hi = lo + srcLen;
    AreaSpan& s = spans[static_cast<size_t>(j)];
    s.first = static_cast<int>(lo / dstLen);
    s.last = static_cast<int>((hi - 1) / dstLen);
    if (s.first == s.last) {
      s.firstWeight = static_cast<uint32_t>(srcLen);
    } else {
      s.firstWeight = static_cast<uint32_t>(int64_t{s.first + 1} * dstLen - lo);
      s.lastWeight = static_cast<uint32_t>(hi - int64_t{s.last} * dstLen);
    }
  }
  return spans;
}

void sumAreaRow(const uint8_t* row, const std::vector<AreaSpan>& spans, uint32_t fullWeight, int from, int to,
                uint32_t* sums) {
  for (int j = from; j < to; ++j, sums += 3) {
    const AreaSpan& s = spans[static_cast<size_t>(j)];
    const uint8_t* p = row + 3 * static_cast<size_t>(s.first);
    uint32_t b = p[0] * s.firstWeight, g = p[1] * s.firstWeight, r = p[2] * s.firstWeight;
    if (s.last != s.first) {
      uint32_t fb = 0, fg = 0, fr = 0;
      const uint8_t* q = p + 3;
      for (int i = s.first + 1; i < s.last; ++i, q += 3) {
        fb += q[0];
        fg += q[1];
        fr += q[2];
      }
      const uint8_t* e = row + 3 * static_cast<size_t>(s.last);
      b += fb * fullWeight + e[0] * s.lastWeight;
      g += fg * fullWeight + e[1] * s.lastWeight;
      r += fr * fullWeight + e[2] * s.lastWeight;
    }
    sums[0] = b;
    sums[1] = g;
    sums[2] = r;
  }
}

}  // namespace tavoro
