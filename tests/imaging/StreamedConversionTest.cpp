// Converting a photo row by row (the decoders' streaming form into the
// encoders' row writers) against the whole-image path: decoding the photo
// whole and saving it. Bands of a few rows make the decoders that re-read
// their file (interlaced PNG, bottom-up BMP) go through many bands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ImageTestFiles.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/DibBitmap.h"
#include "imaging/ImageCodec.h"
#include "imaging/PhotoConversion.h"
#include "imaging/PhotoImage.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::TempDir;

struct Source {
  const char* what;
  std::wstring name;
  std::string bytes;
  int width;
  int height;
};

test::Sampler gradient() {
  return [](int x, int y) {
    return std::array<uint16_t, 4>{uint16_t(x * 7 % 256), uint16_t(y * 11 % 256), uint16_t((x + y) % 256),
                                   uint16_t((x * y) % 256)};
  };
}

std::string png(int width, int height, int colorType, bool interlaced) {
  test::PngLayout layout;
  layout.colorType = colorType;
  layout.width = width;
  layout.height = height;
  layout.interlaced = interlaced;
  layout.sample = gradient();
  return test::pngFile(layout);
}

// A bottom-up BMP of 24 or 32 bits (alpha in the fourth byte).
std::string bmp(int width, int height, int bits) {
  test::BmpLayout layout;
  layout.width = width;
  layout.height = height;
  layout.bits = static_cast<uint16_t>(bits);
  for (int y = height - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      const auto c = gradient()(x, y);
      for (int i = 0; i < bits / 8; ++i) row += static_cast<char>(c[static_cast<size_t>(i)]);
    }
    row.resize((row.size() + 3) / 4 * 4, '\0');
    layout.pixels += row;
  }
  return test::bmpFile(layout);
}

// An 8-bit run-length BMP whose rows mix runs, literals, and jumps that
// leave rows out and carry the column into a later row.
std::string runLengthBmp(int width, int height) {
  test::BmpLayout layout;
  layout.width = width;
  layout.height = height;
  layout.bits = 8;
  layout.compression = 1;  // 8-bit run-length
  for (int i = 0; i < 256; ++i)
    layout.palette.push_back({uint8_t(i), uint8_t(i * 3 % 256), uint8_t(255 - i)});
  std::string& data = layout.pixels;
  auto bytes = [&](std::initializer_list<int> values) {
    for (int v : values) data += static_cast<char>(v);
  };
  for (int y = 0; y < height;) {
    bytes({y * 3 % width + 1, y % 256});           // a run
    bytes({0, 3, 10 + y, 20 + y, 30 + y, 0});      // three literals and their pad
    if (y % 6 == 2 && y + 3 < height) {
      bytes({0, 2, 1, 2, 4, 200, 0, 0});           // two rows up, one column on, a run
      y += 3;
    } else {
      bytes({0, 0});
      ++y;
    }
  }
  bytes({0, 1});
  return test::bmpFile(layout);
}

std::vector<Source> sources() {
  return {
      {"plain PNG", L"plain.png", png(37, 29, 2, false), 37, 29},
      {"plain PNG with alpha", L"alpha.png", png(37, 29, 6, false), 37, 29},
      {"interlaced PNG", L"interlaced.png", png(37, 29, 2, true), 37, 29},
      {"interlaced PNG with alpha", L"interlaced-alpha.png", png(37, 29, 6, true), 37, 29},
      {"interlaced grey PNG, one row", L"row.png", png(9, 1, 0, true), 9, 1},
      {"interlaced PNG, one column", L"column.png", png(1, 6, 2, true), 1, 6},
      {"24-bit BMP", L"plain.bmp", bmp(37, 29, 24), 37, 29},
      {"32-bit BMP with alpha", L"alpha.bmp", bmp(37, 29, 32), 37, 29},
      {"run-length BMP", L"rle.bmp", runLengthBmp(37, 29), 37, 29},
      {"JPEG", L"photo.jpg", test::jpegFile(37, 29, 3, gradient()), 37, 29},
      {"CMYK JPEG", L"cmyk.jpg", test::jpegFile(37, 29, 4, gradient()), 37, 29},
  };
}

// The pixels of a file, colour and alpha, as the program decodes it whole.
std::string decodedPixels(const std::wstring& path) {
  PhotoImage image(typeFromExtension(path));
  if (!image.open(path)) return "not decoded";
  std::string pixels;
  for (int y = 0; y < image.colorBitmap().height(); ++y) {
    const uint8_t* row = image.colorBitmap().row(y);
    pixels.append(reinterpret_cast<const char*>(row), static_cast<size_t>(image.colorBitmap().width()) * 3);
    if (image.hasAlpha())
      pixels.append(reinterpret_cast<const char*>(image.alphaPlane().row(y)),
                    static_cast<size_t>(image.alphaPlane().width()));
  }
  return pixels;
}

