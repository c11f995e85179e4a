// The spreadsheet export: one CSV file (RFC 4180, UTF-8 without byte-order
// mark, lines ended by CR LF) with one row per item. Runs on any thread: it
// reads only the snapshot.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ExportProgress.h"
#include "WardrobeSnapshot.h"

namespace tavoro {

// The header row's names: "Collection", "Item", then the tags of every
// collection (a name shared by several collections is one column; a name
// repeated within one collection gets a column per repetition), then
// "Photos", "First Photo", "Wear Count", "Last Worn".
std::vector<std::wstring> csvColumns(const WardrobeSnapshot& snapshot);

// Writes the new file at path (which must not exist). Progress counts
// items. A cancelled or failed export leaves nothing at path.
ExportResult exportCsv(const WardrobeSnapshot& snapshot, std::wstring_view path, const ProgressCallback& progress);

}  // namespace tavoro
