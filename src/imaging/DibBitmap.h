// The one in-memory bitmap of the imaging layer: a device-independent bitmap
// that owns its pixel memory, stored bottom-up with a table of row pointers,
// colour masks, a palette, the smooth-stretch flag and the validity tag "DIB+".
// Not thread-safe: a bitmap is used by one thread at a time and handed over whole.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "BitmapHeader.h"

namespace tavoro {

// One colour widened to 8 bits a channel.
struct Bgra {
  uint8_t blue = 0;
  uint8_t green = 0;
  uint8_t red = 0;
  uint8_t alpha = 255;
  bool operator==(const Bgra&) const = default;
};

class DibBitmap {
 public:
  enum Channel { kRed = 0, kGreen = 1, kBlue = 2, kAlpha = 3 };
  static constexpr uint8_t kSmoothStretchFlag = 4;

  DibBitmap() = default;
  ~DibBitmap() = default;
  DibBitmap(DibBitmap&& other) noexcept;
  DibBitmap& operator=(DibBitmap&& other) noexcept;
  DibBitmap(const DibBitmap&) = delete;
  DibBitmap& operator=(const DibBitmap&) = delete;

  // Creates the bitmap from a bitmap description: an info header of 40, 56,
  // 108 or 124 bytes (little-endian), followed by the three colour masks when
  // a 40-byte header says bit fields, then the palette. Run-length compression
  // is accepted and gives an uncompressed bitmap. Fails, leaving no bitmap,
  // for another header size, a depth other than 1, 4, 8, 16, 24 or 32, a size
  // beyond the image limits, masks or palette entries the description does
  // not hold, or a palette of no entries where one is required.
  bool createFromInfo(std::span<const uint8_t> info);
  // An uncompressed bitmap of that size and depth (zero-filled; a 1-, 4- or
  // 8-bit one gets a grey-scale palette). Fails like createFromInfo.
  bool create(int width, int height, int bitsPerPixel);
  // A copy of another bitmap (pixels, masks, palette, flags); false when the
  // source is not valid.
  bool copyFrom(const DibBitmap& source);
  // A zero-filled bitmap of the model's depth, masks, palette and flags but
  // of another size; false when the model is not valid or the size is refused.
  bool createLike(const DibBitmap& model, int width, int height);
  void release();

  // True when the bitmap carries the "DIB+" tag; every query treats a bitmap
  // without it as empty.
  bool isValid() const;
  int width() const { return isValid() ? m_width : 0; }
  int height() const { return isValid() ? m_height : 0; }
  int bitsPerPixel() const { return isValid() ? m_header.bitCount : 0; }
  int bytesPerRow() const { return isValid() ? m_bytesPerRow : 0; }
  // The description the bitmap was made from (bottom-up, uncompressed).
  const BitmapInfoHeader& header() const { return m_header; }

  // The pixel memory of all bitmaps alive in the process, and the most it
  // reached since resetMemoryPeak(): what one decode holds at its peak is
  // measured by it. Thread-safe.
  static size_t memoryInUse();
  static size_t memoryPeak();
  static void resetMemoryPeak();

  // Row y of the picture, 0 being the top row (the last row in memory).
  // REQUIRES: a valid bitmap and 0 <= y < height().
  uint8_t* row(int y) { return m_rows[static_cast<size_t>(y)]; }
  const uint8_t* row(int y) const { return m_rows[static_cast<size_t>(y)]; }
  // The row table, top row first: what decoders write scanlines through.
  uint8_t* const* rows() { return m_rows.data(); }
  const uint8_t* const* rows() const { return m_rows.data(); }
  // The pixel memory: the bottom row first, bytesPerRow() apart.
  uint8_t* bits() { return m_bits.get(); }
  const uint8_t* bits() const { return m_bits.get(); }
  size_t byteCount() const {
    return isValid() ? static_cast<size_t>(m_bytesPerRow) * static_cast<size_t>(m_height) : 0;
  }
  // For a top-down view: the top row and the distance to the next row down,
  // which is negative because rows are stored bottom-up. (QImage accepts
  // only positive strides: a QImage over bits() with bytesPerRow() and
  // Format_BGR888 holds the picture upside down and is painted mirrored.)
  const uint8_t* topRow() const { return isValid() ? row(0) : nullptr; }
  ptrdiff_t topDownStride() const { return -static_cast<ptrdiff_t>(bytesPerRow()); }

  uint32_t mask(Channel c) const { return m_masks[c]; }
  // The mask's trailing zero bits, and 8 less its number of one bits.
  int maskShift(Channel c) const { return m_shifts[c]; }
  int maskLoss(Channel c) const { return m_losses[c]; }

  std::span<const RgbQuad> palette() const { return {m_palette.data(), static_cast<size_t>(m_paletteSize)}; }
  // Replaces the palette of a 1-, 4- or 8-bit bitmap (at most 256 entries).
  bool setPalette(std::span<const RgbQuad> entries);

  uint8_t flags() const { return m_flags; }
  bool smoothStretch() const { return (m_flags & kSmoothStretchFlag) != 0; }
  void setSmoothStretch(bool on);

  // The stored value of pixel (x, y): a palette index, a masked 16- or 32-bit
  // word, or for 24 bits blue | green << 8 | red << 16. 0 outside the bitmap.
  uint32_t pixel(int x, int y) const;
  // Stores a value of the same form; ignored outside the bitmap.
  void setPixel(int x, int y, uint32_t value);
  // The colour of pixel (x, y): through the palette, widened through the
  // masks, or as stored. Alpha is 255 unless an alpha mask says otherwise.
  Bgra color(int x, int y) const;
  // The colour of a stored 16- or 32-bit word, widened through the masks.
  Bgra widen(uint32_t value) const;

 private:
  bool allocate(const BitmapInfoHeader& header);
  void setMasks(uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha);

  struct FreeDeleter {
    size_t bytes;  // taken off the memory in use when freed (value-initialised: 0)
    void operator()(uint8_t* p) const;
  };

  std::unique_ptr<uint8_t[], FreeDeleter> m_bits;
  std::vector<uint8_t*> m_rows;
  BitmapInfoHeader m_header;
  int m_width = 0;
  int m_height = 0;
  int m_bytesPerRow = 0;
  std::array<uint32_t, 4> m_masks{};
  std::array<int, 4> m_shifts{};
  std::array<int, 4> m_losses{};
  uint8_t m_flags = 0;
  int m_paletteSize = 0;
  std::array<RgbQuad, 256> m_palette{};
  std::array<char, 4> m_tag{};  // "DIB+" while the bitmap holds pixels
};

}  // namespace tavoro
