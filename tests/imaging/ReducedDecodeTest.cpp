// Decoding into a box: the picture is reduced while its rows arrive, to the
// same bytes as the whole picture fitted afterwards (JPEG through the
// library's scaled decoding, so close to them), and a large photo is never
// held whole.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <fstream>
#include <string>
#include <vector>

#include "ImageTestFiles.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/BitmapFitting.h"
#include "imaging/BitmapHeader.h"
#include "imaging/ImageCodec.h"
#include "imaging/LoadFitted.h"

namespace tavoro {
namespace {

using test::PngLayout;

std::array<uint16_t, 4> pattern(int x, int y) {
  return {uint16_t((x * 7 + y * 3) % 256), uint16_t((x * y) % 251), uint16_t((x ^ y) % 256), uint16_t((x + y) % 256)};
}

PngLayout png(int colorType, int depth, bool interlaced) {
  PngLayout layout;
  layout.colorType = colorType;
  layout.bitDepth = depth;
  layout.width = 67;
  layout.height = 45;
  layout.interlaced = interlaced;
  const int most = (1 << depth) - 1;
  layout.sample = [most, colorType](int x, int y) {
    std::array<uint16_t, 4> v = pattern(x, y);
    for (uint16_t& c : v) c = colorType == 3 ? uint16_t(c % (most + 1)) : uint16_t(c * most / 255);
    return v;
  };
  if (colorType == 3)
    for (int i = 0; i <= most; ++i) layout.palette.push_back({uint8_t(i * 37), uint8_t(255 - i), uint8_t(i * 11)});
  return layout;
}

// A BMP of 67 x 45 pixels; rows bottom-up (or top-down) as files store them.
std::string bmp(uint16_t bits, uint32_t compression = 0, bool topDown = false) {
  test::BmpLayout layout;
  layout.width = 67;
  layout.height = topDown ? -45 : 45;
  layout.bits = bits;
  layout.compression = compression;
  if (bits <= 8)
    for (int i = 0; i < (1 << bits); ++i) layout.palette.push_back({uint8_t(i * 13), uint8_t(255 - i), 7});
  if (compression == kBitmapRle8 || compression == kBitmapRle4) {
    // Per row: a run, a literal, a jump of a row every ninth row, then the end of the line.
    for (int y = 0; y < 45; ++y) {
      layout.pixels += std::string{char(30), char(y % 16 * 17)};
      layout.pixels += compression == kBitmapRle8 ? std::string{0, 4, 1, 2, 3, 4} : std::string{0, 4, 1 + 16 * 2, 3 + 16 * 4};
      if (y % 9 == 8) layout.pixels += std::string{0, 2, 5, 1};
      layout.pixels += std::string{0, 0};
    }
    layout.pixels += std::string{0, 1};
    return test::bmpFile(layout);
  }
  for (int y = 0; y < 45; ++y) {
    std::string row;
    for (int x = 0; x < 67; ++x) {
      const auto v = pattern(x, topDown ? y : 44 - y);
      if (bits == 24 || bits == 32) row += std::string{char(v[0]), char(v[1]), char(v[2])};
      if (bits == 32) row += char(v[3]);
      if (bits == 16) row += std::string{char(v[0]), char(v[1] & 0x7F)};
      if (bits == 8) row += char(v[0]);
      if (bits == 4 && x % 2 == 0) row += char(v[0]);
    }
    row.resize((row.size() + 3) / 4 * 4, '\0');
    layout.pixels += row;
  }
  return test::bmpFile(layout);
}

TEST(ReducedDecodeTest, GivesTheSameBytesAsFittingTheWholePicture) {
  struct Case {
    const char* what;
    ImageType type;
    std::string file;
  };
  PngLayout transparent = png(3, 4, true);
  transparent.paletteAlpha = {0, 128, 255};
  const Case cases[] = {
      {"RGB PNG", ImageType::Png, test::pngFile(png(2, 8, false))},
      {"interlaced RGBA PNG", ImageType::Png, test::pngFile(png(6, 8, true))},
      {"16-bit grey and alpha PNG", ImageType::Png, test::pngFile(png(4, 16, false))},
      {"interlaced palette PNG with tRNS", ImageType::Png, test::pngFile(transparent)},
      {"2-bit grey PNG", ImageType::Png, test::pngFile(png(0, 2, false))},
      {"24-bit BMP", ImageType::Bmp, bmp(24)},
      {"top-down 24-bit BMP", ImageType::Bmp, bmp(24, 0, true)},
      {"32-bit BMP with alpha", ImageType::Bmp, bmp(32)},
      {"16-bit BMP", ImageType::Bmp, bmp(16)},
      {"8-bit BMP", ImageType::Bmp, bmp(8)},
      {"4-bit BMP", ImageType::Bmp, bmp(4)},
      {"run-length 8-bit BMP", ImageType::Bmp, bmp(8, kBitmapRle8)},
      {"run-length 4-bit BMP", ImageType::Bmp, bmp(4, kBitmapRle4)},
  };
  for (const Case& c : cases) {
    PhotoImage whole(c.type);
    ASSERT_TRUE(whole.createCodec()->loadFromMemory(whole, c.file.data(), c.file.size(), false)) << c.what;
    for (const Size box : {Size{16, 16}, Size{66, 44}, Size{5, 40}, Size{67, 1}}) {
      DibBitmap expected;
      ASSERT_TRUE(scaleToFit(expected, whole.colorBitmap(), box));
      PhotoImage reduced(c.type);
      reduced.setFittedDecodeBox(box);
      ASSERT_TRUE(reduced.createCodec()->loadFromMemory(reduced, c.file.data(), c.file.size(), false)) << c.what;
      const DibBitmap& got = reduced.colorBitmap();
      ASSERT_EQ(got.width(), expected.width()) << c.what << " into " << box.width << "x" << box.height;
      ASSERT_EQ(got.height(), expected.height()) << c.what;
      EXPECT_EQ(std::string(reinterpret_cast<const char*>(got.bits()), got.byteCount()),
                std::string(reinterpret_cast<const char*>(expected.bits()), expected.byteCount()))
          << c.what << " into " << box.width << "x" << box.height;
      EXPECT_FALSE(reduced.hasAlpha()) << c.what;
      EXPECT_EQ(reduced.info().width, 67) << c.what;  // the file is still described
    }
    // A picture that fits the box is decoded whole, alpha and all.
    PhotoImage fitting(c.type);
    fitting.setFittedDecodeBox({67, 45});
    ASSERT_TRUE(fitting.createCodec()->loadFromMemory(fitting, c.file.data(), c.file.size(), false)) << c.what;
    EXPECT_EQ(fitting.colorBitmap().width(), 67) << c.what;
    EXPECT_EQ(fitting.hasAlpha(), whole.hasAlpha()) << c.what;
  }
}

TEST(ReducedDecodeTest, AJpegIsScaledByTheLibraryAndComesCloseToTheWholePicture) {
  for (const int components : {3, 4}) {
    const std::string file = test::jpegFile(640, 480, components, [](int x, int y) {
      return std::array<uint16_t, 4>{uint16_t(x / 3 % 256), uint16_t(y / 2 % 256), uint16_t((x + y) / 5 % 256), 200};
    });
    PhotoImage whole(ImageType::Jpg);
    ASSERT_TRUE(whole.createCodec()->loadFromMemory(whole, file.data(), file.size(), false));
    DibBitmap expected;
    ASSERT_TRUE(scaleToFit(expected, whole.colorBitmap(), {100, 100}));
    PhotoImage reduced(ImageType::Jpg);
    reduced.setFittedDecodeBox({100, 100});
    ASSERT_TRUE(reduced.createCodec()->loadFromMemory(reduced, file.data(), file.size(), false));
    const DibBitmap& got = reduced.colorBitmap();
    ASSERT_EQ(got.width(), 100);
    ASSERT_EQ(got.height(), 75);
    long difference = 0;
    for (int y = 0; y < 75; ++y)
      for (int x = 0; x < 300; ++x) difference += std::abs(int(got.row(y)[x]) - int(expected.row(y)[x]));
    EXPECT_LT(difference / (75 * 300.0), 2.0) << components << " components";
  }
}

// The resident memory the process reached since the peak was last reset; 0
// when the system does not say.
long residentKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
  return 0;
}

bool resetResidentPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  return static_cast<bool>(clear.flush());
}

