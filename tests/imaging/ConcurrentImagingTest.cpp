// Decoding, fitting and saving run on the user-interface thread and on the
// thumbnail threads at once; nothing in them may be shared between threads.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "ImageTestFiles.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/ImageCodec.h"
#include "imaging/LoadFitted.h"

namespace tavoro {
namespace {

TEST(ConcurrentImagingTest, ThreadsDecodeFitAndSaveIndependently) {
  test::TempDir dir;
  test::ExifBlock block;
  block.orientation = 8;
  block.thumbnail = test::jpegFile(40, 30, 3, [](int x, int y) {
    return std::array<uint16_t, 4>{uint16_t(x * 6), uint16_t(y * 8), 9, 0};
  });
  const std::string main = test::jpegFile(200, 150, 3, [](int x, int y) {
    return std::array<uint16_t, 4>{uint16_t(x), uint16_t(y), 200, 0};
  });
  test::writeFile(dir / L"exif.jpg", test::insertSegments(main, {test::jpegSegment(0xE1, test::exifPayload(block))}));
  test::writeFile(dir / L"plain.jpg", main);
  PhotoImage png(ImageType::Png);
  png.colorBitmap() = test::makeBitmap(180, 120, [](int x, int y) {
    return Bgra{uint8_t(x), uint8_t(y), uint8_t(x ^ y), 255};
  });
  ASSERT_TRUE(png.alphaPlane().create(180, 120, 8));
  ASSERT_TRUE(png.createCodec()->saveToFile(png, dir / L"alpha.png"));
  PhotoImage bmp(ImageType::Bmp);
  ASSERT_TRUE(bmp.colorBitmap().copyFrom(png.colorBitmap()));
  ASSERT_TRUE(bmp.createCodec()->saveToFile(bmp, dir / L"plain.bmp"));

  const std::vector<std::wstring> files = {dir / L"exif.jpg", dir / L"plain.jpg", dir / L"alpha.png",
                                           dir / L"plain.bmp"};
  std::vector<DibBitmap> expected(files.size());
  for (size_t i = 0; i < files.size(); ++i) ASSERT_TRUE(loadFitted(expected[i], files[i], {64, 64}));

  std::atomic<int> failures{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 10; ++round) {
        for (size_t i = 0; i < files.size(); ++i) {
          DibBitmap thumbnail;
          if (!loadFitted(thumbnail, files[i], {64, 64}) || thumbnail.byteCount() != expected[i].byteCount() ||
              std::memcmp(thumbnail.bits(), expected[i].bits(), thumbnail.byteCount()) != 0)
            ++failures;
        }
        // Every thread replaces the same file: each write is whole, whoever wins.
        PhotoImage image(ImageType::Png);
        image.colorBitmap() = test::makeBitmap(30, 20, [t](int, int) { return Bgra{uint8_t(t), 0, 0, 255}; });
        if (!image.createCodec()->saveToFile(image, dir / L"shared.png")) ++failures;
      }
    });
  }
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(failures.load(), 0);
  PhotoImage shared(ImageType::Png);
  ASSERT_TRUE(shared.open(dir / L"shared.png"));
  EXPECT_EQ(shared.colorBitmap().width(), 30);
}

}  // namespace
}  // namespace tavoro
