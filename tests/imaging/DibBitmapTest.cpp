#include <gtest/gtest.h>

#include <vector>

#include "ImageTestFiles.h"
#include "imaging/ByteOrder.h"
#include "imaging/DibBitmap.h"
#include "imaging/DibPixels.h"

namespace tavoro {
namespace {

// A bitmap description: a header of the given size, masks and palette.
std::vector<uint8_t> description(uint32_t headerSize, int width, int height, int bits, uint32_t compression,
                                 std::vector<uint32_t> masks = {}, int paletteEntries = 0, uint32_t clrUsed = 0) {
  std::vector<uint8_t> info(headerSize);
  BitmapInfoHeader h;
  h.size = headerSize;
  h.width = width;
  h.height = height;
  h.bitCount = static_cast<uint16_t>(bits);
  h.compression = compression;
  h.clrUsed = clrUsed;
  storeInfoHeader(h, info.data());
  size_t at = headerSize == 40 ? info.size() : 40;
  if (headerSize == 40) info.resize(info.size() + 4 * masks.size());
  for (uint32_t m : masks) writeLe32(&info[at], m), at += 4;
  for (int i = 0; i < paletteEntries; ++i) info.insert(info.end(), {uint8_t(i), uint8_t(2 * i), uint8_t(3 * i), 0});
  return info;
}

TEST(DibBitmapTest, RowsAreStoredBottomUpOnFourByteBoundaries) {
  DibBitmap b;
  ASSERT_TRUE(b.create(3, 5, 24));
  EXPECT_EQ(b.bytesPerRow(), 12);  // 9 bytes rounded up
  EXPECT_EQ(b.byteCount(), 60u);
  EXPECT_EQ(b.row(0), b.bits() + 4 * 12);  // the top row is the last in memory
  EXPECT_EQ(b.row(4), b.bits());
  EXPECT_EQ(b.rows()[1], b.row(1));
  EXPECT_EQ(b.topRow(), b.row(0));
  EXPECT_EQ(b.topDownStride(), -12);
  EXPECT_EQ(b.header().height, 5);

  for (auto [width, bits, expected] :
       {std::tuple{1, 1, 4}, {33, 1, 8}, {7, 4, 4}, {9, 4, 8}, {5, 8, 8}, {3, 16, 8}, {1, 24, 4}, {2, 32, 8}}) {
    ASSERT_TRUE(b.create(width, 1, bits));
    EXPECT_EQ(b.bytesPerRow(), expected) << width << " x " << bits;
  }
}

TEST(DibBitmapTest, CreationFromADescription) {
  struct Case {
    const char* what;
    std::vector<uint8_t> info;
    bool ok;
    uint32_t red, green, blue, alpha;
    size_t paletteSize;
  };
  const Case cases[] = {
      {"16-bit uncompressed is 5-5-5", description(40, 4, 2, 16, kBitmapRgb), true, 0x7C00, 0x03E0, 0x001F, 0, 0},
      {"16-bit bit fields after a 40-byte header", description(40, 4, 2, 16, kBitmapBitFields, {0xF800, 0x07E0, 0x1F}),
       true, 0xF800, 0x07E0, 0x1F, 0, 0},
      {"32-bit bit fields inside a 124-byte header",
       description(124, 4, 2, 32, kBitmapBitFields, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}), true, 0xFF, 0xFF00, 0xFF0000,
       0xFF000000, 0},
      {"8-bit takes 256 entries", description(40, 4, 2, 8, kBitmapRgb, {}, 256), true, 0, 0, 0, 0, 256},
      {"used colours limit the palette", description(56, 4, 2, 8, kBitmapRgb, {0, 0, 0, 0}, 3, 3), true, 0, 0, 0, 0, 3},
      {"run-length is accepted", description(108, 4, -2, 4, kBitmapRle4, {0, 0, 0, 0}, 16), true, 0, 0, 0, 0, 16},
      {"1-bit without its palette", description(40, 4, 2, 1, kBitmapRgb, {}, 1), false},
      {"bit fields on 24 bits", description(40, 4, 2, 24, kBitmapBitFields, {1, 2, 4}), false},
      {"bit fields cut short", description(40, 4, 2, 16, kBitmapBitFields, {1, 2}), false},
      {"a 64-byte header", description(64, 4, 2, 24, kBitmapRgb), false},
      {"a 2-bit depth", description(40, 4, 2, 2, kBitmapRgb, {}, 4), false},
      {"a JPEG compression", description(40, 4, 2, 24, 4), false},
      {"no width", description(40, 0, 2, 24, kBitmapRgb), false},
      {"wider than 30000", description(40, 30001, 1, 24, kBitmapRgb), false},
      {"more than 250 megapixels", description(40, 20000, 20000, 8, kBitmapRgb, {}, 256), false},
  };
  for (const Case& c : cases) {
    DibBitmap b;
    ASSERT_TRUE(b.create(2, 2, 24));
    EXPECT_EQ(b.createFromInfo(c.info), c.ok) << c.what;
    EXPECT_EQ(b.isValid(), c.ok) << c.what;
    if (!c.ok) {
      EXPECT_EQ(b.width(), 0) << c.what;  // the old bitmap is gone too
      continue;
    }
    EXPECT_EQ(b.mask(DibBitmap::kRed), c.red) << c.what;
    EXPECT_EQ(b.mask(DibBitmap::kGreen), c.green) << c.what;
    EXPECT_EQ(b.mask(DibBitmap::kBlue), c.blue) << c.what;
    EXPECT_EQ(b.mask(DibBitmap::kAlpha), c.alpha) << c.what;
    EXPECT_EQ(b.palette().size(), c.paletteSize) << c.what;
    EXPECT_EQ(b.height(), 2) << c.what;
  }
  DibBitmap b;
  ASSERT_TRUE(b.createFromInfo(description(40, 4, 2, 16, kBitmapRgb)));
  EXPECT_EQ(b.maskShift(DibBitmap::kGreen), 5);
  EXPECT_EQ(b.maskLoss(DibBitmap::kGreen), 3);
  ASSERT_TRUE(b.createFromInfo(description(40, 4, 2, 8, kBitmapRgb, {}, 256)));
  EXPECT_EQ(b.palette()[7], (RgbQuad{7, 14, 21, 0}));
}

TEST(DibBitmapTest, PixelsOfEachFormatLandWhereTheFormatPutsThem) {
  DibBitmap b;
  ASSERT_TRUE(b.create(10, 2, 1));
  DibPixels<1> one(b);
  ASSERT_TRUE(one.isValid());
  EXPECT_FALSE(DibPixels<8>(b).isValid());
  one.set(0, 0, 1);
  one.set(9, 0, 1);
  EXPECT_EQ(b.row(0)[0], 0x80);  // the leftmost pixel is the top bit
  EXPECT_EQ(b.row(0)[1], 0x40);
  one.set(0, 0, 0);
  EXPECT_EQ(b.row(0)[0], 0x00);

  ASSERT_TRUE(b.create(3, 1, 4));
  DibPixels<4> four(b);
  four.set(0, 0, 0xA);
  four.set(1, 0, 0x5);
  four.set(2, 0, 0xF);
  EXPECT_EQ(b.row(0)[0], 0xA5);
  EXPECT_EQ(b.row(0)[1], 0xF0);
  EXPECT_EQ(four.get(1, 0), 0x5u);

  ASSERT_TRUE(b.create(2, 1, 24));
  b.setPixel(1, 0, 0x112233);
  EXPECT_EQ(b.row(0)[3], 0x33);  // blue first
  EXPECT_EQ(b.row(0)[5], 0x11);
  EXPECT_EQ(b.color(1, 0), (Bgra{0x33, 0x22, 0x11, 255}));
  EXPECT_EQ(b.pixel(2, 0), 0u);  // outside
  b.setPixel(-1, 0, 5);          // ignored

  for (int bits : {1, 4, 8, 16, 24, 32}) {
    ASSERT_TRUE(b.create(13, 3, bits));
    const uint32_t most = bits == 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 13; ++x) b.setPixel(x, y, static_cast<uint32_t>(x * 7919 + y * 104729) & most);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 13; ++x)
        ASSERT_EQ(b.pixel(x, y), static_cast<uint32_t>(x * 7919 + y * 104729) & most) << bits << " bits at " << x;
  }
}

