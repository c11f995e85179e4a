#include "BmpReader.h"

#include <cstring>
#include <vector>

#include "ByteOrder.h"
#include "DibPixels.h"
#include "ImageLimits.h"
#include "ImagingError.h"

namespace tavoro {
namespace {

void readExactly(ImageStream& stream, void* buffer, size_t count) {
  if (stream.read(buffer, count) != count) failImaging();
}

// Run-length data: pairs of (count, value) runs and escapes (0 0 end of
// line, 0 1 end of bitmap, 0 2 dx dy a jump, 0 n n literal pixels padded to
// a 2-byte boundary). Rows count from the bottom. Runs and literals that go
// past the end of a row are cut at the row's end; a jump past the last row,
// or data that ends early, ends the picture, leaving the rest at index 0.
template <int Bits>
void expandRunLength(const std::vector<uint8_t>& data, DibBitmap& bitmap) {
  const int width = bitmap.width(), height = bitmap.height();
  DibPixels<Bits> pixels(bitmap);
  int64_t x = 0, y = 0;
  size_t pos = 0;
  auto put = [&](uint32_t value) {
    if (x < width) pixels.set(static_cast<int>(x), height - 1 - static_cast<int>(y), value);
    ++x;
  };
  while (y < height && pos + 2 <= data.size()) {
    const uint8_t count = data[pos], value = data[pos + 1];
    pos += 2;
    if (count > 0) {
      for (int i = 0; i < count && x < width; ++i) put(Bits == 8 ? value : (i & 1) ? value & 0x0F : value >> 4);
      continue;
    }
    if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (pos + 2 > data.size()) return;
      x += data[pos];
      y += data[pos + 1];
      pos += 2;
    } else {
      const size_t bytes = Bits == 8 ? value : (size_t{value} + 1) / 2;
      if (pos + bytes > data.size()) return;
      for (int i = 0; i < value && x < width; ++i)
        put(Bits == 8 ? data[pos + static_cast<size_t>(i)]
            : (i & 1) ? data[pos + static_cast<size_t>(i / 2)] & 0x0F
                      : data[pos + static_cast<size_t>(i / 2)] >> 4);
      pos += (bytes + 1) & ~size_t{1};
    }
  }
}

// Palette and masked depths to 24 bits.
void convertTo24(const DibBitmap& source, DibBitmap& color) {
  const int width = source.width(), height = source.height();
  if (!color.create(width, height, 24)) failImaging();
  const std::span<const RgbQuad> palette = source.palette();
  RgbQuad table[256] = {};
  std::copy(palette.begin(), palette.end(), table);
  for (int y = 0; y < height; ++y) {
    const uint8_t* in = source.row(y);
    uint8_t* out = color.row(y);
    for (int x = 0; x < width; ++x, out += 3) {
      uint32_t index = 0;
      switch (source.bitsPerPixel()) {
        case 1:
          index = PixelFormat<1>::get(in, x);
          break;
        case 4:
          index = PixelFormat<4>::get(in, x);
          break;
        case 8:
          index = PixelFormat<8>::get(in, x);
          break;
        default: {
          const Bgra c = source.widen(PixelFormat<16>::get(in, x));
          out[0] = c.blue, out[1] = c.green, out[2] = c.red;
          continue;
        }
      }
      const RgbQuad& q = table[index];
      out[0] = q.blue, out[1] = q.green, out[2] = q.red;
    }
  }
}

// 32 bits to a 24-bit colour bitmap and an alpha plane. Without bit fields
// the fourth byte is the alpha; with them the alpha mask (when there is one).
// A plane whose values are all 0 is dropped: such files store no alpha.
void split32(const DibBitmap& source, bool bitFields, DibBitmap& color, DibBitmap* alpha) {
  const int width = source.width(), height = source.height();
  if (!color.create(width, height, 24)) failImaging();
  const bool wantAlpha = alpha && (!bitFields || source.mask(DibBitmap::kAlpha) != 0);
  if (wantAlpha && !alpha->create(width, height, 8)) failImaging();
  bool anyAlpha = false;
  for (int y = 0; y < height; ++y) {
    const uint8_t* in = source.row(y);
    uint8_t* out = color.row(y);
    uint8_t* a = wantAlpha ? alpha->row(y) : nullptr;
    for (int x = 0; x < width; ++x, in += 4, out += 3) {
      uint8_t value;
      if (bitFields) {
        const Bgra c = source.widen(readLe32(in));
        out[0] = c.blue, out[1] = c.green, out[2] = c.red;
        value = c.alpha;
      } else {
        out[0] = in[0], out[1] = in[1], out[2] = in[2];
        value = in[3];
      }
      if (a) {
        a[x] = value;
        anyAlpha |= value != 0;
      }
    }
  }
  if (wantAlpha && !anyAlpha) alpha->release();
}

}  // namespace

