#include "ThumbnailBmp.h"

#include "imaging/BmpCodec.h"
#include "imaging/DibBitmap.h"

namespace tavoro {

bool encodeThumbnail(const DibBitmap& thumbnail, std::vector<uint8_t>& bmp) {
  if (thumbnail.bitsPerPixel() != 24) return false;
  bmp.clear();
  return BmpCodec::encodeToMemory(thumbnail, bmp);
}

bool decodeThumbnail(const uint8_t* bmp, size_t size, DibBitmap& thumbnail) {
  DibBitmap decoded;
  if (!bmp || !BmpCodec::decodeFromMemory(bmp, size, decoded) || decoded.bitsPerPixel() != 24) return false;
  thumbnail = std::move(decoded);
  return true;
}

}  // namespace tavoro
