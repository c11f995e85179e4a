// Fitting a picture into a box without changing its proportions, and making
// the fitted copy of a bitmap. Thread-safe for distinct bitmaps.
#pragma once

#include "DibBitmap.h"
#include "platform/Geometry.h"

namespace tavoro {

// The largest size of the image's proportions that fits the box: one side
// equals the box's, the other is scaled (in single precision) and truncated,
// but never below 1. (0, 0) when the image or the box has no area.
Size fitSize(Size box, Size image);

// Makes dest a 24-bit copy of source fitted into the box: shrunk with area
// averaging when the source is larger than the box, never enlarged. False,
// with dest released, when the box has no area or the source is not valid.
bool scaleToFit(DibBitmap& dest, const DibBitmap& source, Size box);

}  // namespace tavoro
