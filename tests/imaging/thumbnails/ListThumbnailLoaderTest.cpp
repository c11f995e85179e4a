#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>

#include "Announcements.h"
#include "PhotoFactory.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/thumbnails/ListThumbnailLoader.h"
#include "imaging/thumbnails/ThumbnailStore.h"
#include "platform/PathOps.h"

namespace tavoro {
namespace {

using test::Announcements;
using test::TempDir;
using test::writeFile;

std::shared_ptr<const DibBitmap> solidIcon(int size, uint32_t color) {
  auto icon = std::make_shared<DibBitmap>();
  EXPECT_TRUE(icon->create(size, size, 24));
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) icon->setPixel(x, y, color);
  return icon;
}

// One icon per extension, as the desktop's file icons would be.
PlaceholderIconSource iconsByExtension() {
  auto jpg = solidIcon(16, 0x0000FF), png = solidIcon(16, 0x00FF00);
  return [jpg, png](std::wstring_view path) {
    const std::wstring extension = pathExtension(path);
    if (extension == L"jpg") return PlaceholderIcon{1, jpg};
    if (extension == L"png") return PlaceholderIcon{2, png};
    return PlaceholderIcon{};
  };
}

class ListThumbnailLoaderTest : public ::testing::Test {
 protected:
  ListThumbnailLoaderTest() { m_store.open(L"loader.tcf", m_dir.path()); }
  std::wstring photo(const std::wstring& name, const std::string& bytes) {
    const std::wstring path = m_dir / name;
    writeFile(path, bytes);
    return path;
  }
  std::unique_ptr<ListThumbnailLoader> makeLoader(ThumbnailStore& store, Announcements* ready = nullptr) {
    ListThumbnailSink sink;
    sink.thumbnailReady = [ready = ready ? ready : &m_ready](int32_t id) { ready->add(id); };
    sink.imageListRecreated = [this] { ++m_recreated; };
    return std::make_unique<ListThumbnailLoader>(store, ListCellStyle{}, nullptr, iconsByExtension(), sink);
  }

  TempDir m_dir;
  ThumbnailStore m_store;
  Announcements m_ready;
  int m_recreated = 0;
};

TEST_F(ListThumbnailLoaderTest, MakesOneCellPerItemAndAnnouncesIt) {
  ThumbnailStore closed;  // a store that failed to open changes nothing visible
  for (ThumbnailStore* store : {&m_store, &closed}) {
    Announcements ready;
    auto loader = makeLoader(*store, &ready);
    ASSERT_TRUE(loader->hasThread());
    for (int32_t id = 1; id <= 3; ++id)
      loader->requestThumbnail(id, photo(std::to_wstring(id) + L".bmp", test::bmpBytes(120, 90, id)));
    ASSERT_TRUE(ready.waitFor(3));
    EXPECT_EQ(ready.ids(), (std::vector<int32_t>{1, 2, 3}));
    std::set<int> indices;
    for (int32_t id = 1; id <= 3; ++id) {
      const int index = loader->imageIndexFor(id, m_dir / (std::to_wstring(id) + L".bmp"));
      const std::shared_ptr<const DibBitmap> cell = loader->imageList()->at(index);
      ASSERT_TRUE(cell);
      EXPECT_EQ(cell->width(), 96);
      EXPECT_EQ(cell->pixel(0, 0), 0xDADEE5u);  // the matte
      indices.insert(index);
    }
    EXPECT_EQ(indices.size(), 3u);
    // A finished item is not queued again.
    loader->requestThumbnail(2, m_dir / L"2.bmp");
    loader->requestThumbnails({{1, m_dir / L"1.bmp"}, {3, m_dir / L"3.bmp"}});
    EXPECT_TRUE(loader->pendingIds().empty());
  }
  EXPECT_GT(m_store.used(), 0u);
}

TEST_F(ListThumbnailLoaderTest, ShowsOnePlaceholderPerIconUntilTheThumbnailIsThere) {
  auto loader = makeLoader(m_store);
  const int jpg = loader->imageIndexFor(10, m_dir / L"a.jpg");
  ASSERT_GE(jpg, 0);
  EXPECT_EQ(loader->imageIndexFor(11, m_dir / L"b.jpg"), jpg);
  const int png = loader->imageIndexFor(12, m_dir / L"c.png");
  EXPECT_GE(png, 0);
  EXPECT_NE(png, jpg);
  EXPECT_EQ(loader->imageIndexFor(13, m_dir / L"d.bmp"), -1);  // the source has no icon for it
  const std::shared_ptr<const DibBitmap> cell = loader->imageList()->at(jpg);
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->pixel(39, 40), 0xDADEE5u);
  EXPECT_EQ(cell->pixel(40, 40), 0x0000FFu);  // (96 - 16) / 2
  EXPECT_EQ(cell->pixel(55, 55), 0x0000FFu);
  EXPECT_EQ(cell->pixel(56, 55), 0xDADEE5u);

