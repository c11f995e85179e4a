#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "Announcements.h"
#include "PhotoFactory.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/LoadFitted.h"
#include "imaging/thumbnails/PreviewThumbnailCache.h"
#include "imaging/thumbnails/ThumbnailStore.h"

namespace tavoro {
namespace {

using test::Announcements;
using test::TempDir;
using test::writeFile;

bool samePixels(const DibBitmap& a, const DibBitmap& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
  return true;
}

std::shared_ptr<const PreviewSink> sinkInto(Announcements& into) {
  return std::make_shared<const PreviewSink>([&into](int32_t id) { into.add(id); });
}

class PreviewThumbnailCacheTest : public ::testing::Test {
 protected:
  PreviewThumbnailCacheTest() {
    m_store.open(ThumbnailStore::kPreviewFileName, m_dir.path());
    for (int i = 1; i <= 4; ++i) writeFile(photo(i), test::bmpBytes(400, 300, i));
  }
  std::wstring photo(int i) const { return m_dir / (L"photo " + std::to_wstring(i) + L".bmp"); }

  // Holds the preview thread inside the announcement of item 1 until released,
  // so that the queue can be looked at while nothing is taken from it.
  void holdThread(PreviewThumbnailCache& cache) {
    m_holder = std::make_shared<const PreviewSink>([this](int32_t) {
      m_held.set_value();
      m_release.get_future().wait();
    });
    PreviewPlacement out;
    ASSERT_TRUE(cache.lookupOrQueue({m_holder, 1, photo(1)}, {0, 0, 160, 160}, out));
    m_held.get_future().wait();
  }
  void releaseThread() { m_release.set_value(); }