void readBmp(ImageStream& stream, bool infoOnly, BmpFileInfo& info, DibBitmap& color, DibBitmap* alpha) {
  color.release();
  if (alpha) alpha->release();
  const uint64_t start = stream.position();
  const uint64_t fileEnd = stream.size();

  uint8_t fileHeader[14];
  readExactly(stream, fileHeader, sizeof fileHeader);
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') failImaging();
  const uint64_t pixelOffset = readLe32(fileHeader + 10);

  uint8_t header[124] = {};
  readExactly(stream, header, 4);
  const uint32_t headerSize = readLe32(header);
  const bool core = headerSize == kCoreHeaderSize;
  if (!core && !isInfoHeaderSize(headerSize)) failImaging();
  readExactly(stream, header + 4, headerSize - 4);

  BitmapInfoHeader h;
  if (core) {
    h.width = readLe16(header + 4);
    h.height = readLe16(header + 6);
    h.planes = readLe16(header + 8);
    h.bitCount = readLe16(header + 10);
  } else {
    h = parseInfoHeader(header);
  }
  h.size = kInfoHeaderSize;
  const int bits = h.bitCount;
  const int64_t height = h.height < 0 ? -int64_t{h.height} : h.height;
  const bool topDown = h.height < 0;
  if (!acceptableImageSize(h.width, height)) failImaging();
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) failImaging();
  switch (h.compression) {
    case kBitmapRgb:
      break;
    case kBitmapRle8:
      if (bits != 8 || topDown) failImaging();
      break;
    case kBitmapRle4:
      if (bits != 4 || topDown) failImaging();
      break;
    case kBitmapBitFields:
      if (bits != 16 && bits != 32) failImaging();
      break;
    default:
      failImaging();
  }
  info.width = h.width;
  info.height = static_cast<int>(height);
  info.bitsPerPixel = bits;
  if (infoOnly) return;

  // The description handed to the bitmap: a 56-byte header that holds all
  // four masks when the file has bit fields, else 40 bytes and the palette.
  uint64_t consumed = 14 + headerSize;
  std::vector<uint8_t> description(kInfoHeaderSize);
  const bool bitFields = h.compression == kBitmapBitFields;
  if (bitFields) {
    uint8_t masks[16] = {};
    if (headerSize == kInfoHeaderSize) {
      readExactly(stream, masks, 12);
      consumed += 12;
    } else {
      std::memcpy(masks, header + 40, headerSize >= 56 ? 16 : 12);
    }
    description.insert(description.end(), masks, masks + 16);
    h.size = 56;
  }
  if (pixelOffset < consumed || start + pixelOffset > fileEnd) failImaging();
  if (bits <= 8) {
    // The palette must lie between the headers and the pixels; a file that
    // declares more colours than fit there keeps the ones that do.
    const size_t entrySize = core ? 3 : 4;
    const size_t most = size_t{1} << bits;
    size_t colours = h.clrUsed == 0 || h.clrUsed > most ? most : h.clrUsed;
    colours = std::min<uint64_t>(colours, (pixelOffset - consumed) / entrySize);
    if (colours == 0) failImaging();
    std::vector<uint8_t> table(colours * entrySize);
    readExactly(stream, table.data(), table.size());
    for (size_t i = 0; i < colours; ++i) {
      const uint8_t* e = table.data() + i * entrySize;
      const uint8_t quad[4] = {e[0], e[1], e[2], 0};
      description.insert(description.end(), quad, quad + 4);
    }
    h.clrUsed = static_cast<uint32_t>(colours);
  } else {
    h.clrUsed = 0;  // a colour table beside true colours is only a hint
  }
  storeInfoHeader(h, description.data());

  DibBitmap file;
  if (!file.createFromInfo(description)) failImaging();
  if (!stream.seek(start + pixelOffset)) failImaging();
  const uint64_t available = fileEnd - (start + pixelOffset);
  const uint64_t plainSize = static_cast<uint64_t>(file.bytesPerRow()) * static_cast<uint64_t>(height);

  if (h.compression == kBitmapRle8 || h.compression == kBitmapRle4) {
    // Longer data than the worst encoding of every pixel cannot be meaningful.
    const uint64_t most = 2 * plainSize + 4 * static_cast<uint64_t>(height) + 1024;
    std::vector<uint8_t> data(static_cast<size_t>(std::min(available, most)));
    readExactly(stream, data.data(), data.size());
    if (bits == 8)
      expandRunLength<8>(data, file);
    else
      expandRunLength<4>(data, file);
  } else {
    if (available < plainSize) failImaging();
    if (!topDown) {
      readExactly(stream, file.bits(), static_cast<size_t>(plainSize));
    } else {
      for (int y = 0; y < file.height(); ++y) readExactly(stream, file.row(y), static_cast<size_t>(file.bytesPerRow()));
    }
  }

  if (bits == 24)
    color = std::move(file);
  else if (bits == 32)
    split32(file, bitFields, color, alpha);
  else
    convertTo24(file, color);
}

}  // namespace tavoro
