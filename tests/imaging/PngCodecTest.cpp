#include <gtest/gtest.h>

#include <sys/resource.h>
#include <zlib.h>

#include <cmath>

#include "ImageTestFiles.h"
#include "imaging/PngCodec.h"
#include "platform/AppPaths.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::PngLayout;

bool decode(const std::string& file, PhotoImage& image, bool infoOnly = false) {
  PngCodec codec;
  return codec.loadFromMemory(image, file.data(), file.size(), infoOnly);
}

// An 8-bit value on the scale of a sample of the given depth.
uint8_t to8(uint32_t v, int depth) {
  if (depth == 16) return static_cast<uint8_t>(v >> 8);
  return static_cast<uint8_t>(v * 255 / ((1u << depth) - 1));
}

TEST(PngCodecTest, EveryColourTypeAndDepthDecodes) {
  struct Case {
    int colorType;
    int depth;
  };
  const Case cases[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                        {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
  for (const Case& c : cases) {
    for (bool interlaced : {false, true}) {
      const uint32_t most = (1u << c.depth) - 1;
      PngLayout layout;
      layout.colorType = c.colorType;
      layout.bitDepth = c.depth;
      layout.width = 13;
      layout.height = 9;
      layout.interlaced = interlaced;
      layout.sample = [&](int x, int y) {
        const uint32_t a = static_cast<uint32_t>(x * 37 + y * 11) % (most + 1);
        const uint32_t b = static_cast<uint32_t>(x * 5 + y * 53 + 7) % (most + 1);
        return std::array<uint16_t, 4>{uint16_t(a), uint16_t(c.colorType == 4 ? b : b), uint16_t(most - a),
                                       uint16_t((a + b) % (most + 1))};
      };
      for (uint32_t i = 0; c.colorType == 3 && i <= most; ++i)
        layout.palette.push_back({uint8_t(i * 3), uint8_t(255 - i), uint8_t(i * 7)});
      PhotoImage image(ImageType::Png);
      const std::string what = "type " + std::to_string(c.colorType) + " depth " + std::to_string(c.depth) +
                               (interlaced ? " interlaced" : "");
      ASSERT_TRUE(decode(test::pngFile(layout), image)) << what;
      const int channels = c.colorType == 0 || c.colorType == 3 ? 1 : c.colorType == 4 ? 2 : c.colorType == 2 ? 3 : 4;
      EXPECT_EQ(image.info().bitsPerPixel, channels * c.depth) << what;
      EXPECT_EQ(image.info().colorType, c.colorType) << what;
      EXPECT_EQ(image.info().interlace, interlaced ? 1 : 0) << what;
      const bool alpha = c.colorType == 4 || c.colorType == 6;
      ASSERT_EQ(image.hasAlpha(), alpha) << what;
      for (int y = 0; y < layout.height; ++y)
        for (int x = 0; x < layout.width; ++x) {
          const auto s = layout.sample(x, y);
          Bgra want;
          switch (c.colorType) {
            case 0:
              want = {to8(s[0], c.depth), to8(s[0], c.depth), to8(s[0], c.depth), 255};
              break;
            case 4:
              want = {to8(s[0], c.depth), to8(s[0], c.depth), to8(s[0], c.depth), to8(s[1], c.depth)};
              break;
            case 3: {
              const auto& p = layout.palette[s[0]];
              want = {p[2], p[1], p[0], 255};
              break;
            }
            default:
              want = {to8(s[2], c.depth), to8(s[1], c.depth), to8(s[0], c.depth),
                      c.colorType == 6 ? to8(s[3], c.depth) : uint8_t(255)};
          }
          Bgra got = image.colorBitmap().color(x, y);
          if (alpha) got.alpha = static_cast<uint8_t>(image.alphaPlane().pixel(x, y));
          ASSERT_EQ(got, want) << what << " at " << x << "," << y;
        }
    }
  }
}

TEST(PngCodecTest, TransparencyChunksBecomeAnAlphaPlane) {
  PngLayout palette;
  palette.colorType = 3;
  palette.width = 4;
  palette.height = 1;
  palette.palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};
  palette.paletteAlpha = {0, 128};  // the third entry stays opaque
  palette.sample = [](int x, int) { return std::array<uint16_t, 4>{uint16_t(x % 3), 0, 0, 0}; };
  PhotoImage image(ImageType::Png);
  ASSERT_TRUE(decode(test::pngFile(palette), image));
  ASSERT_TRUE(image.hasAlpha());
  EXPECT_EQ(image.alphaPlane().pixel(0, 0), 0u);
  EXPECT_EQ(image.alphaPlane().pixel(1, 0), 128u);
  EXPECT_EQ(image.alphaPlane().pixel(2, 0), 255u);
  EXPECT_EQ(image.colorBitmap().color(1, 0), (Bgra{60, 50, 40, 255}));

  PngLayout rgb;
  rgb.colorType = 2;
  rgb.width = 3;
  rgb.height = 1;
  rgb.hasTransparent = true;
  rgb.transparent = {1, 2, 3};
  rgb.sample = [](int x, int) { return std::array<uint16_t, 4>{uint16_t(x), uint16_t(x + 1), uint16_t(x + 2), 0}; };
  ASSERT_TRUE(decode(test::pngFile(rgb), image));
  ASSERT_TRUE(image.hasAlpha());
  EXPECT_EQ(image.alphaPlane().pixel(0, 0), 255u);
  EXPECT_EQ(image.alphaPlane().pixel(1, 0), 0u);  // (1, 2, 3) is the transparent colour
}

TEST(PngCodecTest, AFileGammaIsCorrectedForTheScreen) {
  PngLayout layout;
  layout.colorType = 0;
  layout.width = 1;
  layout.height = 1;
  layout.sample = [](int, int) { return std::array<uint16_t, 4>{64, 0, 0, 0}; };
  PhotoImage image(ImageType::Png);
  ASSERT_TRUE(decode(test::pngFile(layout), image));
  EXPECT_EQ(image.colorBitmap().color(0, 0).red, 64);  // no gAMA: taken as made for the screen
  layout.gamma = 1.0;                                  // linear samples
  ASSERT_TRUE(decode(test::pngFile(layout), image));
  const int expected = static_cast<int>(std::lround(255 * std::pow(64 / 255.0, 1 / 2.2)));
  EXPECT_NEAR(image.colorBitmap().color(0, 0).red, expected, 1);
}

TEST(PngCodecTest, EncodingRoundTripsWithTheProgramTexts) {
  PhotoImage image(ImageType::Png);
  image.colorBitmap() = test::makeBitmap(17, 5, [](int x, int y) {
    return Bgra{uint8_t(x * 15), uint8_t(y * 50), 99, 255};
  });
  PngCodec codec;
  for (bool alpha : {false, true}) {
    if (alpha) {
      ASSERT_TRUE(image.alphaPlane().create(17, 5, 8));
      image.alphaPlane().setPixel(16, 4, 77);
    }
    std::vector<uint8_t> out;
    ASSERT_TRUE(codec.saveToMemory(image, out));
    const std::string file(out.begin(), out.end());
    PhotoImage back(ImageType::Png);
    ASSERT_TRUE(decode(file, back));
    EXPECT_EQ(back.info().colorType, alpha ? 6 : 2);
    EXPECT_EQ(back.info().bitDepth, 8);
    ASSERT_EQ(back.hasAlpha(), alpha);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 17; ++x) ASSERT_EQ(back.colorBitmap().color(x, y), image.colorBitmap().color(x, y));
    if (alpha) {
      EXPECT_EQ(back.alphaPlane().pixel(16, 4), 77u);
      EXPECT_EQ(back.alphaPlane().pixel(0, 0), 0u);
    }
    const auto texts = test::pngTexts(file);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].first, "Software");
    EXPECT_EQ(texts[0].second, "Tavoro");
    EXPECT_EQ(fromUtf8(texts[0].second), AppPaths::productName());
    EXPECT_EQ(texts[1].first, "Modification Time");
    EXPECT_EQ(texts[1].second.substr(texts[1].second.size() - 4), " GMT");
  }
  image.setPngCompressionLevel(0);
  std::vector<uint8_t> stored, packed;
  ASSERT_TRUE(codec.saveToMemory(image, stored));
  image.setPngCompressionLevel(42);  // clamped to 9
  ASSERT_TRUE(codec.saveToMemory(image, packed));
  EXPECT_LT(packed.size(), stored.size());
}

