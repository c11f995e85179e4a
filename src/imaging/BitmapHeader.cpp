#include "BitmapHeader.h"

#include "ByteOrder.h"

namespace tavoro {

BitmapInfoHeader parseInfoHeader(const uint8_t* b) {
  BitmapInfoHeader h;
  h.size = readLe32(b);
  h.width = static_cast<int32_t>(readLe32(b + 4));
  h.height = static_cast<int32_t>(readLe32(b + 8));
  h.planes = readLe16(b + 12);
  h.bitCount = readLe16(b + 14);
  h.compression = readLe32(b + 16);
  h.sizeImage = readLe32(b + 20);
  h.xPelsPerMeter = static_cast<int32_t>(readLe32(b + 24));
  h.yPelsPerMeter = static_cast<int32_t>(readLe32(b + 28));
  h.clrUsed = readLe32(b + 32);
  h.clrImportant = readLe32(b + 36);
  return h;
}

void storeInfoHeader(const BitmapInfoHeader& h, uint8_t* b) {
  writeLe32(b, h.size);
  writeLe32(b + 4, static_cast<uint32_t>(h.width));
  writeLe32(b + 8, static_cast<uint32_t>(h.height));
  writeLe16(b + 12, h.planes);
  writeLe16(b + 14, h.bitCount);
  writeLe32(b + 16, h.compression);
  writeLe32(b + 20, h.sizeImage);
  writeLe32(b + 24, static_cast<uint32_t>(h.xPelsPerMeter));
  writeLe32(b + 28, static_cast<uint32_t>(h.yPelsPerMeter));
  writeLe32(b + 32, h.clrUsed);
  writeLe32(b + 36, h.clrImportant);
}

}  // namespace tavoro
