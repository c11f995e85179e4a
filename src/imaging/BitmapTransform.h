// Turning and mirroring a bitmap as an EXIF orientation prescribes, so that a
// picture stored sideways is shown upright. Thread-safe for distinct bitmaps.
#pragma once

#include "DibBitmap.h"

namespace tavoro {

// Transforms the bitmap for orientation 1..8: 1 leaves it, 2 mirrors it left
// to right, 3 turns it 180 degrees, 4 mirrors it top to bottom, 5 transposes
// it, 6 turns it 90 degrees clockwise, 7 transverses it, 8 turns it 90
// degrees counter-clockwise. For depths of 8, 16, 24 and 32 bits. False, with
// the bitmap unchanged, for another orientation, depth or an invalid bitmap.
bool applyOrientation(DibBitmap& bitmap, int orientation);

}  // namespace tavoro
