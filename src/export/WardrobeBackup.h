// Backing a wardrobe up into one zip file, and restoring such a file into a
// new folder. Backup stores the wardrobe file and its photo folder and reads
// every entry back (checking its CRC) before the file appears; restore
// refuses any archive that could write outside its folder, overwrite
// anything, hold links or unpack into far more than it declares. Runs on any
// thread: no model objects, only files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ExportProgress.h"

namespace tavoro {

struct BackupSummary {
  size_t files = 0;                   // entries written, the wardrobe file included
  uint64_t bytes = 0;                 // their size before compression
  std::vector<std::wstring> skipped;  // links and other entries that are not files, not stored
};

// Writes the new zip file at zipPath (which must not exist): the wardrobe
// file at its root under its own name, and the photo folder beside it
// ("_Wardrobe_Photos_/...") when there is one. Progress counts files written,
// then files checked. A cancelled or failed backup leaves nothing at zipPath.
ExportResult backupWardrobe(std::wstring_view wardrobeFile, std::wstring_view zipPath, const ProgressCallback& progress,
                            BackupSummary* summary = nullptr);

// The limits restore holds an archive to.
struct RestoreLimits {
  uint64_t maxEntries = 2'000'000;
  uint64_t maxTotalBytes = uint64_t{256} << 30;  // what all entries unpack into together
  uint64_t maxRatio = 200;                       // unpacked size to packed size of one entry...
  uint64_t ratioFloor = uint64_t{1} << 20;       // ...counted from this unpacked size on
};

// Unpacks the archive into the new folder at folder (which must not exist;
// its parent must) and sets wardrobeFile to the restored wardrobe file. The
// archive must hold exactly one wardrobe file (".twd") at its root, that
// file must read as a wardrobe, and every entry must be safe to unpack (see
// RestoreLimits and isSafeZipEntryName); else nothing is written. Progress
// counts entries. A cancelled or failed restore leaves nothing at folder.
ExportResult restoreWardrobe(std::wstring_view zipPath, std::wstring_view folder, const ProgressCallback& progress,
                             std::wstring* wardrobeFile, const RestoreLimits& limits = {});

}  // namespace tavoro
