#include <gtest/gtest.h>

#include "ImageTestFiles.h"
#include "imaging/JpegSegments.h"
#include "imaging/MemoryStream.h"

namespace tavoro {
namespace {

using test::jpegSegment;

const std::string kSoi("\xFF\xD8", 2);
const std::string kDqt = jpegSegment(0xDB, std::string(65, '\x01'));
const std::string kExif = jpegSegment(0xE1, std::string("Exif\0\0MM\0*", 10));

// A Photoshop resource: "8BIM", id, an empty name padded to two bytes, size, data.
std::string resource(uint16_t id, const std::string& data) {
  std::string r = "8BIM";
  r += static_cast<char>(id >> 8);
  r += static_cast<char>(id & 0xFF);
  r += std::string(2, '\0');
  r += std::string(2, '\0') + static_cast<char>(data.size() >> 8) + static_cast<char>(data.size() & 0xFF);
  r += data;
  if (data.size() % 2) r += '\0';
  return r;
}

bool read(const std::string& bytes, bool headersOnly, JpegSegmentList& list) {
  MemoryStream stream(bytes.data(), bytes.size());
  return readSegments(stream, headersOnly, list);
}

std::string photo() {
  return test::jpegFile(16, 8, 3, [](int x, int y) {
    return std::array<uint16_t, 4>{uint16_t(x * 9), uint16_t(y * 20), 50, 0};
  });
}

TEST(JpegSegmentsTest, FillBytesBeforeAMarker) {
  for (int fills = 0; fills <= 7; ++fills) {
    const std::string file = kSoi + std::string(static_cast<size_t>(fills), '\xFF') + kExif.substr(1) + kDqt;
    JpegSegmentList list;
    EXPECT_EQ(read(file, true, list), fills >= 1 && fills <= 5) << fills << " fill bytes";
    EXPECT_EQ(list.size(), fills >= 1 && fills <= 5 ? 1u : 0u);
  }
}

TEST(JpegSegmentsTest, HeadersOnlyKeepsApplicationDataAndStopsAtTheTables) {
  const std::string iptc = std::string("Photoshop 3.0\0", 14) + resource(0x03ED, "xy") + resource(0x0404, "IPTC!");
  const std::string noIptc = std::string("Photoshop 3.0\0", 14) + resource(0x03ED, "xyz");
  const std::string file = kSoi + jpegSegment(0xE0, std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14)) + kExif +
                           jpegSegment(0xFE, "a comment") + jpegSegment(0xED, iptc) + jpegSegment(0xED, noIptc) +
                           jpegSegment(0xE1, "http://ns.adobe.com/xap/1.0/") + jpegSegment(0xE0, "JFXX") + kDqt +
                           jpegSegment(0xE5, "after the tables");
  JpegSegmentList list;
  ASSERT_TRUE(read(file, true, list));
  const uint16_t ids[] = {kJpegExif, 0xFE, kJpegIptc, 0xED, 0xE1, 0xE0};
  ASSERT_EQ(list.size(), std::size(ids));
  for (size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i].id, ids[i]) << i;
  EXPECT_TRUE(list[1].data.empty());  // a comment is skipped, not kept
  EXPECT_EQ(list[1].length, 11u);
  EXPECT_EQ(list[0].data.size(), list[0].length);
  EXPECT_EQ(findSegment(list, kJpegIptc), 2);
  EXPECT_EQ(findSegment(list, kJpegJfif), -1);
  EXPECT_EQ(findSegment(list, 0xE5), -1);

  // A resource running past the segment ends the walk before the IPTC record.
  std::string overrun = std::string("Photoshop 3.0\0", 14) + resource(0x03ED, "abcd") + resource(0x0404, "x");
  overrun[14 + 10] = '\x7F';
  ASSERT_TRUE(read(kSoi + jpegSegment(0xED, overrun) + kDqt, true, list));
  EXPECT_EQ(list[0].id, 0xED);
}

