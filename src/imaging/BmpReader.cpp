#include "BmpReader.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "ByteOrder.h"
#include "DibPixels.h"
#include "ImageLimits.h"
#include "ImagingError.h"
#include "RowReducer.h"

namespace tavoro {
namespace {

void readExactly(ImageStream& stream, void* buffer, size_t count) {
  if (stream.read(buffer, count) != count) failImaging();
}

// The stream's next bytes, read through a small buffer, up to a limit.
class ByteSource {
 public:
  ByteSource(ImageStream& stream, uint64_t limit) : m_stream(stream), m_left(limit) {}

  // False when the bytes (or the limit) run out first.
  bool read(uint8_t* out, size_t count) {
    for (size_t done = 0; done < count; ++done) {
      if (m_at == m_filled && !refill()) return false;
      out[done] = m_buffer[m_at++];
    }
    return true;
  }

 private:
  bool refill() {
    const size_t want = static_cast<size_t>(std::min<uint64_t>(m_left, sizeof m_buffer));
    m_filled = want ? m_stream.read(m_buffer, want) : 0;
    m_left -= m_filled;
    m_at = 0;
    return m_filled > 0;
  }

  ImageStream& m_stream;
  uint64_t m_left;
  uint8_t m_buffer[65536];
  size_t m_filled = 0;
  size_t m_at = 0;
};

// Palette colours by index, the missing ones black.
struct ColourTable {
  explicit ColourTable(const DibBitmap& format) {
    const std::span<const RgbQuad> palette = format.palette();
    std::copy(palette.begin(), palette.end(), entries);
  }
  void put(uint8_t* out, uint32_t index) const {
    const RgbQuad& q = entries[index & 0xFF];
    out[0] = q.blue, out[1] = q.green, out[2] = q.red;
  }
  RgbQuad entries[256] = {};
};

// Where the 24-bit rows of the picture (and its alpha) go: straight into the
// colour bitmap and alpha plane, which hold the rows from `first` on (all of
// them, or a band), the others being read into a scratch row and dropped;
// or one at a time through a reducer when the picture is decoded into a box.
class RowOutput {
 public:
  RowOutput(DibBitmap& color, DibBitmap* alpha, RowReducer* reducer, int first, size_t scratchBytes)
      : m_color(color), m_alpha(alpha), m_reducer(reducer), m_first(first), m_scratch(scratchBytes) {}
  // Whether row y goes anywhere: a band read skips the others' pixels.
  bool wanted(int y) const { return m_reducer || held(y); }
  // The buffer for image row y (0 the top row).
  uint8_t* begin(int y) {
    if (m_reducer) return m_reducer->rowBuffer();
    return held(y) ? m_color.row(y - m_first) : m_scratch.data();
  }
  // The alpha row for image row y; null when no alpha is kept.
  uint8_t* alphaRow(int y) {
    if (!m_alpha || !m_alpha->isValid()) return nullptr;
    return held(y) ? m_alpha->row(y - m_first) : m_scratch.data();
  }
  // Row y, written into begin's buffer, is complete.
  void end(int y) {
    if (m_reducer) m_reducer->addRow(y, m_reducer->rowBuffer());
  }

 private:
  bool held(int y) const { return y >= m_first && y - m_first < m_color.height(); }

