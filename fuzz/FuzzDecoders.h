// What the decoder fuzz targets share: decode one input with a codec, whole
// and streamed (the two must agree row for row), but only pictures of a size
// that a fuzzing run can afford to allocate and fill (the codecs themselves
// accept up to 250 megapixels).
#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/ImageCodec.h"
#include "imaging/MemoryStream.h"

namespace tavoro::fuzz {

inline constexpr int64_t kMostFuzzPixels = 4'000'000;

// Checks a streamed decode row by row against the whole decode.
class RowComparison : public RowSink {
 public:
  explicit RowComparison(const PhotoImage& whole) : m_whole(whole) {}
  bool begin(Size size, int channels) override {
    const DibBitmap& color = m_whole.colorBitmap();
    if (size.width != color.width() || size.height != color.height() || channels != (m_whole.hasAlpha() ? 4 : 3))
      __builtin_trap();
    m_channels = channels;
    return true;
  }
  bool addRow(const uint8_t* row) override {
    const DibBitmap& color = m_whole.colorBitmap();
    if (m_y >= color.height()) __builtin_trap();
    for (int x = 0; x < color.width(); ++x, row += m_channels) {
      const uint8_t* c = color.row(m_y) + 3 * x;
      if (row[0] != c[0] || row[1] != c[1] || row[2] != c[2]) __builtin_trap();
      if (m_channels == 4 && row[3] != m_whole.alphaPlane().row(m_y)[x]) __builtin_trap();
    }
    ++m_y;
    return true;
  }
  bool finish() override { return true; }
  int rows() const { return m_y; }

 private:
  const PhotoImage& m_whole;
  int m_channels = 3;
  int m_y = 0;
};

inline void decodeOnce(ImageCodec& codec, const uint8_t* data, size_t size) {
  PhotoImage image(codec.kind());
  if (!codec.loadFromMemory(image, data, size, true)) return;
  if (int64_t{image.info().width} * image.info().height > kMostFuzzPixels) return;
  if (!codec.loadFromMemory(image, data, size)) return;
  // Whatever was decoded must be whole: touch the first and last rows.
  const DibBitmap& color = image.colorBitmap();
  if (!color.isValid() || color.bitsPerPixel() != 24) __builtin_trap();
  volatile uint8_t sink = color.row(0)[0];
  sink = static_cast<uint8_t>(sink + color.row(color.height() - 1)[color.bytesPerRow() - 1]);
  if (image.hasAlpha() &&
      (image.alphaPlane().width() != color.width() || image.alphaPlane().height() != color.height()))
    __builtin_trap();
  // Streamed in small bands (so that files re-read per band are re-read
  // several times), the same picture, row for row.
  PhotoImage streamed(codec.kind());
  streamed.setStreamBandBytes(64 * 1024);
  RowComparison comparison(image);
  MemoryStream stream(data, size);
  if (!codec.streamFromStream(streamed, stream, comparison) || comparison.rows() != color.height()) __builtin_trap();
}

}  // namespace tavoro::fuzz
