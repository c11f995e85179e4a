#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/HandoverFrame.h"
#include "app/PathHandoverBlock.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

uint32_t uint32At(const std::vector<uint8_t>& bytes, size_t offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | bytes[offset + i];
  return value;
}

void setUint32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

std::vector<std::wstring> read(const std::vector<uint8_t>& block, uint32_t dwData = 0) {
  return readHandover(dwData, block.data(), block.size());
}

TEST(PathHandoverBlockTest, ThreePathsMakeTheDocumentedLayout) {
  const std::vector<std::wstring> paths = {L"/home/u/a.twd", L"/b \u00E9\u4E2D.twd", L"/c\U0001F600.twd"};
  const std::vector<uint8_t> block = buildHandoverBlock(paths);
  ASSERT_EQ(block.size(), 1578u);
  EXPECT_EQ(std::memcmp(block.data(), "KTPP", 4), 0);
  EXPECT_EQ(uint32At(block, 4), 1578u);
  EXPECT_EQ(uint32At(block, 8), 3u);
  // Slot 1: UTF-16LE text, then zeros to the end of its 522 bytes.
  const uint8_t* slot = block.data() + 12;
  EXPECT_EQ(slot[0], '/');
  EXPECT_EQ(slot[1], 0);
  for (size_t i = 2 * paths[0].size(); i < 522; ++i) ASSERT_EQ(slot[i], 0) << "byte " << i;
  // The emoji of slot 3 takes a surrogate pair.
  const uint8_t* third = block.data() + 12 + 2 * 522;
  EXPECT_EQ(third[4] | third[5] << 8, 0xD83D);
  EXPECT_EQ(third[6] | third[7] << 8, 0xDE00);

  EXPECT_EQ(read(block), paths);
}

TEST(PathHandoverBlockTest, PathsThatDoNotFitASlotAreLeftOut) {
  const std::wstring longest(260, L'x');
  const std::wstring tooLong(261, L'y');
  // 259 units and one character outside the BMP need 261 units.
  const std::wstring tooLongInUtf16 = std::wstring(259, L'z') + L"\U0001F600";
  const std::wstring withZero = std::wstring(L"/a") + L'\0' + L"b";
  const std::vector<uint8_t> block = buildHandoverBlock({tooLong, longest, tooLongInUtf16, withZero, L"/last"});
  EXPECT_EQ(read(block), (std::vector<std::wstring>{longest, L"/last"}));
  EXPECT_TRUE(buildHandoverBlock({tooLong}).empty());
  EXPECT_TRUE(buildHandoverBlock({}).empty());
}

TEST(PathHandoverBlockTest, FileNamesThatAreNotUtf8SurviveTheTrip) {
  const std::wstring path = fromUtf8("/data/caf\xE9/w.twd");  // Latin-1 bytes on disk
  const std::vector<std::wstring> paths = read(buildHandoverBlock({path}));
  ASSERT_EQ(paths.size(), 1u);
  EXPECT_EQ(toUtf8(paths[0]), "/data/caf\xE9/w.twd");
}

TEST(PathHandoverBlockTest, ReceivedBlocksAreValidatedBeforeReading) {
  const std::vector<uint8_t> good = buildHandoverBlock({L"/a.twd", L"/b.twd"});
  ASSERT_EQ(read(good).size(), 2u);

  struct Case {
    const char* what;
    std::vector<uint8_t> block;
    uint32_t dwData = 0;
  };
  std::vector<Case> cases;
  cases.push_back({"dwData not 0", good, 1});
  cases.push_back({"wrong magic", good});
  cases.back().block[3] = 'Q';
  cases.push_back({"size field larger than the data", good});
  setUint32(cases.back().block, 4, static_cast<uint32_t>(good.size() + 2));
  cases.push_back({"size field smaller than the data", good});
  setUint32(cases.back().block, 4, static_cast<uint32_t>(good.size() - 1));
  cases.push_back({"no slots", good});
  setUint32(cases.back().block, 8, 0);
  cases.push_back({"more slots than sent", good});
  setUint32(cases.back().block, 8, 3);
  cases.push_back({"a count that overflows 32 bits when multiplied", good});
  setUint32(cases.back().block, 8, 0x80000000u);
  cases.push_back({"shorter than the header", std::vector<uint8_t>(good.begin(), good.begin() + 11)});
  cases.push_back({"empty", {}});

  for (const Case& c : cases) EXPECT_TRUE(read(c.block, c.dwData).empty()) << c.what;
  EXPECT_TRUE(readHandover(0, nullptr, 1578).empty());
}