TEST(JpegSegmentsTest, FullModeEndsWithTheEntropyCodedRemainder) {
  const std::string file = test::insertSegments(photo(), {kExif});
  JpegSegmentList list;
  ASSERT_TRUE(read(file, false, list));
  ASSERT_GE(list.size(), 3u);
  EXPECT_EQ(list.front().id, kJpegExif);
  EXPECT_EQ(findSegment(list, kJpegJfif), -1);
  EXPECT_EQ(list[list.size() - 2].id, kJpegStartOfScan);
  const JpegSegment& rest = list.back();
  EXPECT_EQ(rest.id, kJpegEntropyData);
  EXPECT_EQ(rest.length, rest.data.size());
  EXPECT_EQ(std::string(rest.data.end() - 2, rest.data.end()), "\xFF\xD9");

  // Writing it back gives the file without its JFIF segment: the list starts with EXIF.
  MemoryStream out;
  ASSERT_TRUE(writeSegments(list, out));
  const size_t jfif = file.find("\xFF\xE0");
  const std::string withoutJfif = file.substr(0, jfif) + file.substr(jfif + 18);
  EXPECT_EQ(std::string(out.buffer().begin(), out.buffer().end()), withoutJfif);
}

TEST(JpegSegmentsTest, WritingAddsADefaultJfifSegmentWhenNeeded) {
  JpegSegmentList list;
  ASSERT_TRUE(read(photo(), false, list));
  ASSERT_NE(list.front().id, kJpegExif);
  MemoryStream out;
  ASSERT_TRUE(writeSegments(list, out));
  const std::string written(out.buffer().begin(), out.buffer().end());
  const std::string jfif300("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x01\x01\x2C\x01\x2C\x00\x00", 20);
  EXPECT_EQ(written.substr(0, 20), jfif300);
  JpegSegmentList again;
  ASSERT_TRUE(read(written, false, again));
  EXPECT_EQ(again.size(), list.size());

  JpegSegmentList noScan = list;
  noScan.erase(noScan.end() - 2);
  JpegSegmentList noData = list;
  noData.back().data.clear();
  JpegSegmentList skipped;
  ASSERT_TRUE(read(kSoi + jpegSegment(0xFE, "c") + kDqt, true, skipped));
  for (const JpegSegmentList* bad : {&noScan, &noData, &skipped}) {
    MemoryStream refused;
    EXPECT_FALSE(writeSegments(*bad, refused));
    EXPECT_EQ(refused.size(), 0u);
  }
}

TEST(JpegSegmentsTest, BrokenFilesLeaveNoSegments) {
  const std::string sos = jpegSegment(0xDA, std::string(10, '\0'));
  struct Case {
    const char* what;
    std::string file;
    bool headersOnly;
  };
  const Case cases[] = {
      {"not a JPEG", "\x89PNG\r\n", true},
      {"empty", "", true},
      {"end of image first", kSoi + kExif + "\xFF\xD9", true},
      {"a length below 2", kSoi + kExif + std::string("\xFF\xE2\x00\x01", 4), true},
      {"a marker without fill byte", kSoi + kExif + kExif.substr(1), true},
      {"cut inside a segment", kSoi + kExif.substr(0, 8), true},
      {"skipping past the end", kSoi + std::string("\xFF\xFE\x40\x00", 4) + "short", true},
      {"no end of headers", kSoi + kExif, true},
      {"two bytes after the scan", kSoi + kExif + sos + "\xFF\xD9", false},
  };
  for (const Case& c : cases) {
    JpegSegmentList list;
    EXPECT_FALSE(read(c.file, c.headersOnly, list)) << c.what;
    EXPECT_TRUE(list.empty()) << c.what;
  }
  JpegSegmentList list;
  EXPECT_TRUE(read(kSoi + kExif + sos + "\x01\xFF\xD9", false, list));
}

}  // namespace
}  // namespace tavoro
