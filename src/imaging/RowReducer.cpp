#include "RowReducer.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "BitmapFitting.h"

namespace tavoro {

bool reducedDecodeSize(Size box, Size picture, Size& target) {
  if (box.width <= 0 || box.height <= 0 || (picture.width <= box.width && picture.height <= box.height)) return false;
  target = fitSize(box, picture);
  return target.width > 0 && target.height > 0;
}

uint64_t RowReducer::sumBytes(Size target, Order order) {
  const uint64_t row = uint64_t(std::max(target.width, 0)) * 3 * sizeof(uint64_t);
  return row * (order == Order::Any ? uint64_t(std::max(target.height, 0)) : 2);
}

bool RowReducer::start(Size source, Size target, Order order) {
  m_result.release();
  if (source.width <= 0 || source.height <= 0 || target.width <= 0 || target.height <= 0 ||
      target.width > source.width || target.height > source.height)
    return false;
  m_source = source;
  m_target = target;
  m_order = order;
  m_rowsAdded = 0;
  const size_t n = static_cast<size_t>(target.width) * 3;
  try {
    m_columns = areaSpans(source.width, target.width);
    m_lines = areaSpans(source.height, target.height);
    m_row.assign(static_cast<size_t>(source.width) * 3, 0);
    m_sums.assign(n, 0);
    m_acc.assign(n * (order == Order::Any ? static_cast<size_t>(target.height) : 2), 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return m_result.create(target.width, target.height, 24);
}

uint8_t* RowReducer::rowBuffer() { return m_row.data(); }

void RowReducer::addRow(int y, const uint8_t* bgr) {
  if (y < 0 || y >= m_source.height || m_acc.empty()) return;
  // Rows that come bottom-up are the rows of the picture turned upside down,
  // coming top-down: area averaging gives the same weights either way up.
  const int at = m_order == Order::BottomUp ? m_source.height - 1 - y : y;
  sumAreaRow(bgr, m_columns, static_cast<uint32_t>(m_target.width), 0, m_target.width, m_sums.data());
  const int64_t srcH = m_source.height, dstH = m_target.height;
  const int first = static_cast<int>(at * dstH / srcH);
  const int last = static_cast<int>(((at + 1) * dstH - 1) / srcH);
  for (int j = first; j <= last; ++j) addToTarget(j, at, m_sums.data());
  ++m_rowsAdded;
  if (m_order == Order::Any && bgr == m_row.data()) std::fill(m_row.begin(), m_row.end(), 0);
}

void RowReducer::addToTarget(int j, int y, const uint32_t* sums) {
  const size_t n = m_sums.size();
  const AreaSpan& span = m_lines[static_cast<size_t>(j)];
  const uint64_t weight = areaWeight(span, y, m_target.height);
  uint64_t* acc = m_acc.data() + n * static_cast<size_t>(m_order == Order::Any ? j : j & 1);
  for (size_t i = 0; i < n; ++i) acc[i] += sums[i] * weight;
  if (m_order == Order::Any || y != span.last) return;
  emit(j, acc);
  std::fill(acc, acc + n, 0);
}

void RowReducer::emit(int j, const uint64_t* acc) {
  const uint64_t total = uint64_t(m_source.width) * uint64_t(m_source.height);
  uint8_t* out = m_result.row(m_order == Order::BottomUp ? m_target.height - 1 - j : j);
  for (size_t i = 0; i < m_sums.size(); ++i) out[i] = areaAverage(acc[i], total);
}

bool RowReducer::finish(DibBitmap& dest) {
  dest.release();
  if (!m_result.isValid()) return false;
  if (m_order == Order::Any) {
    for (int j = 0; j < m_target.height; ++j) emit(j, m_acc.data() + m_sums.size() * static_cast<size_t>(j));
  } else if (m_rowsAdded != m_source.height) {
    m_result.release();
    return false;
  }
  dest = std::move(m_result);
  m_acc = {};
  return true;
}

}  // namespace tavoro