  DibBitmap& m_color;
  DibBitmap* m_alpha;
  RowReducer* m_reducer;
  int m_first;
  std::vector<uint8_t> m_scratch;
};

// Run-length data: pairs of (count, value) runs and escapes (0 0 end of
// line, 0 1 end of bitmap, 0 2 dx dy a jump, 0 n n literal pixels padded to
// a 2-byte boundary). Rows count from the bottom and only ever move up, so
// each row is complete when the data leaves it. Runs and literals that go
// past the end of a row are cut at the row's end; a jump past the last row,
// or data that ends early, ends the picture, leaving the rest at index 0.
// Pixels go straight through the palette into the 24-bit rows.
template <int Bits>
void expandRunLength(ByteSource& data, const ColourTable& table, int width, int height, RowOutput& output) {
  int64_t x = 0, y = 0;
  uint8_t* row = nullptr;
  // A row outside the band being read is not written at all (row stays
  // null): otherwise reading a short file band by band costs every row of
  // the picture once per band.
  auto beginRow = [&] {
    const int top = height - 1 - static_cast<int>(y);
    row = output.wanted(top) ? output.begin(top) : nullptr;
    if (row)
      for (int i = 0; i < width; ++i) table.put(row + 3 * i, 0);  // unwritten pixels are index 0
  };
  // Where x ends after n pixels that are not written.
  auto skip = [&](int64_t n) { x = x < width ? std::min<int64_t>(x + n, width) : x; };
  // Completes the rows below newY (counting from the bottom) and begins newY.
  auto moveUpTo = [&](int64_t newY) {
    while (y < newY && y < height) {
      output.end(height - 1 - static_cast<int>(y));
      if (++y < height) beginRow();
    }
  };
  auto put = [&](uint32_t index) {
    if (x < width) table.put(row + 3 * x, index);
    ++x;
  };
  beginRow();
  uint8_t pair[2];
  uint8_t run[256];
  while (y < height && data.read(pair, 2)) {
    const uint8_t count = pair[0], value = pair[1];
    if (count > 0 && !row) {
      skip(count);
      continue;
    }
    if (count > 0) {
      for (int i = 0; i < count && x < width; ++i) put(Bits == 8 ? value : (i & 1) ? value & 0x0F : value >> 4);
      continue;
    }
    if (value == 0) {
      x = 0;
      moveUpTo(y + 1);
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (!data.read(pair, 2)) break;
      x += pair[0];
      moveUpTo(y + pair[1]);
    } else {
      const size_t bytes = Bits == 8 ? value : (size_t{value} + 1) / 2;
      if (!data.read(run, bytes)) break;
      if (!row) skip(value);
      for (int i = 0; row && i < value && x < width; ++i)
        put(Bits == 8 ? run[i] : (i & 1) ? run[i / 2] & 0x0F : run[i / 2] >> 4);
      uint8_t pad;
      if ((bytes & 1) && !data.read(&pad, 1)) break;
    }
  }
  moveUpTo(height);  // the rows the data never reached stay at index 0
}

// One row of a palette or 16-bit file to 24 bits.
void convertRow(const DibBitmap& format, const ColourTable& table, const uint8_t* in, uint8_t* out) {
  const int width = format.width();
  for (int x = 0; x < width; ++x, out += 3) {
    switch (format.bitsPerPixel()) {
      case 1:
        table.put(out, PixelFormat<1>::get(in, x));
        break;
      case 4:
        table.put(out, PixelFormat<4>::get(in, x));
        break;
      case 8:
        table.put(out, PixelFormat<8>::get(in, x));
        break;
      default: {
        const Bgra c = format.widen(PixelFormat<16>::get(in, x));
        out[0] = c.blue, out[1] = c.green, out[2] = c.red;
      }
    }
  }
}

// One row of a 32-bit file to its colour row and alpha row (when wanted).
// Without bit fields the fourth byte is the alpha; with them the alpha mask.
// True when any alpha value in it is not 0.
bool splitRow32(const DibBitmap& format, bool bitFields, const uint8_t* in, uint8_t* out, uint8_t* alpha) {
  const int width = format.width();
  bool anyAlpha = false;
  for (int x = 0; x < width; ++x, in += 4, out += 3) {
    uint8_t value;
    if (bitFields) {
      const Bgra c = format.widen(readLe32(in));
      out[0] = c.blue, out[1] = c.green, out[2] = c.red;
      value = c.alpha;
    } else {
      out[0] = in[0], out[1] = in[1], out[2] = in[2];
      value = in[3];
    }
    if (alpha) {
      alpha[x] = value;
      anyAlpha |= value != 0;
    }
  }
  return anyAlpha;
}

}  // namespace

void readBmp(ImageStream& stream, bool infoOnly, Size box, BmpFileInfo& info, DibBitmap& color, DibBitmap* alpha,
             const BmpBand* band) {
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
  // The file's pixel format, with its masks and palette, in a bitmap one
  // row high: rows are read into it one at a time and converted straight
  // into the colour bitmap, so that no second copy of the picture exists.
  h.height = 1;
  storeInfoHeader(h, description.data());
  DibBitmap format;
  if (!format.createFromInfo(description)) failImaging();
  if (!stream.seek(start + pixelOffset)) failImaging();
  const uint64_t available = fileEnd - (start + pixelOffset);
  const size_t rowBytes = static_cast<size_t>(format.bytesPerRow());
  const uint64_t plainSize = rowBytes * static_cast<uint64_t>(height);
  const int w = h.width, rows = static_cast<int>(height);
  const ColourTable table(format);
  // Into a box, the rows are reduced as they are read and no alpha is kept.
  Size target;
  RowReducer reducer;
  const bool reducing = !band && reducedDecodeSize(box, {w, rows}, target);
  // A band holds as many rows as fit its bytes, with their alpha.
  const int first = band ? std::clamp(band->first, 0, rows - 1) : 0;
  const int held = band ? static_cast<int>(std::clamp<int64_t>(band->bytes / (int64_t{w} * 4 + 4), 1, rows - first))
                        : rows;
  if (reducing) {
    if (!reducer.start({w, rows}, target, topDown ? RowReducer::Order::TopDown : RowReducer::Order::BottomUp))
      failImaging();
  } else if (!color.create(w, held, 24)) {
    failImaging();
  }
  const bool wantAlpha = bits == 32 && alpha && !reducing && (!bitFields || format.mask(DibBitmap::kAlpha) != 0);
  if (wantAlpha && !alpha->create(w, held, 8)) failImaging();
  RowOutput output(color, alpha, reducing ? &reducer : nullptr, first,
                   held < rows ? std::max<size_t>(rowBytes, size_t(w) * 3) : 0);
  auto finish = [&] {
    if (reducing && !reducer.finish(color)) failImaging();
  };

  if (h.compression == kBitmapRle8 || h.compression == kBitmapRle4) {
    // Longer data than the worst encoding of every pixel cannot be meaningful.
    ByteSource data(stream, std::min(available, 2 * plainSize + 4 * static_cast<uint64_t>(height) + 1024));
    if (bits == 8)
      expandRunLength<8>(data, table, w, rows, output);
    else
      expandRunLength<4>(data, table, w, rows, output);
    finish();
    return;
  }
  if (available < plainSize) failImaging();
  // Rows come bottom row first, unless the file is stored top-down.
  auto imageRow = [&](int fileRow) { return topDown ? fileRow : rows - 1 - fileRow; };
  if (bits == 24) {
    for (int r = 0; r < rows; ++r) {
      const int y = imageRow(r);
      uint8_t* into = reducing ? format.row(0) : output.begin(y);
      readExactly(stream, into, rowBytes);
      if (reducing) reducer.addRow(y, into);
    }
    finish();
    return;
  }
  bool anyAlpha = false;
  for (int r = 0; r < rows; ++r) {
    const int y = imageRow(r);
    readExactly(stream, format.row(0), rowBytes);
    uint8_t* out = output.begin(y);
    if (bits == 32)
      anyAlpha |= splitRow32(format, bitFields, format.row(0), out, output.alphaRow(y));
    else
      convertRow(format, table, format.row(0), out);
    output.end(y);
  }
  finish();
  // A plane whose values are all 0 is dropped: such files store no alpha.
  if (wantAlpha && !anyAlpha) alpha->release();
}

}  // namespace tavoro
