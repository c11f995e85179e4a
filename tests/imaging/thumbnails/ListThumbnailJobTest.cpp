#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "PhotoFactory.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/LoadFitted.h"
#include "imaging/thumbnails/ListThumbnailJob.h"
#include "imaging/thumbnails/ThumbnailStore.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::TempDir;
using test::writeFile;

// Every pixel different, so that a misplaced copy shows.
DibBitmap testBadge() {
  DibBitmap badge;
  EXPECT_TRUE(badge.create(14, 7, 24));
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 14; ++x) badge.setPixel(x, y, 0x800000u | static_cast<uint32_t>(y * 14 + x));
  return badge;
}

uint32_t pixelOf(const DibBitmap& b, int x, int y) {
  return b.pixel(x, y);
}

uint32_t colorValue(CellColor c) {
  return c.blue | c.green << 8 | static_cast<uint32_t>(c.red) << 16;
}

// True when the cell shows the picture at rect, fill everywhere else and, when
// badge is given, the badge in the top-right corner over both.
::testing::AssertionResult cellShows(const DibBitmap& cell, const DibBitmap& picture, const Rect& rect, CellColor fill,
                                     const DibBitmap* badge) {
  for (int y = 0; y < cell.height(); ++y)
    for (int x = 0; x < cell.width(); ++x) {
      uint32_t expected = colorValue(fill);
      if (badge && x >= cell.width() - badge->width() && y < badge->height())
        expected = pixelOf(*badge, x - (cell.width() - badge->width()), y);
      else if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom)
        expected = pixelOf(picture, x - rect.left, y - rect.top);
      if (pixelOf(cell, x, y) != expected)
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") is " << std::hex << pixelOf(cell, x, y) << ", not " << expected;
    }
  return ::testing::AssertionSuccess();
}

class ListThumbnailJobTest : public ::testing::Test {
 protected:
  std::wstring photo(const std::wstring& name, const std::string& bytes) {
    const std::wstring path = m_dir / name;
    writeFile(path, bytes);
    return path;
  }
  TempDir m_dir;
  DibBitmap m_badge = testBadge();
};