  TempDir m_dir;
  ThumbnailStore m_store;
  std::shared_ptr<const PreviewSink> m_holder;
  std::promise<void> m_held, m_release;
};

TEST_F(PreviewThumbnailCacheTest, ServesTheNewestRequestFirst) {
  Announcements ready;
  const auto sink = sinkInto(ready);
  PreviewThumbnailCache cache(m_store);
  holdThread(cache);
  PreviewPlacement out;
  for (int32_t id = 2; id <= 4; ++id) ASSERT_TRUE(cache.lookupOrQueue({sink, id, photo(id)}, {0, 0, 50, 50}, out));
  EXPECT_FALSE(out.thumbnail);
  EXPECT_EQ(cache.pendingIds(), (std::vector<int32_t>{4, 3, 2}));
  releaseThread();
  ASSERT_TRUE(ready.waitFor(3));
  EXPECT_EQ(ready.ids(), (std::vector<int32_t>{4, 3, 2}));
}

TEST_F(PreviewThumbnailCacheTest, PlacesAThumbnailFittedAndCentredInTheRectangle) {
  Announcements ready;
  const auto sink = sinkInto(ready);
  PreviewThumbnailCache cache(m_store);
  PreviewPlacement out;
  ASSERT_TRUE(cache.lookupOrQueue({sink, 7, photo(2)}, {10, 10, 110, 110}, out));
  EXPECT_FALSE(out.thumbnail);
  ASSERT_TRUE(ready.waitFor(1));
  EXPECT_TRUE(cache.isCached(7));

  struct Case {
    Rect rect;
    Rect placed;
  };
  const Case cases[] = {
      {{10, 10, 110, 110}, {10, 22, 110, 97}},  // shrunk: 100 x 75
      {{0, 0, 160, 200}, {0, 40, 160, 160}},    // as it is: 160 x 120
      {{0, 0, 320, 320}, {0, 40, 320, 280}},    // a larger rectangle enlarges it
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(cache.lookupOrQueue({sink, 7, photo(2)}, c.rect, out));
    ASSERT_TRUE(out.thumbnail);
    EXPECT_EQ(out.thumbnail->width(), 160);
    EXPECT_EQ(out.thumbnail->height(), 120);
    EXPECT_EQ(out.rect, c.placed);
  }
  // Nothing to do for an empty rectangle, an item id not above 0 or no path.
  EXPECT_FALSE(cache.lookupOrQueue({sink, 7, photo(2)}, {5, 5, 5, 50}, out));
  EXPECT_FALSE(cache.lookupOrQueue({sink, 0, photo(2)}, {0, 0, 50, 50}, out));
  EXPECT_FALSE(cache.lookupOrQueue({sink, -1, photo(2)}, {0, 0, 50, 50}, out));
  EXPECT_FALSE(cache.lookupOrQueue({sink, 8, L""}, {0, 0, 50, 50}, out));
  EXPECT_TRUE(cache.pendingIds().empty());

  cache.clear();
  EXPECT_FALSE(cache.isCached(7));
}

TEST_F(PreviewThumbnailCacheTest, QueuesEachRequestOnceAndTellsNoRequesterThatIsGone) {
  Announcements first, second;
  const auto firstSink = sinkInto(first);
  auto secondSink = sinkInto(second);
  PreviewThumbnailCache cache(m_store);
  holdThread(cache);
  PreviewPlacement out;
  cache.lookupOrQueue({firstSink, 5, photo(3)}, {0, 0, 50, 50}, out);
  cache.lookupOrQueue({firstSink, 5, photo(3)}, {0, 0, 50, 50}, out);
  cache.lookupOrQueue({secondSink, 5, photo(3)}, {0, 0, 50, 50}, out);  // another window
  cache.lookupOrQueue({secondSink, 6, photo(4)}, {0, 0, 50, 50}, out);
  EXPECT_EQ(cache.pendingIds(), (std::vector<int32_t>{6, 5, 5}));
  secondSink.reset();  // its window closes before the thread gets to it
  releaseThread();
  ASSERT_TRUE(first.waitFor(1));
  while (!cache.pendingIds().empty() || !cache.isCached(6)) std::this_thread::yield();
  EXPECT_EQ(first.ids(), std::vector<int32_t>{5});
  EXPECT_EQ(second.count(), 0u);
}

TEST_F(PreviewThumbnailCacheTest, OnlyTheThumbnailsUsedLastStayInMemoryAndTheOthersComeBackFromTheStore) {
  Announcements ready;
  const auto sink = sinkInto(ready);
  PreviewThumbnailCache cache(m_store, 2);
  PreviewPlacement out;
  const Rect box{0, 0, 160, 160};
  for (int32_t id = 1; id <= 4; ++id) cache.lookupOrQueue({sink, id, photo(id)}, box, out);
  ASSERT_TRUE(ready.waitFor(4));
  EXPECT_EQ(cache.thumbnailsInMemory(), 2u);
  for (int32_t id = 1; id <= 4; ++id) {
    ASSERT_TRUE(cache.lookupOrQueue({sink, id, photo(id)}, box, out));
    ASSERT_TRUE(out.thumbnail) << id;
    DibBitmap expected;
    ASSERT_TRUE(loadFitted(expected, photo(id), {160, 160}));
    EXPECT_TRUE(samePixels(*out.thumbnail, expected)) << id;
  }
  EXPECT_EQ(cache.thumbnailsInMemory(), 2u);
  EXPECT_TRUE(cache.pendingIds().empty()) << "read back, not decoded again";
  EXPECT_EQ(ready.count(), 4u);

  // The store opened anew: a thumbnail out of memory is made again.
  m_store.close();
  ASSERT_TRUE(m_store.open(ThumbnailStore::kPreviewFileName, m_dir.path()));
  ASSERT_TRUE(cache.lookupOrQueue({sink, 1, photo(1)}, box, out));
  EXPECT_FALSE(out.thumbnail);
  ASSERT_TRUE(ready.waitFor(5));
  EXPECT_EQ(ready.ids().back(), 1);
  ASSERT_TRUE(cache.lookupOrQueue({sink, 1, photo(1)}, box, out));
  EXPECT_TRUE(out.thumbnail);
}

TEST_F(PreviewThumbnailCacheTest, AThumbnailThatCannotBeStoredIsShownWhileInMemoryAndMadeAgainAfter) {
  Announcements ready;
  const auto sink = sinkInto(ready);
  ThumbnailStore closed;
  PreviewThumbnailCache cache(closed, 1);
  PreviewPlacement out;
  const Rect box{0, 0, 50, 50};
  cache.lookupOrQueue({sink, 9, photo(1)}, box, out);
  ASSERT_TRUE(ready.waitFor(1));
  ASSERT_TRUE(cache.lookupOrQueue({sink, 9, photo(1)}, box, out));
  EXPECT_TRUE(out.thumbnail);
  // Pushed out of memory by another: with no store to read it back from, asked for anew.
  cache.lookupOrQueue({sink, 8, photo(2)}, box, out);
  ASSERT_TRUE(ready.waitFor(2));
  ASSERT_TRUE(cache.lookupOrQueue({sink, 9, photo(1)}, box, out));
  EXPECT_FALSE(out.thumbnail);
  ASSERT_TRUE(ready.waitFor(3));
  ASSERT_TRUE(cache.lookupOrQueue({sink, 9, photo(1)}, box, out));
  EXPECT_TRUE(out.thumbnail);
}

TEST_F(PreviewThumbnailCacheTest, AnUndecodablePhotoIsAnnouncedOnceAndNeverQueuedAgain) {
  Announcements ready;
  const auto sink = sinkInto(ready);
  writeFile(m_dir / L"damaged.png", "not a picture");
  PreviewThumbnailCache cache(m_store);
  PreviewPlacement out;
  const std::pair<int32_t, std::wstring> photos[] = {{10, m_dir / L"missing.png"}, {11, m_dir / L"damaged.png"}};
  for (const auto& [id, path] : photos) {
    ASSERT_TRUE(cache.lookupOrQueue({sink, id, path}, {0, 0, 50, 50}, out));
    EXPECT_FALSE(out.undecodable) << "not known before the thread tried";
  }
  ASSERT_TRUE(ready.waitFor(2));
  for (const auto& [id, path] : photos) {
    EXPECT_TRUE(cache.isUndecodable(id));
    EXPECT_FALSE(cache.isCached(id));
    ASSERT_TRUE(cache.lookupOrQueue({sink, id, path}, {0, 0, 50, 50}, out));
    EXPECT_TRUE(out.undecodable);
    EXPECT_FALSE(out.thumbnail);
  }
  EXPECT_TRUE(cache.pendingIds().empty());
  cache.clear();
  EXPECT_FALSE(cache.isUndecodable(10));
}

}  // namespace
}  // namespace tavoro
