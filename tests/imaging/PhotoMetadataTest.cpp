#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "ImageTestFiles.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/BitmapTransform.h"
#include "imaging/ExifView.h"
#include "imaging/MemoryStream.h"
#include "imaging/PhotoMetadata.h"

namespace tavoro {
namespace {

using test::ExifBlock;

// A 24 x 16 thumbnail of six flat 8 x 8 blocks, each its own colour.
const Bgra kBlocks[2][3] = {{{0, 0, 255, 255}, {0, 255, 0, 255}, {255, 0, 0, 255}},
                            {{255, 255, 255, 255}, {0, 0, 0, 255}, {0, 255, 255, 255}}};
std::string thumbnailJpeg() {
  return test::jpegFile(
      24, 16, 3,
      [](int x, int y) {
        const Bgra& c = kBlocks[y / 8][x / 8];
        return std::array<uint16_t, 4>{c.red, c.green, c.blue, 0};
      },
      100);
}

std::string photoWith(const ExifBlock& block) {
  const std::string main = test::jpegFile(8, 8, 1, [](int, int) { return std::array<uint16_t, 4>{90, 0, 0, 0}; });
  return test::insertSegments(main, {test::jpegSegment(0xE1, test::exifPayload(block))});
}

JpegSegmentList headers(const std::string& file) {
  MemoryStream stream(file.data(), file.size());
  JpegSegmentList list;
  EXPECT_TRUE(readSegments(stream, true, list));
  return list;
}

bool close(const Bgra& a, const Bgra& b) {
  return std::abs(a.red - b.red) < 8 && std::abs(a.green - b.green) < 8 && std::abs(a.blue - b.blue) < 8;
}

TEST(PhotoMetadataTest, BothByteOrdersGiveTheSameAnswers) {
  for (bool bigEndian : {false, true}) {
    ExifBlock block;
    block.bigEndian = bigEndian;
    block.orientation = 6;
    block.dateTaken = "2011:07:04 18:30:05";
    block.thumbnail = thumbnailJpeg();
    const JpegSegmentList list = headers(photoWith(block));
    ExifView view;
    ASSERT_TRUE(view.open(list));
    EXPECT_EQ(view.bigEndian(), bigEndian);
    EXPECT_EQ(exifOrientation(list), 6) << bigEndian;
    PhotoDateTaken taken;
    ASSERT_TRUE(readDateTaken(list, taken)) << bigEndian;
    EXPECT_EQ(taken.date, Date::fromParts(2011, 7, 4));
    EXPECT_EQ(taken.time.milliseconds(), 66605000u);
    EXPECT_EQ(exifThumbnailBytes(list).size(), block.thumbnail.size());
    DibBitmap thumb;
    ASSERT_EQ(exifThumbnail(list, thumb, false), 6) << bigEndian;
    EXPECT_EQ(thumb.width(), 24);
    EXPECT_EQ(thumb.height(), 16);
  }
}

TEST(PhotoMetadataTest, AThumbnailDeclaringAPhotosSizeIsNotDecoded) {
  ExifBlock block;
  block.orientation = 6;
  block.thumbnail = test::jpegFile(2048, 1024, 1, [](int, int) { return std::array<uint16_t, 4>{90, 0, 0, 0}; });
  ASSERT_LT(block.thumbnail.size(), 60000u) << "fits in the segment";
  const JpegSegmentList list = headers(photoWith(block));
  EXPECT_EQ(exifThumbnailBytes(list).size(), block.thumbnail.size());
  DibBitmap thumb;
  EXPECT_EQ(exifThumbnail(list, thumb, true), 0);
  EXPECT_FALSE(thumb.isValid());
}

TEST(PhotoMetadataTest, TheThumbnailIsTurnedByEachOrientation) {
  for (int orientation = 1; orientation <= 8; ++orientation) {
    ExifBlock block;
    block.orientation = orientation;
    block.thumbnail = thumbnailJpeg();
    const JpegSegmentList list = headers(photoWith(block));
    DibBitmap stored, upright;
    ASSERT_EQ(exifThumbnail(list, stored, false), orientation);
    ASSERT_EQ(exifThumbnail(list, upright, true), orientation);
    const bool swapped = orientation >= 5;
    ASSERT_EQ(upright.width(), swapped ? 16 : 24) << orientation;
    ASSERT_EQ(upright.height(), swapped ? 24 : 16) << orientation;
    ASSERT_TRUE(applyOrientation(stored, orientation));
    EXPECT_EQ(std::memcmp(stored.bits(), upright.bits(), stored.byteCount()), 0) << orientation;
  }
  // Turned clockwise, the bottom-left block comes to the top left.
  ExifBlock block;
  block.orientation = 6;
  block.thumbnail = thumbnailJpeg();
  DibBitmap upright;
  ASSERT_EQ(exifThumbnail(headers(photoWith(block)), upright, true), 6);
  EXPECT_TRUE(close(upright.color(3, 3), kBlocks[1][0]));
  EXPECT_TRUE(close(upright.color(12, 20), kBlocks[0][2]));
  // Without an orientation tag the thumbnail counts as upright.
  block.orientation = 0;
  EXPECT_EQ(exifThumbnail(headers(photoWith(block)), upright, true), 1);
}

TEST(PhotoMetadataTest, DateTakenAndOrientationValues) {
  struct DateCase {
    const char* text;
    bool ok;
    Date date;
    uint32_t ms;
  };
  const DateCase dates[] = {
      {"2011:07:04 18:30:05", true, Date::fromParts(2011, 7, 4), 66605000},
      {"2011:07:04", false, {}, 0},
      {"2011:07:04 24:00:00", true, Date::fromParts(2011, 7, 4), Time::kInvalid},
      {"2011:07:04 12:60:00", true, Date::fromParts(2011, 7, 4), Time::kInvalid},
      {"2011:02:30 10:00:00", true, Date(), 36000000},
      {"0000:00:00 00:00:00", true, Date(), 0},
      {"    :  :     :  :  ", false, {}, 0},
      {"1999:12:31 23:59:59", true, Date::fromParts(1999, 12, 31), 86399000},
  };
  for (const DateCase& c : dates) {
    ExifBlock block;
    block.dateTaken = c.text;
    PhotoDateTaken taken;
    ASSERT_EQ(readDateTaken(headers(photoWith(block)), taken), c.ok) << c.text;
    if (!c.ok) continue;
    EXPECT_EQ(taken.date, c.date) << c.text;
    EXPECT_EQ(taken.time.milliseconds(), c.ms) << c.text;
  }
  for (int value : {0, 1, 5, 8, 9, 300}) {
    ExifBlock block;
    block.orientation = value;
    EXPECT_EQ(exifOrientation(headers(photoWith(block))), value >= 1 && value <= 8 ? value : 0) << value;
  }
}

TEST(PhotoMetadataTest, MalformedExifGivesNoAnswersAndNeverReadsOutside) {
  ExifBlock block;
  block.orientation = 3;
  block.dateTaken = "2011:07:04 18:30:05";
  block.thumbnail = thumbnailJpeg();
  const std::string good = test::exifPayload(block);
  // Offsets inside the TIFF data (after "Exif" 0 0): IFD0 at 8, its two
  // entries, the next-IFD link at 34, the EXIF directory at 38.
  auto patched = [&](size_t at, const std::string& bytes) {
    std::string p = good;
    p.replace(6 + at, bytes.size(), bytes);
    return p;
  };
  struct Case {
    const char* what;
    std::string payload;
    bool orientation, date, thumbnail;
  };
  const Case cases[] = {
      {"intact", good, true, true, true},
      {"no byte order", patched(0, "XX"), false, false, false},
      {"IFD0 beyond the segment", patched(4, std::string("\xFF\xFF\x00\x00", 4)), false, false, false},
      {"IFD0 entry count beyond the segment", patched(8, std::string("\xFF\x0F", 2)), false, false, false},
      {"a type outside 1..12", patched(12, std::string("\x0D\x00", 2)), false, true, true},
      {"EXIF directory pointer stored as a fraction", patched(24, std::string("\x05\x00", 2)), true, false, true},
      {"EXIF directory beyond the segment", patched(30, std::string("\x00\x00\x01\x00", 4)), true, false, true},
      {"date text beyond the segment", patched(48, std::string("\xF0\xFF\x00\x00", 4)), true, false, true},
      {"IFD1 beyond the segment", patched(34, std::string("\x00\x00\x00\x10", 4)), true, true, false},
      {"thumbnail longer than the segment", patched(98, std::string("\x00\x00\x01\x00", 4)), true, true, false},
      {"only the header", good.substr(0, 14), false, false, false},
      {"too short for a TIFF header", good.substr(0, 7), false, false, false},
  };
  for (const Case& c : cases) {
    const std::string main = test::jpegFile(8, 8, 1, [](int, int) { return std::array<uint16_t, 4>{90, 0, 0, 0}; });
    const JpegSegmentList list = headers(test::insertSegments(main, {test::jpegSegment(0xE1, c.payload)}));
    PhotoDateTaken taken;
    DibBitmap thumb;
    EXPECT_EQ(exifOrientation(list) == 3, c.orientation) << c.what;
    EXPECT_EQ(readDateTaken(list, taken), c.date) << c.what;
    EXPECT_EQ(exifThumbnail(list, thumb, true) != 0, c.thumbnail) << c.what;
  }
}

TEST(PhotoMetadataTest, OnlyFilesNamedAsJpegAreExamined) {
  ExifBlock block;
  block.orientation = 8;
  block.dateTaken = "2020:01:02 03:04:05";
  const std::string file = photoWith(block);
  test::TempDir dir;
  test::writeFile(dir / L"photo.JPEG", file);
  test::writeFile(dir / L"photo.png", file);
  EXPECT_EQ(exifOrientation(dir / L"photo.JPEG"), 8);
  EXPECT_EQ(exifOrientation(dir / L"photo.png"), 0);
  EXPECT_EQ(exifOrientation(dir / L"missing.jpg"), 0);
  PhotoDateTaken taken;
  EXPECT_TRUE(readDateTaken(dir / L"photo.JPEG", taken));
  EXPECT_EQ(taken.date, Date::fromParts(2020, 1, 2));
  EXPECT_FALSE(readDateTaken(dir / L"photo.png", taken));
  DibBitmap thumb;
  thumb.create(2, 2, 24);
  EXPECT_EQ(exifThumbnail(dir / L"photo.JPEG", thumb, true), 0);  // no thumbnail in it
  EXPECT_FALSE(thumb.isValid());
}

}  // namespace
}  // namespace tavoro
