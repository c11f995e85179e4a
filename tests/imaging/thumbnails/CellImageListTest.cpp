#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

#include "imaging/thumbnails/CellImageList.h"

namespace tavoro {
namespace {

constexpr Size kCell{8, 6};

// A cell whose every pixel tells its number.
DibBitmap numbered(uint32_t number) {
  DibBitmap cell;
  EXPECT_TRUE(cell.create(kCell.width, kCell.height, 24));
  for (int y = 0; y < kCell.height; ++y)
    for (int x = 0; x < kCell.width; ++x) cell.setPixel(x, y, number);
  return cell;
}

// The number a cell's origin stands for, kept in the record's id.
ListCellOrigin originOf(uint32_t number) {
  ListCellOrigin origin;
  origin.thumbnail.id = number;
  return origin;
}

// Makes cells again from their numbers, counting the calls; numbers in
// m_lost cannot be made.
class Remaker {
 public:
  CellImageList::Remake function() {
    return [this](const ListCellOrigin& origin, DibBitmap& cell) {
      ++m_calls;
      if (m_lost.count(origin.thumbnail.id)) return false;
      cell = numbered(origin.thumbnail.id);
      return true;
    };
  }
  int calls() const { return m_calls; }
  void lose(uint32_t number) { m_lost.insert(number); }
  void find(uint32_t number) { m_lost.erase(number); }

 private:
  std::atomic<int> m_calls{0};
  std::set<uint32_t> m_lost;
};

TEST(CellImageListTest, KeepsTheCellsUsedLastAndMakesTheOthersAgainAtTheirIndex) {
  Remaker remaker;
  CellImageList list(kCell, 10, remaker.function(), 3);
  for (uint32_t n = 0; n < 6; ++n) EXPECT_EQ(list.add(numbered(0x100 + n), originOf(0x100 + n)), static_cast<int>(n));
  EXPECT_EQ(list.count(), 6);
  EXPECT_EQ(list.cellsInMemory(), 3u);
  EXPECT_EQ(remaker.calls(), 0);

  // Cells 3, 4 and 5 are in memory; 0 comes back the same, and pushes 3 out.
  const auto first = list.at(0);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->pixel(7, 5), 0x100u);
  EXPECT_EQ(remaker.calls(), 1);
  EXPECT_EQ(list.at(4)->pixel(0, 0), 0x104u);  // used: now the newest
  EXPECT_EQ(list.at(5)->pixel(0, 0), 0x105u);
  EXPECT_EQ(remaker.calls(), 1);
  EXPECT_EQ(list.at(3)->pixel(0, 0), 0x103u);  // made again; 0 leaves, not 4 or 5
  EXPECT_EQ(remaker.calls(), 2);
  list.at(4);
  list.at(5);
  EXPECT_EQ(remaker.calls(), 2);
  EXPECT_EQ(list.cellsInMemory(), 3u);
  EXPECT_EQ(first->pixel(0, 0), 0x100u);  // what a painter holds stays whole

  // Cells without an origin never leave, and do not count against the limit.
  const int pinned = list.add(numbered(0xAA));
  for (uint32_t n = 6; n < 10; ++n) list.add(numbered(0x100 + n), originOf(0x100 + n));
  EXPECT_EQ(list.cellsInMemory(), 4u);
  const int calls = remaker.calls();
  EXPECT_EQ(list.at(pinned)->pixel(0, 0), 0xAAu);
  EXPECT_EQ(remaker.calls(), calls);

  // Out of range, or a bitmap that is not a cell of the list.
  EXPECT_FALSE(list.at(-1));
  EXPECT_FALSE(list.at(list.count()));
  DibBitmap wrong;
  ASSERT_TRUE(wrong.create(8, 7, 24));
  EXPECT_EQ(list.add(std::move(wrong), originOf(1)), -1);
}

TEST(CellImageListTest, ACellThatCannotBeMadeAgainIsNullUntilItCanBe) {
  Remaker remaker;
  CellImageList list(kCell, 4, remaker.function(), 1);
  list.add(numbered(1), originOf(1));
  list.add(numbered(2), originOf(2));
  remaker.lose(1);
  EXPECT_FALSE(list.at(0));
  EXPECT_EQ(list.at(1)->pixel(0, 0), 2u);  // still in memory
  remaker.find(1);
  ASSERT_TRUE(list.at(0));
  EXPECT_EQ(list.at(0)->pixel(0, 0), 1u);
  EXPECT_EQ(list.cellsInMemory(), 1u);

  // Without a way to make cells again, every cell stays.
  CellImageList plain(kCell, 4, {}, 1);
  for (uint32_t n = 0; n < 5; ++n) plain.add(numbered(n), originOf(n));
  EXPECT_EQ(plain.cellsInMemory(), 5u);
  EXPECT_EQ(plain.at(0)->pixel(0, 0), 0u);
}

// Run under ThreadSanitizer with the thread tests: a loader adds while a
// painter reads back cells that have left memory.
TEST(CellImageListTest, ALoaderAddsWhileAPainterReadsEveryCellBack) {
  Remaker remaker;
  CellImageList list(kCell, 100, remaker.function(), 8);
  constexpr int kCells = 2000;
  std::thread loader([&] {
    for (uint32_t n = 0; n < kCells; ++n) list.add(numbered(n), originOf(n));
  });
  int checked = 0;
  bool allRight = true;
  while (checked < kCells) {
    const int count = list.count();
    // The newest cells, then one long gone, as a painter scrolling back would.
    for (int index = std::max(0, count - 4); index < count; ++index) {
      const auto cell = list.at(index);
      allRight = allRight && cell && cell->pixel(3, 3) == static_cast<uint32_t>(index);
    }
    if (count > 0) {
      const auto old = list.at(checked % count);
      allRight = allRight && old && old->pixel(0, 0) == static_cast<uint32_t>(checked % count);
    }
    if (count == kCells)
      checked += 50;
    else
      ++checked;
  }
  loader.join();
  EXPECT_TRUE(allRight);
  EXPECT_LE(list.cellsInMemory(), 8u);
  for (int index = 0; index < kCells; index += 97) EXPECT_EQ(list.at(index)->pixel(1, 1), static_cast<uint32_t>(index));
}

}  // namespace
}  // namespace tavoro
