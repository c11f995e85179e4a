// Drawing one bitmap into another: an exact copy when source and destination
// rectangles have the same size, otherwise a stretch that averages areas when
// the source's smooth-stretch flag is set and takes the nearest pixel when not.
// The destination must be a 24- or 32-bit bitmap; the source may have any depth.
// Not thread-safe for one destination; separate bitmaps may be drawn at once.
#pragma once

#include "DibBitmap.h"
#include "platform/Geometry.h"

namespace tavoro {

// The whole source into destRect of dest. Parts of destRect outside dest are
// clipped away. False, drawing nothing, for an invalid bitmap, an empty
// rectangle or a destination of another depth.
bool draw(DibBitmap& dest, const Rect& destRect, const DibBitmap& source);

// sourceRect of the source into destRect of dest. Smoothing applies only to
// sources of more than 8 bits a pixel. False also when sourceRect does not lie
// inside the source.
bool draw(DibBitmap& dest, const Rect& destRect, const DibBitmap& source, const Rect& sourceRect);

// The source unscaled with its top-left corner at (x, y), limited to the clip
// rectangle of dest.
bool blit(DibBitmap& dest, int x, int y, const DibBitmap& source, const Rect& clip);

// The drawing the three above share; smooth chooses area averaging.
bool stretchBitmap(DibBitmap& dest, const Rect& destRect, const DibBitmap& source, const Rect& sourceRect, bool smooth);

}  // namespace tavoro
