#include <gtest/gtest.h>

#include <future>
#include <vector>

#include "imaging/thumbnails/ThumbnailRequestQueue.h"

namespace tavoro {
namespace {

using Ids = std::vector<int32_t>;

std::vector<ThumbnailRequest> batchOf(const Ids& ids) {
  std::vector<ThumbnailRequest> batch;
  for (int32_t id : ids) batch.push_back({id, L"/photos/" + std::to_wstring(id) + L".jpg"});
  return batch;
}

TEST(ThumbnailRequestQueueTest, TheEleventhPriorityRequestDemotesTheBacklogAheadOfTheBackground) {
  ThumbnailRequestQueue queue;
  queue.addBatch(batchOf({100, 101}));
  for (int32_t id = 1; id <= 10; ++id) EXPECT_TRUE(queue.addPriority({id, L"/p.jpg"}));
  EXPECT_EQ(queue.pendingIds(), (Ids{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 100, 101}));
  queue.addPriority({11, L"/p.jpg"});
  EXPECT_EQ(queue.pendingIds(), (Ids{11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 100, 101}));
  // The next backlog forms behind 11 and is demoted the same way.
  for (int32_t id = 12; id <= 21; ++id) queue.addPriority({id, L"/p.jpg"});
  EXPECT_EQ(queue.pendingIds().front(), 21);
  EXPECT_EQ(queue.pendingIds()[1], 11);
  EXPECT_EQ(queue.take().itemId, 21);
  EXPECT_EQ(queue.take().itemId, 11);
  EXPECT_EQ(queue.take().itemId, 12);
}

TEST(ThumbnailRequestQueueTest, BatchesGoToTheFrontOfTheBackgroundInTheirOwnOrder) {
  ThumbnailRequestQueue queue;
  EXPECT_EQ(queue.addBatch(batchOf({7, 8})), 2u);
  EXPECT_EQ(queue.addBatch(batchOf({1, 2, 3})), 3u);
  queue.addPriority({50, L"/p.jpg"});
  EXPECT_EQ(queue.pendingIds(), (Ids{50, 1, 2, 3, 7, 8}));
  const ThumbnailRequest first = queue.take();
  EXPECT_EQ(first.itemId, 50);
  const ThumbnailRequest second = queue.take();
  EXPECT_EQ(second.itemId, 1);
  EXPECT_EQ(second.path, L"/photos/1.jpg");
  EXPECT_EQ(queue.pendingCount(), 4u);
}

TEST(ThumbnailRequestQueueTest, FinishedItemsAreNeverQueuedAgainUntilForgottenOrReset) {
  ThumbnailRequestQueue queue;
  queue.markFinished(2);
  queue.markFinished(4);
  EXPECT_FALSE(queue.addPriority({2, L"/p.jpg"}));
  EXPECT_EQ(queue.addBatch(batchOf({1, 2, 3, 4})), 2u);
  EXPECT_EQ(queue.pendingIds(), (Ids{1, 3}));
  queue.forgetFinished(2);
  EXPECT_TRUE(queue.addPriority({2, L"/p.jpg"}));
  EXPECT_TRUE(queue.isFinished(4));
  queue.reset();
  EXPECT_EQ(queue.pendingCount(), 0u);
  EXPECT_FALSE(queue.isFinished(4));
  EXPECT_TRUE(queue.addPriority({4, L"/p.jpg"}));
}

TEST(ThumbnailRequestQueueTest, TheQuitRequestIsAPriorityRequestThatSurvivesAReset) {
  ThumbnailRequestQueue queue;
  queue.addBatch(batchOf({1, 2}));
  queue.addPriority({3, L"/p.jpg"});
  queue.markFinished(ThumbnailRequestQueue::kQuitId);  // cannot keep the quit out
  queue.addQuit();
  EXPECT_EQ(queue.pendingIds(), (Ids{3, -1, 1, 2}));
  queue.reset();
  EXPECT_EQ(queue.pendingIds(), (Ids{-1}));
  EXPECT_EQ(queue.take().itemId, ThumbnailRequestQueue::kQuitId);
}

TEST(ThumbnailRequestQueueTest, TakeWaitsForTheNextRequest) {
  ThumbnailRequestQueue queue;
  std::promise<void> waiting;
  auto taken = std::async(std::launch::async, [&] {
    waiting.set_value();
    return queue.take();
  });
  waiting.get_future().wait();
  EXPECT_EQ(taken.wait_for(std::chrono::milliseconds(30)), std::future_status::timeout);
  queue.addBatch(batchOf({9}));
  const ThumbnailRequest request = taken.get();
  EXPECT_EQ(request.itemId, 9);
  EXPECT_EQ(request.path, L"/photos/9.jpg");
}

}  // namespace
}  // namespace tavoro
