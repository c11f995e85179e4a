#include "CellImageList.h"

#include <algorithm>

namespace tavoro {

CellImageList::CellImageList(Size cell, size_t capacity) : m_cell(cell) {
  m_images.reserve(std::max<size_t>(1, capacity));
}

int CellImageList::add(DibBitmap cell) {
  if (cell.bitsPerPixel() != 24 || cell.width() != m_cell.width || cell.height() != m_cell.height) return -1;
  auto image = std::make_shared<const DibBitmap>(std::move(cell));
  std::lock_guard lock(m_mutex);
  m_images.push_back(std::move(image));
  return static_cast<int>(m_images.size()) - 1;
}

std::shared_ptr<const DibBitmap> CellImageList::at(int index) const {
  std::lock_guard lock(m_mutex);
  if (index < 0 || static_cast<size_t>(index) >= m_images.size()) return nullptr;
  return m_images[static_cast<size_t>(index)];
}

int CellImageList::count() const {
  std::lock_guard lock(m_mutex);
  return static_cast<int>(m_images.size());
}

}  // namespace tavoro
