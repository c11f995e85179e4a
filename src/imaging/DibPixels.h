// Pixel access for one pixel format of a DibBitmap: the per-format handle
// variants. Each is valid only for a valid bitmap of exactly its depth and
// reads or writes one stored value as DibBitmap::pixel describes it.
// Not thread-safe (a view of a bitmap that one thread uses at a time).
#pragma once

#include <cstdint>

#include "DibBitmap.h"

namespace tavoro {

template <int Bits>
struct PixelFormat;

template <>
struct PixelFormat<1> {
  static uint32_t get(const uint8_t* row, int x) { return row[x >> 3] >> (7 - (x & 7)) & 1u; }
  static void set(uint8_t* row, int x, uint32_t v) {
    const uint8_t bit = static_cast<uint8_t>(0x80 >> (x & 7));
    row[x >> 3] = static_cast<uint8_t>((v & 1) ? row[x >> 3] | bit : row[x >> 3] & ~bit);
  }
};

template <>
struct PixelFormat<4> {
  static uint32_t get(const uint8_t* row, int x) { return (x & 1) ? row[x >> 1] & 0x0Fu : row[x >> 1] >> 4; }
  static void set(uint8_t* row, int x, uint32_t v) {
    uint8_t& b = row[x >> 1];
    b = static_cast<uint8_t>((x & 1) ? (b & 0xF0) | (v & 0x0F) : (b & 0x0F) | (v & 0x0F) << 4);
  }
};

template <>
struct PixelFormat<8> {
  static uint32_t get(const uint8_t* row, int x) { return row[x]; }
  static void set(uint8_t* row, int x, uint32_t v) { row[x] = static_cast<uint8_t>(v); }
};

template <>
struct PixelFormat<16> {
  static uint32_t get(const uint8_t* row, int x) {
    const uint8_t* p = row + 2 * x;
    return static_cast<uint32_t>(p[0] | p[1] << 8);
  }
  static void set(uint8_t* row, int x, uint32_t v) {
    uint8_t* p = row + 2 * x;
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
  }
};

template <>
struct PixelFormat<24> {
  static uint32_t get(const uint8_t* row, int x) {
    const uint8_t* p = row + 3 * x;
    return static_cast<uint32_t>(p[0] | p[1] << 8 | p[2] << 16);
  }
  static void set(uint8_t* row, int x, uint32_t v) {
    uint8_t* p = row + 3 * x;
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
  }
};

template <>
struct PixelFormat<32> {
  static uint32_t get(const uint8_t* row, int x) {
    const uint8_t* p = row + 4 * x;
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
  }
  static void set(uint8_t* row, int x, uint32_t v) {
    uint8_t* p = row + 4 * x;
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
  }
};

template <int Bits>
class DibPixels {
 public:
  explicit DibPixels(DibBitmap& bitmap) : m_bitmap(&bitmap) {}

  bool isValid() const { return m_bitmap->isValid() && m_bitmap->bitsPerPixel() == Bits; }
  // REQUIRES: isValid(), 0 <= x < width, 0 <= y < height.
  uint32_t get(int x, int y) const { return PixelFormat<Bits>::get(m_bitmap->row(y), x); }
  void set(int x, int y, uint32_t value) { PixelFormat<Bits>::set(m_bitmap->row(y), x, value); }

 private:
  DibBitmap* m_bitmap;
};

}  // namespace tavoro
