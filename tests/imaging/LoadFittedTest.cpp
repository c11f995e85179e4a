#include <gtest/gtest.h>

#include "ImageTestFiles.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/ImageCodec.h"
#include "imaging/LoadFitted.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::TempDir;

// A grey main picture; its EXIF thumbnail (when asked for) is red and of a
// different shape, so the result shows which one was used.
std::string photo(int width, int height, const std::string& thumbnail, int orientation) {
  const std::string main = test::jpegFile(width, height, 1, [](int, int) {
    return std::array<uint16_t, 4>{100, 0, 0, 0};
  });
  if (thumbnail.empty()) return main;
  test::ExifBlock block;
  block.orientation = orientation;
  block.thumbnail = thumbnail;
  return test::insertSegments(main, {test::jpegSegment(0xE1, test::exifPayload(block))});
}

const std::string& redThumbnail() {
  static const std::string t = test::jpegFile(
      16, 24, 3,
      [](int, int) {
        return std::array<uint16_t, 4>{255, 0, 0, 0};
      },
      90);
  return t;
}

TEST(LoadFittedTest, AJpegUsesItsExifThumbnailTurnedUpright) {
  TempDir dir;
  const std::wstring path = dir / L"with thumbnail.jpg";
  test::writeFile(path, photo(640, 480, redThumbnail(), 6));
  DibBitmap dest;
  ASSERT_TRUE(loadFitted(dest, path, {100, 100}));
  EXPECT_EQ(dest.width(), 24);  // 16 x 24 turned clockwise
  EXPECT_EQ(dest.height(), 16);
  EXPECT_GT(dest.color(5, 5).red, 240);
  EXPECT_LT(dest.color(5, 5).green, 20);

  ASSERT_TRUE(loadFitted(dest, path, {8, 8}));  // shrunk to fit
  EXPECT_EQ(dest.width(), 8);
  EXPECT_EQ(dest.height(), 5);
  EXPECT_GT(dest.color(4, 2).red, 240);

  // A thumbnail that cannot be decoded falls back to the picture itself.
  test::writeFile(path, photo(64, 48, std::string(300, '\x55'), 1));
  ASSERT_TRUE(loadFitted(dest, path, {32, 32}));
  EXPECT_EQ(dest.width(), 32);
  EXPECT_EQ(dest.height(), 24);
  EXPECT_NEAR(dest.color(10, 10).red, 100, 2);
  EXPECT_NEAR(dest.color(10, 10).green, 100, 2);

  // The picture itself is turned upright as well, fitted to the box as shown.
  test::writeFile(path, photo(64, 48, std::string(300, '\x55'), 6));
  ASSERT_TRUE(loadFitted(dest, path, {40, 32}));
  EXPECT_EQ(dest.width(), 24);
  EXPECT_EQ(dest.height(), 32);
}

TEST(LoadFittedTest, OtherFilesAreDecodedAndFitted) {
  TempDir dir;
  const DibBitmap picture = test::makeBitmap(300, 200, [](int x, int) {
    return Bgra{uint8_t(x < 150 ? 0 : 200), 50, 10, 255};
  });
  for (const wchar_t* name : {L"p.bmp", L"p.png", L"p.jpg"}) {
    const std::wstring path = dir / name;
    PhotoImage image(typeFromExtension(path));
    ASSERT_TRUE(image.colorBitmap().copyFrom(picture));
    ASSERT_TRUE(image.createCodec()->saveToFile(image, path));
    DibBitmap dest;
    ASSERT_TRUE(loadFitted(dest, path, {96, 96})) << toUtf8(name);
    EXPECT_EQ(dest.width(), 96);
    EXPECT_EQ(dest.height(), 64);
    EXPECT_NEAR(dest.color(10, 30).blue, 0, 3);
    EXPECT_NEAR(dest.color(85, 30).blue, 200, 3);
    EXPECT_NEAR(dest.color(85, 30).green, 50, 3);

    ASSERT_TRUE(loadFitted(dest, path, {1000, 1000}));  // never enlarged
    EXPECT_EQ(dest.width(), 300);
  }
}

TEST(LoadFittedTest, RefusesSmallBoxesAndUnreadableFiles) {
  TempDir dir;
  const std::wstring jpeg = dir / L"a.jpg";
  test::writeFile(jpeg, photo(64, 48, "", 0));
  DibBitmap dest;
  ASSERT_TRUE(loadFitted(dest, jpeg, {4, 4}));
  for (Size box : {Size{3, 100}, Size{100, 3}, Size{0, 0}, Size{-5, 10}}) {
    EXPECT_FALSE(loadFitted(dest, jpeg, box)) << box.width << "x" << box.height;
    EXPECT_FALSE(dest.isValid());
  }
  test::writeFile(dir / L"a.gif", "GIF89a");
  test::writeFile(dir / L"b.png", "\x89PNG\r\n\x1a\n broken");
  test::writeFile(dir / L"c.tif", test::readFile(jpeg));
  for (const wchar_t* name : {L"a.gif", L"b.png", L"c.tif", L"missing.jpg", L"noextension"})
    EXPECT_FALSE(loadFitted(dest, dir / name, {64, 64})) << toUtf8(name);
  EXPECT_FALSE(loadFitted(dest, dir.path(), {64, 64}));  // a folder
}

}  // namespace
}  // namespace tavoro
