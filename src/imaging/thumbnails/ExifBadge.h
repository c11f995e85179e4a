// The "Exif" badge drawn on list cells of JPEG photos that carry EXIF data:
// white letters on red, 14 x 7 pixels, 24 bits. Thread-safe (a new bitmap
// per call).
#pragma once

#include "imaging/DibBitmap.h"

namespace tavoro {

// A 24-bit bitmap; invalid only when memory runs out.
DibBitmap makeExifBadge();

}  // namespace tavoro
