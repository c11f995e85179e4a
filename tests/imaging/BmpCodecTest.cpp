#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "ImageTestFiles.h"
#include "imaging/BmpCodec.h"
#include "imaging/MemoryStream.h"

namespace tavoro {
namespace {

using test::bmpFile;
using test::BmpLayout;

constexpr int kWidth = 5, kHeight = 3;

std::vector<std::array<uint8_t, 3>> testPalette(int n) {
  std::vector<std::array<uint8_t, 3>> p;
  for (int i = 0; i < n; ++i) p.push_back({uint8_t(i * 10), uint8_t(i * 5), uint8_t(255 - i * 10)});
  return p;
}
Bgra paletteColour(uint32_t i) {
  return Bgra{uint8_t(i * 10), uint8_t(i * 5), uint8_t(255 - i * 10), 255};
}

// Rows of stored pixel values, bottom row first unless topDown, each padded
// to four bytes. value(x, y) counts y from the top of the picture.
std::string packRows(int bits, bool topDown, const std::function<uint32_t(int, int)>& value) {
  std::string out;
  for (int i = 0; i < kHeight; ++i) {
    const int y = topDown ? i : kHeight - 1 - i;
    std::string row((static_cast<size_t>(bits * kWidth) + 31) / 32 * 4, '\0');
    for (int x = 0; x < kWidth; ++x) {
      const uint32_t v = value(x, y);
      if (bits < 8) {
        const size_t bit = static_cast<size_t>(x * bits);
        row[bit / 8] = static_cast<char>(row[bit / 8] | v << (8 - bits - bit % 8));
      } else {
        for (int b = 0; b < bits / 8; ++b) row[static_cast<size_t>(x * bits / 8 + b)] = static_cast<char>(v >> (8 * b));
      }
    }
    out += row;
  }
  return out;
}

uint8_t widen(uint32_t v, int bits) {
  return static_cast<uint8_t>((v * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1));
}

struct Decoded {
  bool ok = false;
  PhotoImage image{ImageType::Bmp};
};

void decode(const std::string& file, Decoded& out) {
  BmpCodec codec;
  out.ok = codec.loadFromMemory(out.image, file.data(), file.size());
}

TEST(BmpCodecTest, EveryDepthAndLayoutDecodesToTheSameColours) {
  auto index = [](int colours) { return [colours](int x, int y) { return uint32_t(x * 3 + y * 5) % colours; }; };
  auto v555 = [](int x, int y) { return uint32_t((x * 6) << 10 | (y * 9) << 5 | (x + y * 7)); };
  auto v565 = [](int x, int y) { return uint32_t((x * 6) << 11 | (y * 20) << 5 | (x + y * 7)); };
  auto v24 = [](int x, int y) { return uint32_t(x * 40 | (y * 80) << 8 | (x * y * 10) << 16); };

  struct Case {
    const char* what;
    BmpLayout layout;
    std::function<Bgra(int, int)> expected;
    bool alpha;
  };
  auto paletted = [&](uint32_t headerSize, uint16_t bits, int colours, bool topDown) {
    BmpLayout s;
    s.headerSize = headerSize;
    s.width = kWidth;
    s.height = topDown ? -kHeight : kHeight;
    s.bits = bits;
    s.palette = testPalette(colours);
    if (headerSize > 40) s.masks = {0, 0, 0, 0};
    s.clrUsed = headerSize == 12 ? 0 : static_cast<uint32_t>(colours);
    s.pixels = packRows(bits, topDown, index(colours));
    return s;
  };
  auto ofPalette = [&](int colours) {
    return [colours, index](int x, int y) { return paletteColour(index(colours)(x, y)); };
  };
  auto masked = [](uint16_t bits, uint32_t compression, std::vector<uint32_t> masks, uint32_t headerSize,
                   std::function<uint32_t(int, int)> value) {
    BmpLayout s;
    s.headerSize = headerSize;
    s.width = kWidth;
    s.height = kHeight;
    s.bits = bits;
    s.compression = compression;
    s.masks = std::move(masks);
    s.pixels = packRows(bits, false, value);
    return s;
  };
  const Case cases[] = {
      {"1-bit", paletted(40, 1, 2, false), ofPalette(2), false},
      {"4-bit", paletted(40, 4, 16, false), ofPalette(16), false},
      {"4-bit with 11 colours used", paletted(40, 4, 11, false), ofPalette(11), false},
      {"8-bit", paletted(40, 8, 256, false), ofPalette(256), false},
      {"8-bit top-down", paletted(40, 8, 200, true), ofPalette(200), false},
      {"8-bit with a version 5 header", paletted(124, 8, 256, false), ofPalette(256), false},
      {"8-bit with a core header", paletted(12, 8, 256, false), ofPalette(256), false},
      {"16-bit 5-5-5", masked(16, kBitmapRgb, {}, 40, v555),
       [&](int x, int y) {
         return Bgra{widen(x + y * 7, 5), widen(y * 9, 5), widen(x * 6, 5), 255};
       },
       false},
      {"16-bit 5-6-5 bit fields", masked(16, kBitmapBitFields, {0xF800, 0x07E0, 0x001F}, 40, v565),
       [&](int x, int y) {
         return Bgra{widen(x + y * 7, 5), widen(y * 20, 6), widen(x * 6, 5), 255};
       },
       false},
      {"24-bit", masked(24, kBitmapRgb, {}, 40, v24),
       [](int x, int y) {
         return Bgra{uint8_t(x * 40), uint8_t(y * 80), uint8_t(x * y * 10), 255};
       },
       false},
      {"32-bit with a zero fourth byte", masked(32, kBitmapRgb, {}, 40, v24),
       [](int x, int y) {
         return Bgra{uint8_t(x * 40), uint8_t(y * 80), uint8_t(x * y * 10), 255};
       },
       false},
      {"32-bit with alpha in the fourth byte",
       masked(32, kBitmapRgb, {}, 40, [&](int x, int y) { return v24(x, y) | uint32_t(x * 50) << 24; }),
       [](int x, int y) {
         return Bgra{uint8_t(x * 40), uint8_t(y * 80), uint8_t(x * y * 10), uint8_t(x * 50)};
       },
       true},
      {"32-bit bit fields with an alpha mask",
       masked(32, kBitmapBitFields, {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000}, 124,
              [](int x, int y) { return uint32_t(x * 40 | (y * 80) << 8 | 0x11 << 16 | (200 - x) << 24); }),
       [](int x, int y) {
         return Bgra{0x11, uint8_t(y * 80), uint8_t(x * 40), uint8_t(200 - x)};
       },
       true},
  };
  for (const Case& c : cases) {
    Decoded d;
    decode(bmpFile(c.layout), d);
    ASSERT_TRUE(d.ok) << c.what;
    const PhotoImage& image = d.image;
    EXPECT_EQ(image.info().type, ImageType::Bmp) << c.what;
    EXPECT_EQ(image.info().bitsPerPixel, c.layout.bits) << c.what;
    EXPECT_EQ(image.info().width, kWidth) << c.what;
    EXPECT_EQ(image.info().height, kHeight) << c.what;
    ASSERT_EQ(image.colorBitmap().bitsPerPixel(), 24) << c.what;
    ASSERT_EQ(image.hasAlpha(), c.alpha) << c.what;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        Bgra got = image.colorBitmap().color(x, y);
        if (c.alpha) got.alpha = static_cast<uint8_t>(image.alphaPlane().pixel(x, y));
        ASSERT_EQ(got, c.expected(x, y)) << c.what << " at " << x << "," << y;
      }
  }
}

TEST(BmpCodecTest, RunLengthFilesExpandWithRunsJumpsAndLiterals) {
  // Bottom row: a run of three 1s and a run of 2s longer than the row; the
  // middle row: literals 5 6 7 and a jump to the last pixel of the top row,
  // which gets a 9; then the end of the bitmap.
  const std::string rle8(
      "\x03\x01\x09\x02\x00\x00"
      "\x00\x03\x05\x06\x07\x00"
      "\x00\x02\x01\x01\x01\x09\x00\x01",
      20);
  const std::string rle4(
      "\x03\x11\x09\x22\x00\x00"
      "\x00\x03\x56\x70"
      "\x00\x02\x01\x01\x01\x90\x00\x01",
      18);
  const uint32_t expected[kHeight][kWidth] = {{0, 0, 0, 0, 9}, {5, 6, 7, 0, 0}, {1, 1, 1, 2, 2}};
  for (auto [bits, compression, data] :
       {std::tuple{uint16_t(8), kBitmapRle8, rle8}, {uint16_t(4), kBitmapRle4, rle4}}) {
    BmpLayout s;
    s.width = kWidth;
    s.height = kHeight;
    s.bits = bits;
    s.compression = compression;
    s.palette = testPalette(16);
    s.pixels = data;
    Decoded d;
    decode(bmpFile(s), d);
    ASSERT_TRUE(d.ok) << bits;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        EXPECT_EQ(d.image.colorBitmap().color(x, y), paletteColour(expected[y][x])) << bits << " at " << x << "," << y;
  }
}

TEST(BmpCodecTest, MalformedFilesAreRefused) {
  BmpLayout good;
  good.width = kWidth;
  good.height = kHeight;
  good.bits = 8;
  good.palette = testPalette(256);
  good.pixels = std::string(static_cast<size_t>(8 * kHeight), '\x01');
  auto with = [&](const std::function<void(BmpLayout&)>& change) {
    BmpLayout s = good;
    change(s);
    return bmpFile(s);
  };
  std::string badMagic = bmpFile(good);
  badMagic[1] = 'A';
  std::string offsetBeyond = bmpFile(good);
  offsetBeyond[10] = '\xFF', offsetBeyond[11] = '\xFF';
  const std::string hugeRle = with([](BmpLayout& s) {
    s.width = 30000;
    s.height = 30000;  // 900 megapixels from a few bytes
    s.compression = kBitmapRle8;
    s.pixels = std::string("\x00\x01", 2);
  });
  struct Case {
    const char* what;
    std::string file;
  };
  const Case cases[] = {
      {"empty", ""},
      {"only the file header", bmpFile(good).substr(0, 14)},
      {"not BM", badMagic},
      {"a 64-byte header", with([](BmpLayout& s) { s.headerSize = 64; })},
      {"pixels beyond the end", offsetBeyond},
      {"pixels cut short", bmpFile(good).substr(0, bmpFile(good).size() - 1)},
      {"RLE8 on 4 bits", with([](BmpLayout& s) { s.bits = 4, s.compression = kBitmapRle8; })},
      {"RLE4 on 8 bits", with([](BmpLayout& s) { s.compression = kBitmapRle4; })},
      {"RLE top-down", with([](BmpLayout& s) { s.compression = kBitmapRle8, s.height = -kHeight; })},
      {"bit fields on 8 bits", with([](BmpLayout& s) { s.compression = kBitmapBitFields; })},
      {"PNG compression", with([](BmpLayout& s) { s.compression = 5; })},
      {"no width", with([](BmpLayout& s) { s.width = 0; })},
      {"negative width", with([](BmpLayout& s) { s.width = -5; })},
      {"no height", with([](BmpLayout& s) { s.height = 0; })},
      {"2 bits", with([](BmpLayout& s) { s.bits = 2; })},
      {"no room for the palette", with([](BmpLayout& s) { s.palette.clear(), s.pixelOffset = 54; })},
      {"run-length picture beyond the size limits", hugeRle},
  };
  for (const Case& c : cases) {
    Decoded d;
    d.image.info().width = 99;  // a failed load leaves the image empty
    decode(c.file, d);
    EXPECT_FALSE(d.ok) << c.what;
    EXPECT_FALSE(d.image.colorBitmap().isValid()) << c.what;
    EXPECT_EQ(d.image.info().width, 0) << c.what;
  }
  // A palette that declares more colours than fit keeps those that do.
  Decoded d;
  decode(with([](BmpLayout& s) { s.palette = testPalette(3), s.clrUsed = 0; }), d);
  EXPECT_TRUE(d.ok);
  EXPECT_EQ(d.image.colorBitmap().color(0, 0), paletteColour(1));
}

TEST(BmpCodecTest, BitmapsRoundTripThroughMemory) {
  const DibBitmap picture = test::makeBitmap(7, 3, [](int x, int y) {
    return Bgra{uint8_t(x * 30), uint8_t(y), 77, 255};
  });
  std::vector<uint8_t> file;
  ASSERT_TRUE(BmpCodec::encodeToMemory(picture, file));
  EXPECT_EQ(file.size(), 14u + 40 + 24 * 3);
  DibBitmap back;
  ASSERT_TRUE(BmpCodec::decodeFromMemory(file.data(), file.size(), back));
  ASSERT_EQ(back.width(), 7);
  EXPECT_EQ(std::memcmp(back.bits(), picture.bits(), picture.byteCount()), 0);
  EXPECT_FALSE(BmpCodec::decodeFromMemory(file.data(), file.size() - 1, back));
  EXPECT_FALSE(back.isValid());

  // Other depths are written as stored, with their palette or masks.
  DibBitmap indexed;
  ASSERT_TRUE(indexed.create(3, 2, 4));
  indexed.setPixel(2, 1, 15);
  DibBitmap masked;
  std::vector<uint8_t> info(52);
  BitmapInfoHeader h;
  h.width = 2, h.height = 1, h.bitCount = 16, h.compression = kBitmapBitFields;
  storeInfoHeader(h, info.data());
  const uint8_t masks[12] = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
  std::copy(masks, masks + 12, info.begin() + 40);
  ASSERT_TRUE(masked.createFromInfo(info));
  masked.setPixel(1, 0, 0x07E0);
  for (const DibBitmap* b : {&indexed, &masked}) {
    ASSERT_TRUE(BmpCodec::encodeToMemory(*b, file));
    ASSERT_TRUE(BmpCodec::decodeFromMemory(file.data(), file.size(), back));
    for (int y = 0; y < b->height(); ++y)
      for (int x = 0; x < b->width(); ++x) EXPECT_EQ(back.color(x, y), b->color(x, y)) << b->bitsPerPixel();
  }
}

TEST(BmpCodecTest, AnImageWithAlphaIsSavedAs32BitsAndInfoOnlyReadsTheHeader) {
  PhotoImage image(ImageType::Bmp);
  image.colorBitmap() = test::makeBitmap(4, 2, [](int x, int y) { return Bgra{uint8_t(x), uint8_t(y), 3, 255}; });
  ASSERT_TRUE(image.alphaPlane().create(4, 2, 8));
  image.alphaPlane().setPixel(3, 1, 128);
  BmpCodec codec;
  std::vector<uint8_t> file;
  ASSERT_TRUE(codec.saveToMemory(image, file));

  PhotoImage back(ImageType::Bmp);
  ASSERT_TRUE(codec.loadFromMemory(back, file.data(), file.size(), true));
  EXPECT_EQ(back.info().bitsPerPixel, 32);
  EXPECT_EQ(back.info().width, 4);
  EXPECT_FALSE(back.colorBitmap().isValid());

  ASSERT_TRUE(codec.loadFromMemory(back, file.data(), file.size()));
  ASSERT_TRUE(back.hasAlpha());
  EXPECT_EQ(back.alphaPlane().pixel(3, 1), 128u);
  EXPECT_EQ(back.alphaPlane().pixel(0, 0), 0u);
  EXPECT_EQ(back.colorBitmap().color(3, 1), (Bgra{3, 1, 3, 255}));
  EXPECT_TRUE(codec.isOfKind(back));
}

}  // namespace
}  // namespace tavoro
