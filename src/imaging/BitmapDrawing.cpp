#include "BitmapDrawing.h"

#include <cstring>
#include <vector>

#include "AreaAverage.h"

namespace tavoro {
namespace {

// Hands out source rows as blue-green-red bytes starting at the left edge of
// the source rectangle: 24-bit rows directly, other depths converted.
class SourceRows {
 public:
  SourceRows(const DibBitmap& source, const Rect& rect) : m_source(source), m_rect(rect) {
    if (source.bitsPerPixel() != 24) m_scratch.resize(static_cast<size_t>(rect.width()) * 3);
  }
  const uint8_t* get(int y) {
    if (m_scratch.empty()) return m_source.row(y) + 3 * static_cast<size_t>(m_rect.left);
    uint8_t* out = m_scratch.data();
    for (int x = m_rect.left; x < m_rect.right; ++x, out += 3) {
      const Bgra c = m_source.color(x, y);
      out[0] = c.blue;
      out[1] = c.green;
      out[2] = c.red;
    }
    return m_scratch.data();
  }

 private:
  const DibBitmap& m_source;
  Rect m_rect;
  std::vector<uint8_t> m_scratch;
};

class DestRow {
 public:
  explicit DestRow(DibBitmap& dest)
      : m_dest(dest), m_step(dest.bitsPerPixel() / 8), m_fourth(dest.mask(DibBitmap::kAlpha) ? 0xFF : 0) {}
  uint8_t* at(int x, int y) { return m_dest.row(y) + static_cast<size_t>(x) * m_step; }
  int step() const { return m_step; }
  void put(uint8_t* p, uint8_t b, uint8_t g, uint8_t r) const {
    p[0] = b;
    p[1] = g;
    p[2] = r;
    if (m_step == 4) p[3] = m_fourth;
  }

