// Reading BMP files (used by BmpCodec): the file and info headers, masks and
// palette, plain and run-length pixel data, and the conversion to 24 bits.
// Raises ImagingError on any malformed or truncated file.
// Thread-safe (no shared state).
#pragma once

#include <cstdint>

#include "DibBitmap.h"
#include "ImageStream.h"
#include "platform/Geometry.h"

namespace tavoro {

struct BmpFileInfo {
  int width = 0;
  int height = 0;  // absolute
  int bitsPerPixel = 0;
};

// A band of the picture's rows: from `first` (0 the top row) as many as
// `bytes` holds with their alpha, at least one.
struct BmpBand {
  int first = 0;
  int64_t bytes = 0;
};

// Reads the headers into info; unless infoOnly, also the pixels into color
// (24 bits) and, for a 32-bit file with alpha and a non-null alpha, into an
// 8-bit alpha plane. A picture larger than box (when it has an area) is
// reduced into it while its rows are read, without alpha plane. With a band
// the box is ignored and color (and alpha) hold only the band's rows, the
// others being read and dropped; whether alpha is kept is decided by the
// whole file all the same.
void readBmp(ImageStream& stream, bool infoOnly, Size box, BmpFileInfo& info, DibBitmap& color, DibBitmap* alpha,
             const BmpBand* band = nullptr);

}  // namespace tavoro