TEST(PngCodecTest, BrokenFilesAreRefused) {
  PngLayout layout;
  layout.colorType = 2;
  layout.width = 40;
  layout.height = 40;
  layout.sample = [](int x, int y) { return std::array<uint16_t, 4>{uint16_t(x * y % 256), 3, 4, 0}; };
  const std::string good = test::pngFile(layout);
  PhotoImage image(ImageType::Png);
  ASSERT_TRUE(decode(good, image, true));
  EXPECT_EQ(image.info().width, 40);
  EXPECT_FALSE(image.colorBitmap().isValid());

  std::string badCrc = good;
  badCrc[29] ^= 1;  // inside the header chunk's CRC
  std::string huge = good;
  huge[16] = '\x00', huge[17] = '\x00', huge[18] = '\x75', huge[19] = '\x31';  // 30001 wide, with its CRC
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(huge.data() + 12), 17);
  for (int i = 0; i < 4; ++i) huge[29 + static_cast<size_t>(i)] = static_cast<char>(crc >> (24 - 8 * i));
  std::string notPng = good;
  notPng[0] = 'X';
  // A text chunk that claims two gigabytes in a file of a hundred bytes.
  const std::string bloated = good.substr(0, 33) + std::string("\x74\x77\x00\x0DtEXtSoftware", 16) + good.substr(33);
  for (const std::string& bad : {std::string(), notPng, good.substr(0, 8), good.substr(0, 60), badCrc, huge, bloated}) {
    ASSERT_FALSE(decode(bad, image)) << bad.size();
    EXPECT_FALSE(image.colorBitmap().isValid());
    EXPECT_EQ(image.info().width, 0);
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  EXPECT_LT(usage.ru_maxrss, 512 * 1024) << "kilobytes at the most";
}

}  // namespace
}  // namespace tavoro
