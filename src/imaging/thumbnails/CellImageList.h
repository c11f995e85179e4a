// The "image list" of a list view: 24-bit cell bitmaps of one size, each at a
// stable index from the moment it is added until the list is cleared.
// Thread-safe: a loader thread adds while the user-interface thread paints.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "imaging/DibBitmap.h"
#include "platform/Geometry.h"

namespace tavoro {

class CellImageList {
 public:
  // Room for capacity cells is reserved up front (at least one).
  CellImageList(Size cell, size_t capacity);
  CellImageList(const CellImageList&) = delete;
  CellImageList& operator=(const CellImageList&) = delete;

  Size cellSize() const { return m_cell; }
  // The index of the new image; -1 for a bitmap that is not a 24-bit bitmap
  // of the cell size.
  int add(DibBitmap cell);
  // The image at index, shared so that it outlives a clear while painted;
  // null for an index that is not in the list.
  std::shared_ptr<const DibBitmap> at(int index) const;
  int count() const;

 private:
  const Size m_cell;
  mutable std::mutex m_mutex;
  std::vector<std::shared_ptr<const DibBitmap>> m_images;
};

}  // namespace tavoro
