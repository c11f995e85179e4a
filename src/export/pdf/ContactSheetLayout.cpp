#include "ContactSheetLayout.h"

#include <algorithm>

namespace tavoro {

std::vector<SheetPage> layOutSheet(const WardrobeSnapshot& snapshot, size_t cellsPerPage) {
  std::vector<SheetPage> pages;
  cellsPerPage = std::max<size_t>(cellsPerPage, 1);
  for (size_t c = 0; c < snapshot.collections.size(); ++c) {
    const size_t items = snapshot.collections[c].items.size();
    size_t first = 0, page = 0;
    do {
      pages.push_back({c, first, std::min(cellsPerPage, items - first), page++});
      first += cellsPerPage;
    } while (first < items);
  }
  if (pages.empty()) pages.push_back({snapshot.collections.size(), 0, 0, 0});
  return pages;
}

}  // namespace tavoro