TEST(StreamedConversionTest, GivesWhatTheWholeImagePathGives) {
  TempDir dir;
  for (const Source& source : sources()) {
    const std::wstring in = dir / source.name;
    test::writeFile(in, source.bytes);
    for (const wchar_t* extension : {L"bmp", L"png", L"jpg"}) {
      SCOPED_TRACE(std::string(source.what) + " to " + std::string(extension, extension + 3));
      const std::wstring whole = dir / (L"whole." + std::wstring(extension));
      const std::wstring streamed = dir / (L"streamed." + std::wstring(extension));
      const std::unique_ptr<ImageCodec> encoder = createImageCodec(typeFromExtension(whole));
      PhotoImage image(typeFromExtension(in));
      ASSERT_TRUE(image.open(in));
      ASSERT_TRUE(encoder->saveToFile(image, whole));

      PhotoImage streaming(typeFromExtension(in));
      streaming.setStreamBandBytes(2 * 4 * source.width);  // two rows of four channels
      ASSERT_EQ(convertPhotoFile(streaming, in, *encoder, streamed), ConversionResult::Done);
      EXPECT_EQ(streaming.info().width, source.width);
      EXPECT_EQ(streaming.info().height, source.height);
      // BMP and JPEG files are the same to the byte; a PNG file's
      // modification time may differ, its pixels may not.
      if (encoder->kind() == ImageType::Png)
        EXPECT_EQ(decodedPixels(streamed), decodedPixels(whole));
      else
        EXPECT_EQ(test::readFile(streamed), test::readFile(whole));
    }
  }
}

// Every colour type, depth and interlacing of the PNG test suite, and its
// broken files, which both paths refuse.
TEST(StreamedConversionTest, GivesWhatTheWholeImagePathGivesForThePngSuite) {
  const std::wstring folder = test::testDataFolder() + L"/pngsuite/png";
  std::vector<FolderEntry> entries;
  if (test::testDataFolder().empty() || !listFolder(folder, entries))
    GTEST_SKIP() << "PngSuite not found (../shared/testdata)";
  TempDir dir;
  const std::unique_ptr<ImageCodec> encoder = createImageCodec(ImageType::Bmp);
  for (const FolderEntry& entry : entries) {
    if (!entry.name.ends_with(L".png")) continue;
    const std::wstring in = folder + L"/" + entry.name;
    PhotoImage image(ImageType::Png);
    PhotoImage streaming(ImageType::Png);
    streaming.setStreamBandBytes(1);  // a band of one row
    const ConversionResult result = convertPhotoFile(streaming, in, *encoder, dir / L"streamed.bmp");
    if (!image.open(in)) {
      EXPECT_EQ(result, ConversionResult::ReadFailed) << toUtf8(entry.name);
      continue;
    }
    ASSERT_EQ(result, ConversionResult::Done) << toUtf8(entry.name);
    ASSERT_TRUE(encoder->saveToFile(image, dir / L"whole.bmp"));
    EXPECT_EQ(test::readFile(dir / L"streamed.bmp"), test::readFile(dir / L"whole.bmp")) << toUtf8(entry.name);
  }
}

TEST(StreamedConversionTest, HoldsNoMoreThanItsBand) {
  TempDir dir;
  const int width = 300, height = 200;
  const std::vector<std::pair<std::wstring, std::string>> files = {
      {L"interlaced.png", png(width, height, 6, true)}, {L"bottom-up.bmp", bmp(width, height, 32)}};
  for (const auto& [name, bytes] : files) {
    test::writeFile(dir / name, bytes);
    PhotoImage source(typeFromExtension(name));
    const int64_t band = int64_t{8} * width * 4;
    source.setStreamBandBytes(band);
    const std::unique_ptr<ImageCodec> encoder = createImageCodec(ImageType::Png);
    DibBitmap::resetMemoryPeak();
    const size_t before = DibBitmap::memoryInUse();
    ASSERT_EQ(convertPhotoFile(source, dir / name, *encoder, dir / L"out.png"), ConversionResult::Done);
    // The band's rows with padding; the whole picture would be 240,000 bytes.
    EXPECT_LE(DibBitmap::memoryPeak() - before, static_cast<size_t>(band) + 1024) << toUtf8(name);
    EXPECT_EQ(decodedPixels(dir / L"out.png"), decodedPixels(dir / name)) << toUtf8(name);
  }
}

TEST(StreamedConversionTest, TellsAReadFailureFromAWriteFailureAndLeavesTheTarget) {
  TempDir dir;
  const std::string good = png(20, 10, 2, true);
  test::writeFile(dir / L"good.png", good);
  test::writeFile(dir / L"cut.png", good.substr(0, good.size() / 2));
  test::writeFile(dir / L"target.bmp", "old contents");
  const std::unique_ptr<ImageCodec> encoder = createImageCodec(ImageType::Bmp);
  PhotoImage source(ImageType::Png);
  EXPECT_EQ(convertPhotoFile(source, dir / L"cut.png", *encoder, dir / L"target.bmp"), ConversionResult::ReadFailed);
  EXPECT_EQ(test::readFile(dir / L"target.bmp"), "old contents");
  EXPECT_EQ(convertPhotoFile(source, dir / L"good.png", *encoder, dir / L"no/folder/target.bmp"),
            ConversionResult::WriteFailed);
}

}  // namespace
}  // namespace tavoro