TEST_F(ListThumbnailJobTest, CentresTheFittedThumbnailOnItsMatteWithTheBadgeOnlyOnJpegFilesWithExif) {
  // Sizes whose fitting is exact in single precision (400 x 300 in 94 x 94
  // gives 70.5 rows, so 70; 384 x 288 in 96 x 96 gives 72).
  const std::string exifJpeg = test::withExif(test::jpegBytes(400, 300, 1), test::jpegBytes(128, 96, 1));
  struct Case {
    const wchar_t* name;
    std::string bytes;
    bool matte;
    Rect rect;
    bool badge;
  };
  const Case cases[] = {
      {L"plain.bmp", test::bmpBytes(400, 300), true, {1, 13, 95, 83}, false},
      {L"wide.bmp", test::bmpBytes(384, 288), false, {0, 12, 96, 84}, false},
      {L"tall.bmp", test::bmpBytes(300, 400), true, {13, 1, 83, 95}, false},
      {L"small.bmp", test::bmpBytes(50, 40), true, {23, 28, 73, 68}, false},  // never enlarged
      {L"camera.jpg", exifJpeg, true, {1, 13, 95, 83}, true},
      {L"camera.JPE", exifJpeg, false, {0, 12, 96, 84}, true},
      {L"no exif.jpeg", test::jpegBytes(400, 300, 2), true, {1, 13, 95, 83}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(toUtf8(c.name) + (c.matte ? " with matte" : " without matte"));
    const std::wstring path = photo(c.name, c.bytes);
    ListCellStyle style;
    style.matteOn = c.matte;
    DibBitmap cell;
    ListCell made;
    ASSERT_TRUE(makeListCell(style, &m_badge, nullptr, path, cell, &made));
    EXPECT_EQ(made.thumbnail, c.rect);
    EXPECT_EQ(made.exifBadge, c.badge);
    ASSERT_EQ(cell.width(), 96);
    ASSERT_EQ(cell.height(), 96);
    ASSERT_EQ(cell.bitsPerPixel(), 24);
    DibBitmap expected;
    ASSERT_TRUE(loadFitted(expected, path, style.thumbnailBox()));
    EXPECT_TRUE(
        cellShows(cell, expected, c.rect, c.matte ? style.matte : style.background, c.badge ? &m_badge : nullptr));
  }
}

TEST_F(ListThumbnailJobTest, FailsWithoutTouchingTheCellWhenNothingCanBeMade) {
  ListCellStyle tiny;
  tiny.cell = {2, 2};  // no room inside the matte
  const std::wstring good = photo(L"good.bmp", test::bmpBytes(40, 30));
  const std::wstring broken = photo(L"broken.jpg", "\xFF\xD8 not really a JPEG");
  DibBitmap cell;
  ASSERT_TRUE(cell.create(5, 5, 24));
  EXPECT_FALSE(makeListCell(tiny, &m_badge, nullptr, good, cell));
  EXPECT_FALSE(makeListCell(ListCellStyle{}, &m_badge, nullptr, broken, cell));
  EXPECT_FALSE(makeListCell(ListCellStyle{}, &m_badge, nullptr, m_dir / L"missing.png", cell));
  EXPECT_EQ(cell.width(), 5);
  EXPECT_FALSE(hasExifBlock(broken));
  EXPECT_FALSE(hasExifBlock(m_dir / L"missing.jpg"));
}

TEST_F(ListThumbnailJobTest, UsesTheStoreAndDecodesAChangedPhotoAgain) {
  ThumbnailStore store;
  ASSERT_TRUE(store.open(L"job.tcf", m_dir.path()));
  const std::wstring path = photo(L"shirt.bmp", test::bmpBytes(400, 300, 1));
  const timespec earlier[2] = {{1'600'000'000, 0}, {1'600'000'000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, toUtf8(path).c_str(), earlier, 0), 0);
  DibBitmap first, second;
  ASSERT_TRUE(makeListCell(ListCellStyle{}, nullptr, &store, path, first));
  const ThumbnailStoreEntry stored = *store.entryFor(path);
  ASSERT_TRUE(makeListCell(ListCellStyle{}, nullptr, &store, path, second));
  EXPECT_EQ(store.entryFor(path)->id, stored.id);  // found, not stored again
  EXPECT_TRUE(cellShows(second, first, Rect{0, 0, 96, 96}, {}, nullptr));

  const uint64_t usedBefore = store.used();
  writeFile(path, test::bmpBytes(400, 300, 9));  // edited: new content, new time
  DibBitmap edited;
  ASSERT_TRUE(makeListCell(ListCellStyle{}, nullptr, &store, path, edited));
  EXPECT_EQ(store.entryFor(path)->offset, static_cast<int64_t>(usedBefore));
  EXPECT_NE(edited.pixel(48, 48), first.pixel(48, 48));

  // A thumbnail stored for a larger cell does not fit a smaller one: made again.
  ListCellStyle small;
  small.cell = {40, 40};
  DibBitmap smallCell;
  ListCell made;
  ASSERT_TRUE(makeListCell(small, nullptr, &store, path, smallCell, &made));
  EXPECT_EQ(made.thumbnail, (Rect{1, 6, 39, 34}));
}

TEST_F(ListThumbnailJobTest, ACellIsMadeAgainFromItsStoredThumbnailAsItWas) {
  ThumbnailStore store;
  ASSERT_TRUE(store.open(L"remake.tcf", m_dir.path()));
  const std::string exifJpeg = test::withExif(test::jpegBytes(400, 300, 1), test::jpegBytes(128, 96, 1));
  const std::wstring camera = photo(L"camera.jpg", exifJpeg), plain = photo(L"plain.bmp", test::bmpBytes(300, 400));
  for (const bool matte : {true, false})
    for (const std::wstring& path : {camera, plain})
      for (int pass = 0; pass < 2; ++pass) {  // decoded and put, then found in the store
        SCOPED_TRACE(toUtf8(path) + (matte ? " with matte" : " without matte") + (pass ? ", stored" : ""));
        ListCellStyle style;
        style.matteOn = matte;
        style.cell = matte ? Size{96, 96} : Size{80, 90};
        DibBitmap cell, again;
        ListCell made;
        ASSERT_TRUE(makeListCell(style, &m_badge, &store, path, cell, &made));
        ASSERT_TRUE(made.origin);
        EXPECT_EQ(made.origin->exifBadge, path == camera);
        EXPECT_EQ(made.origin->thumbnail.id, store.entryFor(path)->id);
        ASSERT_TRUE(remakeListCell(style, &m_badge, store, *made.origin, again));
        EXPECT_TRUE(cellShows(again, cell, Rect{0, 0, cell.width(), cell.height()}, {}, nullptr));
      }

  // Without a store there is nothing to make it from; a store opened anew
  // no longer holds it.
  DibBitmap cell;
  ListCell made;
  ASSERT_TRUE(makeListCell(ListCellStyle{}, &m_badge, nullptr, plain, cell, &made));
  EXPECT_FALSE(made.origin);
  ASSERT_TRUE(makeListCell(ListCellStyle{}, &m_badge, &store, plain, cell, &made));
  ASSERT_TRUE(made.origin);
  store.close();
  ASSERT_TRUE(store.open(L"remake.tcf", m_dir.path()));
  DibBitmap untouched;
  EXPECT_FALSE(remakeListCell(ListCellStyle{}, &m_badge, store, *made.origin, untouched));
  EXPECT_FALSE(untouched.isValid());
}

TEST(ListCellStyleTest, TheBoxLeavesRoomForTheMatte) {
  ListCellStyle style;
  EXPECT_EQ(style.thumbnailBox(), (Size{94, 94}));
  EXPECT_EQ(style.fill(), (CellColor{218, 222, 229}));
  style.matteOn = false;
  EXPECT_EQ(style.thumbnailBox(), (Size{96, 96}));
  EXPECT_EQ(style.fill(), (CellColor{255, 255, 255}));
  style.cell = {0, 10};
  EXPECT_EQ(style.thumbnailBox(), (Size{}));
  EXPECT_EQ(centredInCell({96, 96}, {94, 70}), (Rect{1, 13, 95, 83}));
  EXPECT_EQ(centredInCell({96, 96}, {95, 71}), (Rect{1, 13, 96, 84}));
}

}  // namespace
}  // namespace tavoro