 private:
  DibBitmap& m_dest;
  int m_step;
  uint8_t m_fourth;
};

void drawAreaAverage(DestRow& out, const Rect& destRect, const Rect& visible, SourceRows& rows, const Rect& srcRect) {
  const int srcW = srcRect.width(), srcH = srcRect.height();
  const int dstW = destRect.width(), dstH = destRect.height();
  const std::vector<AreaSpan> columns = areaSpans(srcW, dstW);
  const std::vector<AreaSpan> lines = areaSpans(srcH, dstH);
  const int from = visible.left - destRect.left, to = visible.right - destRect.left;
  const size_t n = static_cast<size_t>(to - from) * 3;
  const uint64_t total = uint64_t(srcW) * uint64_t(srcH);

  // Two cached row sums: a source row shared by neighbouring destination
  // rows is summed once.
  std::vector<uint32_t> cache[2] = {std::vector<uint32_t>(n), std::vector<uint32_t>(n)};
  int cachedRow[2] = {-1, -1};
  int next = 0;
  auto rowSums = [&](int y) -> const uint32_t* {
    for (int k = 0; k < 2; ++k)
      if (cachedRow[k] == y) return cache[k].data();
    const int k = next;
    next ^= 1;
    sumAreaRow(rows.get(srcRect.top + y), columns, static_cast<uint32_t>(dstW), from, to, cache[k].data());
    cachedRow[k] = y;
    return cache[k].data();
  };

  std::vector<uint64_t> acc(n);
  for (int dy = visible.top; dy < visible.bottom; ++dy) {
    const AreaSpan& s = lines[static_cast<size_t>(dy - destRect.top)];
    std::fill(acc.begin(), acc.end(), 0);
    for (int y = s.first; y <= s.last; ++y) {
      const uint64_t w = areaWeight(s, y, dstH);
      const uint32_t* sums = rowSums(y);
      for (size_t i = 0; i < n; ++i) acc[i] += sums[i] * w;
    }
    uint8_t* p = out.at(visible.left, dy);
    for (size_t i = 0; i < n; i += 3, p += out.step())
      out.put(p, areaAverage(acc[i], total), areaAverage(acc[i + 1], total), areaAverage(acc[i + 2], total));
  }
}

// The source pixel whose centre is nearest to the centre of destination pixel j.
int nearest(int j, int srcLen, int dstLen) {
  return static_cast<int>((2 * int64_t{j} + 1) * srcLen / (2 * int64_t{dstLen}));
}

void drawNearest(DestRow& out, const Rect& destRect, const Rect& visible, SourceRows& rows, const Rect& srcRect) {
  std::vector<int> columns;
  for (int dx = visible.left; dx < visible.right; ++dx)
    columns.push_back(nearest(dx - destRect.left, srcRect.width(), destRect.width()));
  for (int dy = visible.top; dy < visible.bottom; ++dy) {
    const uint8_t* src = rows.get(srcRect.top + nearest(dy - destRect.top, srcRect.height(), destRect.height()));
    uint8_t* p = out.at(visible.left, dy);
    for (int sx : columns) {
      const uint8_t* q = src + 3 * static_cast<size_t>(sx);
      out.put(p, q[0], q[1], q[2]);
      p += out.step();
    }
  }
}

void drawCopy(DibBitmap& dest, DestRow& out, const Rect& destRect, const Rect& visible, SourceRows& rows,
              const Rect& srcRect) {
  const int dx0 = visible.left - destRect.left;
  for (int dy = visible.top; dy < visible.bottom; ++dy) {
    const uint8_t* src = rows.get(srcRect.top + dy - destRect.top) + 3 * static_cast<size_t>(dx0);
    uint8_t* p = out.at(visible.left, dy);
    if (dest.bitsPerPixel() == 24) {
      std::memcpy(p, src, static_cast<size_t>(visible.width()) * 3);
      continue;
    }
    for (int x = 0; x < visible.width(); ++x, src += 3, p += out.step()) out.put(p, src[0], src[1], src[2]);
  }
}

}  // namespace

bool stretchBitmap(DibBitmap& dest, const Rect& destRect, const DibBitmap& source, const Rect& sourceRect,
                   bool smooth) {
  if (!dest.isValid() || !source.isValid() || &dest == &source) return false;
  if (dest.bitsPerPixel() != 24 && dest.bitsPerPixel() != 32) return false;
  if (destRect.isEmpty() || sourceRect.isEmpty()) return false;
  if (!Rect::ofSize({source.width(), source.height()}).contains(sourceRect)) return false;
  const Rect visible = destRect.intersected(Rect::ofSize({dest.width(), dest.height()}));
  if (visible.isEmpty()) return true;  // nothing of it lies on the bitmap

  SourceRows rows(source, sourceRect);
  DestRow out(dest);
  if (destRect.width() == sourceRect.width() && destRect.height() == sourceRect.height())
    drawCopy(dest, out, destRect, visible, rows, sourceRect);
  else if (smooth)
    drawAreaAverage(out, destRect, visible, rows, sourceRect);
  else
    drawNearest(out, destRect, visible, rows, sourceRect);
  return true;
}

bool draw(DibBitmap& dest, const Rect& destRect, const DibBitmap& source) {
  return stretchBitmap(dest, destRect, source, Rect::ofSize({source.width(), source.height()}), source.smoothStretch());
}

bool draw(DibBitmap& dest, const Rect& destRect, const DibBitmap& source, const Rect& sourceRect) {
  return stretchBitmap(dest, destRect, source, sourceRect, source.smoothStretch() && source.bitsPerPixel() > 8);
}

bool blit(DibBitmap& dest, int x, int y, const DibBitmap& source, const Rect& clip) {
  if (!source.isValid() || clip.isEmpty()) return false;
  const Rect placed{x, y, x + source.width(), y + source.height()};
  const Rect shown = placed.intersected(clip);
  if (shown.isEmpty()) return dest.isValid();
  const Rect from{shown.left - x, shown.top - y, shown.right - x, shown.bottom - y};
  return stretchBitmap(dest, shown, source, from, false);
}

}  // namespace tavoro
