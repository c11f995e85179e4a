// The "image list" of a list view: 24-bit cell bitmaps of one size, each at a
// stable index from the moment it is added until the list is cleared.
// A cell whose thumbnail lies in the store need not stay in memory: only the
// cells used most recently (added or asked for) are kept, up to a limit, and
// one that was let go is made again from the store when it is asked for.
// Cells without an origin (placeholders, thumbnails the store could not
// keep) stay in memory. Thread-safe: a loader thread adds while the
// user-interface thread paints, and neither waits for the other's work.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "ListThumbnailJob.h"
#include "imaging/DibBitmap.h"
#include "platform/Geometry.h"

namespace tavoro {

class CellImageList {
 public:
  // Makes a cell again from its origin; called by at(), without the list's
  // lock, possibly on several threads at once.
  using Remake = std::function<bool(const ListCellOrigin& origin, DibBitmap& cell)>;
  // Cells with an origin kept in memory: a few screens full.
  static constexpr size_t kDefaultKept = 512;

  // Room for capacity cells is reserved up front (at least one); at most
  // kept cells with an origin (at least one) stay in memory. Without remake
  // every cell stays.
  CellImageList(Size cell, size_t capacity, Remake remake = {}, size_t kept = kDefaultKept);
  CellImageList(const CellImageList&) = delete;
  CellImageList& operator=(const CellImageList&) = delete;

  Size cellSize() const { return m_cell; }
  // The index of the new image; -1 for a bitmap that is not a 24-bit bitmap
  // of the cell size. With an origin the cell may leave memory later.
  int add(DibBitmap cell, std::optional<ListCellOrigin> origin = std::nullopt);
  // The image at index, shared so that it outlives a clear while painted,
  // made again when it had left memory; null for an index that is not in
  // the list, or a cell that could not be made again.
  std::shared_ptr<const DibBitmap> at(int index);
  int count() const;
  // How many cells are in memory now, for tests and diagnostics.
  size_t cellsInMemory() const;

 private:
  struct Slot {
    std::shared_ptr<const DibBitmap> image;  // null while out of memory
    std::optional<ListCellOrigin> origin;    // none: never leaves memory
    // Neighbours in the order of use among the cells in memory that may
    // leave it (-1 at either end).
    int newer = -1;
    int older = -1;
  };

  bool fits(const DibBitmap& cell) const;
  using Images = std::vector<std::shared_ptr<const DibBitmap>>;
  // The caller holds m_mutex for these.
  void unlink(int index);
  void linkNewest(int index);
  // The cells let go are moved to leaving, to be freed after the lock.
  void keepWithinLimit(Images& leaving);

  const Size m_cell;
  const Remake m_remake;
  const size_t m_kept;
  mutable std::mutex m_mutex;
  // Guarded by m_mutex.
  std::vector<Slot> m_slots;
  int m_newest = -1;
  int m_oldest = -1;
  size_t m_linked = 0;  // cells in memory that may leave it
  size_t m_pinned = 0;  // cells that stay in memory
};

}  // namespace tavoro
