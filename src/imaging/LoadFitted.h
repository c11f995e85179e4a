// Making a thumbnail-sized bitmap of a photo file: the embedded EXIF thumbnail
// of a JPEG when it has one, else the decoded photo, fitted into a box and
// turned upright. Thread-safe (no shared state).
#pragma once

#include <string_view>

#include "DibBitmap.h"
#include "platform/Geometry.h"

namespace tavoro {

// Fills dest with a 24-bit picture of the file no larger than the box (the
// box must be at least 4 x 4). A JPEG's EXIF thumbnail is used as it is when
// it fits the box and shrunk with smoothing when it does not; otherwise the
// file is decoded and fitted (shrunk, never enlarged). A JPEG comes turned
// as its EXIF orientation says either way. False, with dest
// released, when the file cannot be decoded or is of a kind without codec.
bool loadFitted(DibBitmap& dest, std::wstring_view path, Size box);

}  // namespace tavoro