TEST(PathHandoverBlockTest, ASlotWithoutItsZeroGivesAtMost260Units) {
  std::vector<uint8_t> block = buildHandoverBlock({L"/a.twd"});
  // Fill the whole slot, terminator included, with 'w'.
  for (size_t i = 0; i < 522; i += 2) block[12 + i] = 'w', block[12 + i + 1] = 0;
  const std::vector<std::wstring> paths = read(block);
  ASSERT_EQ(paths.size(), 1u);
  EXPECT_EQ(paths[0], std::wstring(260, L'w'));
}

TEST(HandoverFrameTest, ReaderAssemblesAFrameFromAnyPieces) {
  const std::vector<uint8_t> block = buildHandoverBlock({L"/a.twd"});
  const std::vector<uint8_t> frame = encodeHandoverFrame(0, block);
  ASSERT_EQ(frame.size(), 8 + block.size());

  for (size_t piece : {size_t{1}, size_t{3}, size_t{8}, size_t{100}, frame.size()}) {
    HandoverFrameReader reader;
    for (size_t at = 0; at < frame.size(); at += piece) {
      ASSERT_EQ(reader.state(), HandoverFrameReader::State::Incomplete) << "piece " << piece << " at " << at;
      reader.feed(frame.data() + at, std::min(piece, frame.size() - at));
    }
    ASSERT_EQ(reader.state(), HandoverFrameReader::State::Complete) << "piece " << piece;
    EXPECT_EQ(reader.dwData(), 0u);
    EXPECT_EQ(reader.data(), block);
  }
}

TEST(HandoverFrameTest, ActivateOnlyFrameIsCompleteAfterItsHeader) {
  const std::vector<uint8_t> frame = encodeHandoverFrame(0, {});
  ASSERT_EQ(frame.size(), 8u);
  HandoverFrameReader reader;
  EXPECT_EQ(reader.feed(frame.data(), 7), HandoverFrameReader::State::Incomplete);
  EXPECT_EQ(reader.feed(frame.data() + 7, 1), HandoverFrameReader::State::Complete);
  EXPECT_TRUE(reader.data().empty());
}

TEST(HandoverFrameTest, OversizedOrOverlongFramesAreMalformed) {
  // A declared size of more than the largest hand-over is refused at once,
  // before any of it is read.
  std::vector<uint8_t> huge = encodeHandoverFrame(0, {});
  setUint32(huge, 4, static_cast<uint32_t>(kHandoverMaxFrameData + 1));
  HandoverFrameReader tooLarge;
  EXPECT_EQ(tooLarge.feed(huge.data(), huge.size()), HandoverFrameReader::State::Malformed);

  std::vector<uint8_t> largest = encodeHandoverFrame(0, std::vector<uint8_t>(kHandoverMaxFrameData, 0));
  HandoverFrameReader atLimit;
  EXPECT_EQ(atLimit.feed(largest.data(), largest.size()), HandoverFrameReader::State::Complete);

  // Bytes after the frame's end, in the same piece or a later one.
  std::vector<uint8_t> trailing = encodeHandoverFrame(0, {1, 2, 3});
  trailing.push_back(4);
  HandoverFrameReader samePiece;
  EXPECT_EQ(samePiece.feed(trailing.data(), trailing.size()), HandoverFrameReader::State::Malformed);
  HandoverFrameReader laterPiece;
  EXPECT_EQ(laterPiece.feed(trailing.data(), trailing.size() - 1), HandoverFrameReader::State::Complete);
  EXPECT_EQ(laterPiece.feed(trailing.data() + trailing.size() - 1, 1), HandoverFrameReader::State::Malformed);
}

}  // namespace
}  // namespace tavoro
