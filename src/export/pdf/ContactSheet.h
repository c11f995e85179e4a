// The printable contact sheet: a PDF with a page (or more) per collection, a
// grid of thumbnails with each item's name and chosen tag values, and page
// numbers, on A4 or Letter paper. Written through Qt's PDF writer.
// REQUIRES: a QGuiApplication (for fonts). Runs on any one thread at a time.
#pragma once

#include <QLocale>
#include <QPageSize>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "export/ExportProgress.h"
#include "export/WardrobeSnapshot.h"

namespace tavoro {

struct ContactSheetOptions {
  enum class Paper { FromLocale, A4, Letter };
  Paper paper = Paper::FromLocale;
  // The tags whose values are printed under each name, in this order; a
  // collection without such a tag leaves it out; an empty list prints none.
  // Unset: the first two tags of each collection.
  std::optional<std::vector<std::wstring>> tagNames;
  int columns = 4;
  int rows = 5;
};

// Letter where the locale measures in the US system, A4 everywhere else.
QPageSize::PageSizeId paperForLocale(const QLocale& locale);

// Writes the new file at path (which must not exist). Progress counts items,
// then pages. A cancelled or failed export leaves nothing at path.
ExportResult exportContactSheet(const WardrobeSnapshot& snapshot, std::wstring_view path,
                                const ContactSheetOptions& options, const ProgressCallback& progress);

}  // namespace tavoro
