#include "CellImageList.h"

#include <algorithm>

namespace tavoro {

CellImageList::CellImageList(Size cell, size_t capacity, Remake remake, size_t kept)
    : m_cell(cell), m_remake(std::move(remake)), m_kept(std::max<size_t>(1, kept)) {
  m_slots.reserve(std::max<size_t>(1, capacity));
}

bool CellImageList::fits(const DibBitmap& cell) const {
  return cell.bitsPerPixel() == 24 && cell.width() == m_cell.width && cell.height() == m_cell.height;
}

int CellImageList::add(DibBitmap cell, std::optional<ListCellOrigin> origin) {
  if (!fits(cell)) return -1;
  auto image = std::make_shared<const DibBitmap>(std::move(cell));
  Images leaving;  // freed after the lock
  std::lock_guard lock(m_mutex);
  const int index = static_cast<int>(m_slots.size());
  Slot slot;
  slot.image = std::move(image);
  if (m_remake) slot.origin = std::move(origin);
  const bool mayLeave = slot.origin.has_value();
  m_slots.push_back(std::move(slot));
  if (mayLeave) {
    linkNewest(index);
    keepWithinLimit(leaving);
  } else {
    ++m_pinned;
  }
  return index;
}

std::shared_ptr<const DibBitmap> CellImageList::at(int index) {
  ListCellOrigin origin;
  {
    std::lock_guard lock(m_mutex);
    if (index < 0 || static_cast<size_t>(index) >= m_slots.size()) return nullptr;
    Slot& slot = m_slots[static_cast<size_t>(index)];
    if (slot.image) {
      if (slot.origin) {
        unlink(index);
        linkNewest(index);
      }
      return slot.image;
    }
    origin = *slot.origin;  // only a cell with an origin leaves memory
  }
  DibBitmap cell;
  if (!m_remake(origin, cell) || !fits(cell)) return nullptr;
  auto image = std::make_shared<const DibBitmap>(std::move(cell));
  Images leaving;
  std::lock_guard lock(m_mutex);
  Slot& slot = m_slots[static_cast<size_t>(index)];
  if (!slot.image) {  // else another thread made it meanwhile
    slot.image = std::move(image);
    linkNewest(index);
    keepWithinLimit(leaving);
  }
  return slot.image;
}

int CellImageList::count() const {
  std::lock_guard lock(m_mutex);
  return static_cast<int>(m_slots.size());
}

size_t CellImageList::cellsInMemory() const {
  std::lock_guard lock(m_mutex);
  return m_linked + m_pinned;
}

void CellImageList::unlink(int index) {
  Slot& slot = m_slots[static_cast<size_t>(index)];
  if (slot.newer >= 0)
    m_slots[static_cast<size_t>(slot.newer)].older = slot.older;
  else
    m_newest = slot.older;
  if (slot.older >= 0)
    m_slots[static_cast<size_t>(slot.older)].newer = slot.newer;
  else
    m_oldest = slot.newer;
  slot.newer = slot.older = -1;
  --m_linked;
}

void CellImageList::linkNewest(int index) {
  Slot& slot = m_slots[static_cast<size_t>(index)];
  slot.newer = -1;
  slot.older = m_newest;
  if (m_newest >= 0) m_slots[static_cast<size_t>(m_newest)].newer = index;
  m_newest = index;
  if (m_oldest < 0) m_oldest = index;
  ++m_linked;
}

void CellImageList::keepWithinLimit(Images& leaving) {
  while (m_linked > m_kept) {
    const int oldest = m_oldest;
    unlink(oldest);
    // A painter still holding the image keeps it alive until it is done.
    leaving.push_back(std::move(m_slots[static_cast<size_t>(oldest)].image));
  }
}

}  // namespace tavoro
