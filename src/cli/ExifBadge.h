// The "Exif" badge tavoro-cli draws on list cells: white letters on red,
// 14 x 7 pixels, like the program's own.
#pragma once

#include "imaging/DibBitmap.h"

namespace tavoro::cli {

// A 24-bit bitmap; invalid only when memory runs out.
DibBitmap makeExifBadge();

}  // namespace tavoro::cli
