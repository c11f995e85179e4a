#include <gtest/gtest.h>

#include <cstdlib>

#include "ImageTestFiles.h"
#include "imaging/JpegCodec.h"
#include "imaging/MemoryStream.h"

namespace tavoro {
namespace {

using test::jpegFile;

bool near(const Bgra& a, const Bgra& b, int tolerance) {
  return std::abs(a.blue - b.blue) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
         std::abs(a.red - b.red) <= tolerance;
}

bool decode(const std::string& file, PhotoImage& image, bool infoOnly = false) {
  JpegCodec codec;
  return codec.loadFromMemory(image, file.data(), file.size(), infoOnly);
}

TEST(JpegCodecTest, GreyColourAndCmykFilesDecodeToBlueGreenRed) {
  // Flat 8 x 8 blocks survive compression almost unchanged.
  auto block = [](int x, int y) { return (x / 8) * 2 + (y / 8); };  // 0..3
  const uint16_t levels[4][4] = {{200, 30, 90, 250}, {10, 220, 140, 255}, {60, 60, 250, 128}, {255, 255, 255, 40}};
  struct Case {
    const char* what;
    int components;
    std::function<Bgra(int)> expected;  // by block
  };
  const Case cases[] = {
      {"grey", 1,
       [&](int b) {
         return Bgra{uint8_t(levels[b][0]), uint8_t(levels[b][0]), uint8_t(levels[b][0]), 255};
       }},
      {"RGB", 3,
       [&](int b) {
         return Bgra{uint8_t(levels[b][2]), uint8_t(levels[b][1]), uint8_t(levels[b][0]), 255};
       }},
      // Adobe CMYK is stored inverted: each colour is the stored value scaled by K.
      {"CMYK", 4,
       [&](int b) {
         const int k = levels[b][3];
         return Bgra{uint8_t(levels[b][2] * k / 255), uint8_t(levels[b][1] * k / 255), uint8_t(levels[b][0] * k / 255),
                     255};
       }},
  };
  for (const Case& c : cases) {
    const std::string file = jpegFile(
        16, 16, c.components,
        [&](int x, int y) {
          const auto* l = levels[block(x, y)];
          return std::array<uint16_t, 4>{l[0], l[1], l[2], l[3]};
        },
        100);
    PhotoImage image(ImageType::Jpg);
    ASSERT_TRUE(decode(file, image)) << c.what;
    EXPECT_EQ(image.info().type, ImageType::Jpg);
    EXPECT_EQ(image.info().components, c.components) << c.what;
    EXPECT_EQ(image.info().bitsPerPixel, 8 * c.components) << c.what;
    ASSERT_EQ(image.colorBitmap().bitsPerPixel(), 24);
    ASSERT_EQ(image.colorBitmap().width(), 16);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const Bgra got = image.colorBitmap().color(x, y), want = c.expected(block(x, y));
        ASSERT_TRUE(near(got, want, 3)) << c.what << " at " << x << "," << y << ": " << int(got.red) << " "
                                        << int(got.green) << " " << int(got.blue);
      }
  }
}

TEST(JpegCodecTest, QualityMapsOntoTheLibraryScale) {
  const std::pair<int, int> cases[] = {{100, 98}, {95, 93}, {90, 89}, {50, 52}, {0, 5}, {-20, 5}, {250, 98}, {1, 6}};
  for (auto [quality, library] : cases) EXPECT_EQ(JpegCodec::libraryQuality(quality), library) << quality;
}

TEST(JpegCodecTest, EncodingHonoursTheSaveSettings) {
  PhotoImage image(ImageType::Jpg);
  image.colorBitmap() = test::makeBitmap(40, 24, [](int x, int y) {
    return Bgra{uint8_t(x * 6), uint8_t(y * 10), 128, 255};
  });
  JpegCodec codec;
  auto encode = [&](int quality, unsigned flags) {
    image.jpegSettings().quality = quality;
    image.jpegSettings().flags = flags;
    std::vector<uint8_t> out;
    EXPECT_TRUE(codec.saveToMemory(image, out));
    return std::string(out.begin(), out.end());
  };
  // Full chroma once the library quality reaches the threshold of 95.
  EXPECT_EQ(test::jpegLumaSampling(encode(95, 0)), std::make_pair(2, 2));
  EXPECT_EQ(test::jpegLumaSampling(encode(100, 0)), std::make_pair(1, 1));
  image.jpegSettings().fullChromaThreshold = 50;
  EXPECT_EQ(test::jpegLumaSampling(encode(60, 0)), std::make_pair(1, 1));
  image.jpegSettings().fullChromaThreshold = 95;

  const std::string progressive = encode(80, JpegSaveSettings::kProgressive);
  EXPECT_NE(progressive.find("\xFF\xC2"), std::string::npos);
  const std::string baseline = encode(80, JpegSaveSettings::kOptimize);
  EXPECT_NE(baseline.find("\xFF\xC0"), std::string::npos);
  EXPECT_LT(encode(20, 0).size(), encode(100, 0).size());

  for (const std::string& file : {progressive, baseline}) {
    PhotoImage back(ImageType::Jpg);
    ASSERT_TRUE(decode(file, back));
    ASSERT_EQ(back.colorBitmap().width(), 40);
    EXPECT_TRUE(near(back.colorBitmap().color(20, 12), image.colorBitmap().color(20, 12), 6));
  }

  PhotoImage empty(ImageType::Jpg);
  std::vector<uint8_t> out;
  EXPECT_FALSE(codec.saveToMemory(empty, out));
}

TEST(JpegCodecTest, InfoOnlyAndBrokenFiles) {
  const std::string file = jpegFile(24, 8, 3, [](int x, int) {
    return std::array<uint16_t, 4>{uint16_t(x * 10), 0, 0, 0};
  });
  PhotoImage image(ImageType::Jpg);
  ASSERT_TRUE(decode(file, image, true));
  EXPECT_EQ(image.info().width, 24);
  EXPECT_EQ(image.info().height, 8);
  EXPECT_FALSE(image.colorBitmap().isValid());

  // A frame header claiming 40000 pixels a side.
  std::string huge = file;
  const size_t sof = huge.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  huge[sof + 5] = '\x9C', huge[sof + 6] = '\x40';
  std::string notJpeg = file;
  notJpeg[1] = '\x00';
  for (const std::string& bad : {std::string(), notJpeg, huge, file.substr(0, 20)}) {
    PhotoImage broken(ImageType::Jpg);
    EXPECT_FALSE(decode(bad, broken)) << bad.size();
    EXPECT_FALSE(broken.colorBitmap().isValid());
  }
  // A file cut inside its picture decodes as far as it goes.
  PhotoImage cut(ImageType::Jpg);
  EXPECT_TRUE(decode(file.substr(0, file.size() - 10), cut));
  EXPECT_EQ(cut.colorBitmap().width(), 24);
}

TEST(JpegCodecTest, ReducedDecodeStillCoversTheFittedBox) {
  // Left half red, right half blue: the colours survive the reduction.
  const std::string file = jpegFile(800, 600, 3, [](int x, int) {
    return x < 400 ? std::array<uint16_t, 4>{255, 0, 0, 0} : std::array<uint16_t, 4>{0, 0, 255, 0};
  });
  struct Case {
    Size box;
    Size decoded;
  };
  for (const Case& c : {Case{{200, 200}, {200, 150}}, Case{{201, 201}, {400, 300}}, Case{{0, 0}, {800, 600}},
                        Case{{1000, 1000}, {800, 600}}, Case{{50, 50}, {100, 75}}}) {
    PhotoImage image(ImageType::Jpg);
    image.setReducedDecodeBox(c.box);
    ASSERT_TRUE(decode(file, image)) << c.box.width;
    EXPECT_EQ(image.colorBitmap().width(), c.decoded.width) << c.box.width;
    EXPECT_EQ(image.colorBitmap().height(), c.decoded.height) << c.box.width;
    EXPECT_EQ(image.info().width, 800);  // the file's own size
    const int w = image.colorBitmap().width();
    EXPECT_TRUE(near(image.colorBitmap().color(w / 8, 10), Bgra{0, 0, 255}, 8)) << c.box.width;
    EXPECT_TRUE(near(image.colorBitmap().color(w - w / 8, 10), Bgra{255, 0, 0}, 8)) << c.box.width;
  }
}

TEST(JpegCodecTest, ReencodingKeepsTheApplicationSegments) {
  const std::string exif = std::string("Exif\0\0", 6) + std::string("II*\0\x08\0\0\0\0\0\0\0\0\0", 14);
  const std::string icc = "ICC_PROFILE" + std::string(40, 'p');
  const std::string comment = "made by a test";
  const std::string source = test::insertSegments(
      jpegFile(16, 16, 3,
               [](int, int) {
                 return std::array<uint16_t, 4>{1, 2, 3, 0};
               }),
      {test::jpegSegment(0xE1, exif), test::jpegSegment(0xE2, icc), test::jpegSegment(0xFE, comment)});
  PhotoImage image(ImageType::Jpg);
  ASSERT_TRUE(decode(source, image));
  ASSERT_GE(findSegment(image.segments(), kJpegExif), 0);

  JpegCodec codec;
  std::vector<uint8_t> out;
  ASSERT_TRUE(codec.saveToMemory(image, out));
  MemoryStream stream(out.data(), out.size());
  JpegSegmentList written;
  ASSERT_TRUE(readSegments(stream, false, written));
  // EXIF first (so no JFIF segment is added), then the ICC profile, then the
  // new file's own tables; the comment was not an application segment.
  ASSERT_GE(written.size(), 4u);
  EXPECT_EQ(written[0].id, kJpegExif);
  EXPECT_EQ(std::string(written[0].data.begin() + 2, written[0].data.end()), exif);
  EXPECT_EQ(written[1].id, 0xE2);
  EXPECT_EQ(findSegment(written, 0xFE), -1);
  EXPECT_EQ(std::string(out.begin() + 2, out.begin() + 4), "\xFF\xE1");

  PhotoImage again(ImageType::Jpg);
  ASSERT_TRUE(decode(std::string(out.begin(), out.end()), again));
  EXPECT_TRUE(near(again.colorBitmap().color(5, 5), Bgra{3, 2, 1, 255}, 3));
}

}  // namespace
}  // namespace tavoro
