// What a decoder holds at its peak, by the bitmaps' own accounting: the
// decoded picture and its alpha plane, and at most one row of the file's own
// format besides (a hostile interlaced PNG of 15800 x 15800 pixels once
// needed a second full copy, 1.9 GB).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ImageTestFiles.h"
#include "imaging/BitmapHeader.h"
#include "imaging/DibBitmap.h"
#include "imaging/ImageCodec.h"
#include "imaging/PhotoImage.h"

namespace tavoro {
namespace {

using test::BmpLayout;
using test::PngLayout;

constexpr int kWidth = 301;
constexpr int kHeight = 203;

// The pixel rows of a bottom-up BMP file, each padded to 4 bytes.
std::string bmpRows(const std::function<std::string(int x, int y)>& pixel) {
  std::string rows;
  for (int y = kHeight - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < kWidth; ++x) row += pixel(x, y);
    row.resize((row.size() + 3) / 4 * 4, '\0');
    rows += row;
  }
  return rows;
}

BmpLayout bmp(uint16_t bits, std::string pixels, uint32_t compression = 0) {
  BmpLayout layout;
  layout.width = kWidth;
  layout.height = kHeight;
  layout.bits = bits;
  layout.compression = compression;
  if (bits <= 8)
    for (int i = 0; i < (1 << bits); ++i) layout.palette.push_back({uint8_t(i), uint8_t(255 - i), 7});
  layout.pixels = std::move(pixels);
  return layout;
}

// Every row: a run of 200 pixels of index 1, then 101 literal indexes.
std::string runLengthRows() {
  std::string data;
  for (int y = 0; y < kHeight; ++y) {
    data += std::string("\xC8\x01", 2);
    data += std::string("\x00\x65", 2);
    for (int x = 0; x < 101; ++x) data += static_cast<char>(x);
    data += std::string("\x00\x00\x00", 3);  // the literal's padding, then the end of the line
  }
  return data + std::string("\x00\x01", 2);
}

TEST(DecodeMemoryTest, ADecoderHoldsThePictureAndOneRowAtMost) {
  PngLayout interlacedAlpha;
  interlacedAlpha.colorType = 6;
  interlacedAlpha.width = kWidth;
  interlacedAlpha.height = kHeight;
  interlacedAlpha.interlaced = true;
  interlacedAlpha.sample = [](int x, int y) {
    return std::array<uint16_t, 4>{uint16_t(x % 256), uint16_t(y % 256), 9, uint16_t((x + y) % 256)};
  };
  PngLayout plainAlpha = interlacedAlpha;
  plainAlpha.interlaced = false;
  PngLayout interlacedColour = interlacedAlpha;
  interlacedColour.colorType = 2;

  struct Case {
    const char* what;
    ImageType type;
    std::string file;
  };
  const std::vector<Case> cases = {
      {"interlaced PNG with alpha", ImageType::Png, test::pngFile(interlacedAlpha)},
      {"PNG with alpha", ImageType::Png, test::pngFile(plainAlpha)},
      {"interlaced PNG", ImageType::Png, test::pngFile(interlacedColour)},
      {"32-bit BMP with alpha", ImageType::Bmp,
       test::bmpFile(bmp(32, bmpRows([](int x, int y) {
                           return std::string{char(x), char(y), 3, char(x + y)};
                         })))},
      {"8-bit BMP", ImageType::Bmp, test::bmpFile(bmp(8, bmpRows([](int x, int) { return std::string(1, char(x)); })))},
      {"16-bit BMP", ImageType::Bmp, test::bmpFile(bmp(16, bmpRows([](int x, int y) {
                                                         return std::string{char(x), char(y & 0x7F)};
                                                       })))},
      {"4-bit BMP", ImageType::Bmp,
       test::bmpFile(bmp(4, bmpRows([](int x, int) { return x % 2 ? std::string() : std::string(1, char(x)); })))},
      {"run-length BMP", ImageType::Bmp, test::bmpFile(bmp(8, runLengthRows(), kBitmapRle8))},
      {"JPEG", ImageType::Jpg,
       test::jpegFile(kWidth, kHeight, 3,
                      [](int x, int y) {
                        return std::array<uint16_t, 4>{uint16_t(x % 256), uint16_t(y % 256), 50, 0};
                      })},
  };
  for (const Case& c : cases) {
    PhotoImage image(c.type);
    DibBitmap::resetMemoryPeak();
    const size_t before = DibBitmap::memoryInUse();
    ASSERT_TRUE(image.createCodec()->loadFromMemory(image, c.file.data(), c.file.size(), false)) << c.what;
    ASSERT_EQ(image.colorBitmap().width(), kWidth) << c.what;
    const size_t held = image.colorBitmap().byteCount() + image.alphaPlane().byteCount();
    EXPECT_EQ(DibBitmap::memoryInUse() - before, held) << c.what;
    EXPECT_LE(DibBitmap::memoryPeak() - before, held + 4 * kWidth) << c.what;
  }
}

}  // namespace
}  // namespace tavoro