  // A photo that cannot be decoded keeps its placeholder and is never announced.
  loader->requestThumbnail(20, photo(L"broken.jpg", "not a photo"));
  loader->requestThumbnail(21, photo(L"fine.png.bmp", test::bmpBytes(10, 10)));
  ASSERT_TRUE(m_ready.waitFor(1));
  EXPECT_EQ(m_ready.ids(), std::vector<int32_t>{21});
  EXPECT_EQ(loader->imageIndexFor(20, m_dir / L"broken.jpg"), jpg);
  EXPECT_NE(loader->imageIndexFor(21, m_dir / L"fine.png.bmp"), -1);
}

TEST_F(ListThumbnailLoaderTest, ResetMakesANewImageListAndForgetsEveryCell) {
  auto loader = makeLoader(m_store);
  const std::wstring path = photo(L"one.bmp", test::bmpBytes(50, 50));
  loader->requestThumbnail(1, path);
  ASSERT_TRUE(m_ready.waitFor(1));
  const std::shared_ptr<CellImageList> before = loader->imageList();
  const int index = loader->imageIndexFor(1, path);
  EXPECT_EQ(before->count(), 1);

  loader->reset(500);
  EXPECT_EQ(m_recreated, 1);
  EXPECT_NE(loader->imageList(), before);
  EXPECT_EQ(loader->imageList()->count(), 0);
  EXPECT_TRUE(before->at(index));                 // what a painter still holds stays whole
  EXPECT_EQ(loader->imageIndexFor(1, path), -1);  // no icon for .bmp, no cell
  loader->requestThumbnail(1, path);
  ASSERT_TRUE(m_ready.waitFor(2));
  EXPECT_EQ(loader->imageIndexFor(1, path), 0);

  // forget: the item may be asked for again.
  loader->forget(1);
  EXPECT_EQ(loader->imageIndexFor(1, path), -1);
  loader->requestThumbnail(1, path);
  ASSERT_TRUE(m_ready.waitFor(3));
  EXPECT_EQ(loader->imageIndexFor(1, path), 1);
  loader->clearThumbnails();
  EXPECT_EQ(loader->imageIndexFor(1, path), -1);
}

TEST_F(ListThumbnailLoaderTest, DestroyingABusyLoaderStopsAfterTheRequestInHand) {
  const std::wstring path = photo(L"big.jpg", test::jpegBytes(1600, 1200));
  auto count = std::make_shared<std::atomic<int>>(0);
  ListThumbnailSink sink;
  sink.thumbnailReady = [count](int32_t) { ++*count; };
  ThumbnailStore none;  // every request decodes the photo again
  auto loader = std::make_unique<ListThumbnailLoader>(none, ListCellStyle{}, nullptr, nullptr, sink);
  std::vector<ThumbnailRequest> batch;
  for (int32_t id = 1; id <= 40; ++id) batch.push_back({id, path});
  loader->requestThumbnails(batch);
  while (*count == 0) std::this_thread::yield();  // busy for sure
  loader.reset();
  const int atDestruction = *count;
  EXPECT_LT(atDestruction, 40);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(*count, atDestruction);  // nothing after the destructor returned
}

TEST_F(ListThumbnailLoaderTest, DestroyingAnIdleLoaderWakesItsThread) {
  auto loader = makeLoader(m_store);
  loader->reset(1);
  loader.reset();
  EXPECT_EQ(m_ready.count(), 0u);
}

}  // namespace
}  // namespace tavoro