TEST(DibBitmapTest, MaskedPixelsWidenToFullChannels) {
  DibBitmap b;
  ASSERT_TRUE(b.createFromInfo(description(40, 1, 1, 16, kBitmapRgb)));
  EXPECT_EQ(b.widen(0x7FFF), (Bgra{255, 255, 255, 255}));
  EXPECT_EQ(b.widen(0x7C00), (Bgra{0, 0, 255, 255}));
  EXPECT_EQ(b.widen(0x0210), (Bgra{132, 132, 0, 255}));  // 16 of 31 in both

  ASSERT_TRUE(b.createFromInfo(description(40, 1, 1, 16, kBitmapBitFields, {0xF800, 0x07E0, 0x001F})));
  EXPECT_EQ(b.widen(0x07E0), (Bgra{0, 255, 0, 255}));

  ASSERT_TRUE(b.createFromInfo(description(56, 1, 1, 32, kBitmapBitFields, {0xFF0000, 0xFF00, 0xFF, 0xFF000000})));
  EXPECT_EQ(b.widen(0x80102030), (Bgra{0x30, 0x20, 0x10, 0x80}));
  // Ten-bit channels keep their top eight bits.
  ASSERT_TRUE(b.createFromInfo(description(40, 1, 1, 32, kBitmapBitFields, {0x3FF00000, 0x000FFC00, 0x000003FF})));
  EXPECT_EQ(b.widen(0x3FF00000 | 0x200), (Bgra{128, 0, 255, 255}));
}

TEST(DibBitmapTest, ABitmapWithoutItsTagIsEmptyAndMovesKeepTheRows) {
  DibBitmap a = test::makeBitmap(4, 3, [](int x, int y) { return Bgra{uint8_t(x), uint8_t(y), 9, 255}; });
  a.setSmoothStretch(true);
  uint8_t* top = a.row(0);
  DibBitmap b(std::move(a));
  EXPECT_FALSE(a.isValid());
  EXPECT_EQ(a.width(), 0);
  EXPECT_EQ(a.color(0, 0), (Bgra{0, 0, 0, 0}));
  EXPECT_EQ(b.row(0), top);
  EXPECT_TRUE(b.smoothStretch());
  EXPECT_EQ(b.color(3, 2), (Bgra{3, 2, 9, 255}));

  DibBitmap c;
  ASSERT_TRUE(c.copyFrom(b));
  EXPECT_NE(c.bits(), b.bits());
  EXPECT_EQ(c.color(3, 2), (Bgra{3, 2, 9, 255}));
  EXPECT_TRUE(c.smoothStretch());
  b.release();
  EXPECT_FALSE(b.isValid());
  EXPECT_FALSE(c.copyFrom(b));
  EXPECT_FALSE(c.isValid());
}

}  // namespace
}  // namespace tavoro