// A PNG of the size given whose rows repeat (so the file stays small),
// compressed as it is made: no picture of that size is ever held here.
std::string largePng(int width, int height, bool interlaced) {
  std::string out("\x89PNG\r\n\x1a\n", 8);
  auto chunk = [&out](const char* type, const std::string& data) {
    std::string body = std::string(type, 4) + data;
    const uint32_t length = static_cast<uint32_t>(data.size());
    const uint32_t crc = static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size())));
    for (int shift = 24; shift >= 0; shift -= 8) out += char(length >> shift);
    out += body;
    for (int shift = 24; shift >= 0; shift -= 8) out += char(crc >> shift);
  };
  std::string header;
  for (const uint32_t v : {uint32_t(width), uint32_t(height)})
    for (int shift = 24; shift >= 0; shift -= 8) header += char(v >> shift);
  header += std::string{8, 2, 0, 0, char(interlaced ? 1 : 0)};
  chunk("IHDR", header);
  z_stream z{};
  deflateInit(&z, 1);
  std::string compressed;
  auto feed = [&](const std::string& bytes, int flush) {
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z.avail_in = uInt(bytes.size());
    do {
      char buffer[65536];
      z.next_out = reinterpret_cast<Bytef*>(buffer);
      z.avail_out = sizeof buffer;
      deflate(&z, flush);
      compressed.append(buffer, sizeof buffer - z.avail_out);
    } while (z.avail_out == 0);
  };
  const int passes[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
  for (int p = 0; p < (interlaced ? 7 : 1); ++p) {
    const int* pass = interlaced ? passes[p] : passes[6];
    const int columns = interlaced ? (width - pass[0] + pass[2] - 1) / pass[2] : width;
    const int rows = interlaced ? (height - pass[1] + pass[3] - 1) / pass[3] : height;
    if (columns <= 0 || rows <= 0) continue;
    std::string first(1, '\0');
    for (int x = 0; x < columns; ++x) first += std::string{char(x), char(x / 7), char(200)};
    feed(first, Z_NO_FLUSH);
    const std::string same = '\2' + std::string(size_t(columns) * 3, '\0');  // "up": the row above again
    for (int y = 1; y < rows; ++y) feed(same, Z_NO_FLUSH);
  }
  feed(std::string(), Z_FINISH);
  deflateEnd(&z);
  chunk("IDAT", compressed);
  chunk("IEND", "");
  return out;
}

