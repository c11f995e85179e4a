#include "BmpCodec.h"

#include <limits>
#include <new>

#include "BitmapDrawing.h"
#include "BmpReader.h"
#include "BmpWriter.h"
#include "ByteOrder.h"
#include "ImagingError.h"
#include "MemoryStream.h"

namespace tavoro {
namespace {

bool hasDefaultMasks(const DibBitmap& b) {
  const uint32_t r = b.mask(DibBitmap::kRed), g = b.mask(DibBitmap::kGreen), bl = b.mask(DibBitmap::kBlue);
  if (b.bitsPerPixel() == 16) return r == 0x7C00 && g == 0x03E0 && bl == 0x001F && !b.mask(DibBitmap::kAlpha);
  if (b.bitsPerPixel() == 32) return r == 0xFF0000 && g == 0xFF00 && bl == 0xFF && !b.mask(DibBitmap::kAlpha);
  return true;
}

// The colour bitmap with the alpha plane as the fourth byte of each pixel.
bool mergeAlpha(const DibBitmap& color, const DibBitmap& alpha, DibBitmap& out) {
  if (color.bitsPerPixel() != 24 || alpha.bitsPerPixel() != 8 || alpha.width() != color.width() ||
      alpha.height() != color.height() || !out.create(color.width(), color.height(), 32))
    return false;
  for (int y = 0; y < color.height(); ++y) {
    const uint8_t* c = color.row(y);
    const uint8_t* a = alpha.row(y);
    uint8_t* o = out.row(y);
    for (int x = 0; x < color.width(); ++x, c += 3, o += 4) o[0] = c[0], o[1] = c[1], o[2] = c[2], o[3] = a[x];
  }
  return true;
}

}  // namespace

bool BmpCodec::writeBitmap(const DibBitmap& bitmap, ImageStream& stream) {
  if (!bitmap.isValid()) return false;
  const int bits = bitmap.bitsPerPixel();
  const bool bitFields = !hasDefaultMasks(bitmap);
  const size_t maskBytes = bitFields ? 16 : 0;
  const size_t colours = bits <= 8 ? bitmap.palette().size() : 0;
  const uint64_t pixelOffset = 14 + 40 + maskBytes + 4 * colours;
  const uint64_t fileSize = pixelOffset + bitmap.byteCount();
  if (fileSize > std::numeric_limits<uint32_t>::max()) return false;

  std::vector<uint8_t> head(static_cast<size_t>(pixelOffset));
  head[0] = 'B';
  head[1] = 'M';
  writeLe32(&head[2], static_cast<uint32_t>(fileSize));
  writeLe32(&head[10], static_cast<uint32_t>(pixelOffset));
  BitmapInfoHeader h;
  // A 56-byte header carries the alpha mask with the other three.
  h.size = bitFields ? 56 : 40;
  h.width = bitmap.width();
  h.height = bitmap.height();
  h.bitCount = static_cast<uint16_t>(bits);
  h.compression = bitFields ? kBitmapBitFields : kBitmapRgb;
  h.sizeImage = static_cast<uint32_t>(bitmap.byteCount());
  h.clrUsed = static_cast<uint32_t>(colours);
  storeInfoHeader(h, &head[14]);
  if (bitFields)
    for (int c = 0; c < 4; ++c)
      writeLe32(&head[54 + 4 * static_cast<size_t>(c)], bitmap.mask(static_cast<DibBitmap::Channel>(c)));
  uint8_t* entry = &head[54 + maskBytes];
  for (size_t i = 0; i < colours; ++i, entry += 4) {
    const RgbQuad& q = bitmap.palette()[i];
    entry[0] = q.blue, entry[1] = q.green, entry[2] = q.red, entry[3] = 0;
  }
  return stream.write(head.data(), head.size()) && stream.write(bitmap.bits(), bitmap.byteCount());
}

bool BmpCodec::readBitmap(ImageStream& stream, DibBitmap& color, DibBitmap* alpha) {
  try {
    BmpFileInfo info;
    readBmp(stream, false, {}, info, color, alpha);
    return true;
  } catch (const ImagingError&) {
  } catch (const std::bad_alloc&) {
  }
  color.release();
  if (alpha) alpha->release();
  return false;
}

bool BmpCodec::encodeToMemory(const DibBitmap& bitmap, std::vector<uint8_t>& out) {
  MemoryStream stream;
  if (!writeBitmap(bitmap, stream)) return false;
  out = stream.takeBuffer();
  return true;
}

bool BmpCodec::decodeFromMemory(const void* data, size_t size, DibBitmap& color) {
  MemoryStream stream(data, size);
  return readBitmap(stream, color, nullptr);
}

bool BmpCodec::saveToStream(const PhotoImage& image, ImageStream& stream) {
  const DibBitmap& color = image.colorBitmap();
  if (!color.isValid()) return false;
  try {
    if (image.hasAlpha()) {
      DibBitmap merged;
      return mergeAlpha(color, image.alphaPlane(), merged) && writeBitmap(merged, stream);
    }
    if (color.bitsPerPixel() == 24) return writeBitmap(color, stream);
    DibBitmap converted;  // a colour bitmap of another depth is written as 24 bits
    return converted.create(color.width(), color.height(), 24) &&
           draw(converted, Rect::ofSize({color.width(), color.height()}), color) && writeBitmap(converted, stream);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool BmpCodec::loadFromStream(PhotoImage& image, ImageStream& stream, bool infoOnly) {
  image.clear();
  try {
    BmpFileInfo file;
    readBmp(stream, infoOnly, image.fittedDecodeBox(), file, image.colorBitmap(), &image.alphaPlane());
    ImageSourceInfo& info = image.info();
    info.type = ImageType::Bmp;
    info.bitsPerPixel = file.bitsPerPixel;
    info.width = file.width;
    info.height = file.height;
    return true;
  } catch (const ImagingError&) {
  } catch (const std::bad_alloc&) {
  }
  image.clear();
  return false;
}

std::unique_ptr<RowSink> BmpCodec::createRowWriter(const PhotoImage&, ImageStream& stream) {
  try {
    return std::make_unique<BmpRowWriter>(stream);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

// Rows are stored bottom-up (or run-length coded from the bottom), so the
// file is read once for each band of rows, from the top band down.
bool BmpCodec::streamFromStream(PhotoImage& image, ImageStream& stream, RowSink& sink) {
  image.clear();
  const uint64_t start = stream.position();
  try {
    BmpFileInfo file;
    DibBitmap color, alpha;
    std::vector<uint8_t> line;
    int channels = 0;
    for (int first = 0; first == 0 || first < file.height; first += color.height()) {
      const BmpBand band{first, image.streamBandBytes()};
      if (!stream.seek(start)) return false;
      readBmp(stream, false, {}, file, color, &alpha, &band);
      const int bandChannels = alpha.isValid() ? 4 : 3;
      if (first == 0) {
        ImageSourceInfo& info = image.info();
        info.type = ImageType::Bmp;
        info.bitsPerPixel = file.bitsPerPixel;
        info.width = file.width;
        info.height = file.height;
        channels = bandChannels;
        line.resize(static_cast<size_t>(file.width) * 4);
        if (!sink.begin({file.width, file.height}, channels)) return false;
      } else if (bandChannels != channels) {
        return false;
      }
      for (int y = 0; y < color.height(); ++y) {
        const uint8_t* row = color.row(y);
        if (channels == 4) {
          const uint8_t* a = alpha.row(y);
          uint8_t* out = line.data();
          for (int x = 0; x < file.width; ++x, row += 3, out += 4)
            out[0] = row[0], out[1] = row[1], out[2] = row[2], out[3] = a[x];
          row = line.data();
        }
        if (!sink.addRow(row)) return false;
      }
    }
    return true;
  } catch (const ImagingError&) {
  } catch (const std::bad_alloc&) {
  }
  return false;
}

}  // namespace tavoro