std::string largeRunLengthBmp(int width, int height) {
  test::BmpLayout layout;
  layout.width = width;
  layout.height = height;
  layout.bits = 8;
  layout.compression = kBitmapRle8;
  for (int i = 0; i < 256; ++i) layout.palette.push_back({uint8_t(i), 40, 90});
  std::string row;
  for (int x = 0; x < width; x += 255) row += std::string{char(std::min(255, width - x)), char(x / 255)};
  row += std::string{0, 0};
  for (int y = 0; y < height; ++y) layout.pixels += row;
  layout.pixels += std::string{0, 1};
  return test::bmpFile(layout);
}

// A photo of 6000 x 6000 pixels takes 103 MiB decoded whole; into a
// thumbnail's box it takes a few rows.
TEST(ReducedDecodeTest, ALargePhotoIsNeverHeldWholeForAThumbnail) {
  test::TempDir dir;
  struct Case {
    const wchar_t* name;
    std::string file;
  };
  const Case cases[] = {
      {L"plain.png", largePng(6000, 6000, false)},
      {L"interlaced.png", largePng(6000, 6000, true)},
      {L"run-length.bmp", largeRunLengthBmp(6000, 6000)},
      {L"photo.jpg", test::jpegFile(5000, 5000, 3,
                                    [](int x, int) {
                                      return std::array<uint16_t, 4>{uint16_t(x % 256), 90, 30, 0};
                                    },
                                    80, true)},
  };
  for (const Case& c : cases) test::writeFile(dir / c.name, c.file);
  for (const Case& c : cases) {
    if (!resetResidentPeak()) GTEST_SKIP() << "this system cannot reset the resident peak (/proc/self/clear_refs)";
    const long before = residentKiB("VmRSS:");
    DibBitmap thumbnail;
    ASSERT_TRUE(loadFitted(thumbnail, dir / c.name, {256, 256}));
    const long grown = residentKiB("VmHWM:") - before;
    EXPECT_EQ(thumbnail.width(), 256);
    EXPECT_LT(grown, 40 * 1024) << "KiB more while making the thumbnail of " << c.file.size() << "-byte "
                                << std::string(c.name, c.name + std::wcslen(c.name));
  }
}

}  // namespace
}  // namespace tavoro
