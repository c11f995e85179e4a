#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "SearchWardrobes.h"
#include "platform/Utf8.h"
#include "search/QueryParser.h"
#include "search/SearchScan.h"
#include "search/SearchWorker.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro {
namespace {

// What the worker handed over, gathered from its thread.
class Pieces {
 public:
  SearchWorker::Sink sink() {
    return [this](SearchPiece piece) {
      std::lock_guard lock(m_mutex);
      m_pieces.push_back(std::move(piece));
      m_changed.notify_all();
    };
  }
  // Waits for the last piece of the ticket; false after a minute.
  bool waitForLast(uint64_t ticket) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::minutes(1), [&] {
      for (const SearchPiece& piece : m_pieces)
        if (piece.ticket == ticket && piece.last) return true;
      return false;
    });
  }
  std::vector<SearchPiece> taken() {
    std::lock_guard lock(m_mutex);
    return m_pieces;
  }
  // The ticket's items, its pieces joined in order.
  std::vector<Item*> items(uint64_t ticket) {
    std::vector<Item*> joined;
    for (const SearchPiece& piece : taken())
      if (piece.ticket == ticket) joined.insert(joined.end(), piece.items.begin(), piece.items.end());
    return joined;
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::vector<SearchPiece> m_pieces;
};

class SearchWorkerTest : public ::testing::Test {
 protected:
  void SetUp() override { test::addSearchCollections(m_wardrobe, 4, 5000); }
  Collection& all() { return *m_wardrobe.collections().allCollections(); }

  Wardrobe m_wardrobe;
};

TEST_F(SearchWorkerTest, PiecesJoinedAreWhatAPlainScanFinds) {
  Pieces pieces;
  SearchWorker worker(pieces.sink());
  uint64_t ticket = 0;
  for (Collection* scope : {&all(), m_wardrobe.collections().at(2)}) {
    for (const std::wstring& query : test::searchTestQueries()) {
      const std::vector<SearchTerm> terms = parseQuery(query);
      worker.start({++ticket, scope, terms, nullptr});
      ASSERT_TRUE(pieces.waitForLast(ticket)) << toUtf8(query);
      EXPECT_EQ(pieces.items(ticket), scanItems(*scope, terms).items) << toUtf8(query);
    }
  }
  // Pieces come in order, one last piece a scan, and between the first and
  // the last only pieces with results.
  size_t lastPieces = 0;
  uint64_t previousTicket = 0;
  for (const SearchPiece& piece : pieces.taken()) {
    lastPieces += piece.last ? 1 : 0;
    EXPECT_TRUE(piece.last || !piece.items.empty() || piece.ticket != previousTicket);
    previousTicket = piece.ticket;
  }
  EXPECT_EQ(lastPieces, ticket);
  EXPECT_FALSE(worker.busy());

  // A scan that finds nothing still says so after its first piece's items.
  worker.start({++ticket, &all(), parseQuery(L"nothing-at-all"), nullptr});
  ASSERT_TRUE(pieces.waitForLast(ticket));
  std::vector<bool> lastFlags;
  for (const SearchPiece& piece : pieces.taken())
    if (piece.ticket == ticket) lastFlags.push_back(piece.last);
  EXPECT_EQ(lastFlags, (std::vector<bool>{false, true}));
}

TEST_F(SearchWorkerTest, ScansOnlyTheItemsItIsGiven) {
  Pieces pieces;
  SearchWorker worker(pieces.sink());
  const std::vector<SearchTerm> before = parseQuery(L"re");
  auto within = std::make_shared<const std::vector<Item*>>(scanItems(all(), before).items);
  ASSERT_GT(within->size(), SearchWorker::kPieceItems / 2);
  const std::vector<SearchTerm> terms = parseQuery(L"red shirt");
  worker.start({1, &all(), terms, within});
  ASSERT_TRUE(pieces.waitForLast(1));
  EXPECT_EQ(pieces.items(1), scanItems(all(), terms).items);
}

// A new scan cancels the one in hand, and after stop() the wardrobe is the
// owner's again: it is changed at once (the thread sanitizer would see the
// worker still reading), and no piece of the stopped scan comes afterwards.
TEST_F(SearchWorkerTest, ANewScanOrStopEndsTheScanInHand) {
  Pieces pieces;
  SearchWorker worker(pieces.sink());
  const std::vector<SearchTerm> terms = parseQuery(L"a");
  worker.start({1, &all(), terms, nullptr});
  worker.start({2, &all(), terms, nullptr});
  ASSERT_TRUE(pieces.waitForLast(2));
  EXPECT_EQ(pieces.items(2), scanItems(all(), terms).items);
  bool secondBegun = false;
  for (const SearchPiece& piece : pieces.taken()) {
    secondBegun = secondBegun || piece.ticket == 2;
    EXPECT_TRUE(piece.ticket == 2 || !secondBegun) << "a piece of the first scan after the second began";
  }

  worker.start({3, &all(), terms, nullptr});
  worker.stop();
  EXPECT_FALSE(worker.busy());
  const size_t handedOver = pieces.taken().size();
  Collection* first = m_wardrobe.collections().at(0);
  while (first->items().count() > 0) first->items().take(first->items().at(0));
  first->items().add(L"a new one", 9001);

  worker.start({4, &all(), terms, nullptr});
  ASSERT_TRUE(pieces.waitForLast(4));
  EXPECT_EQ(pieces.items(4), scanItems(all(), terms).items);
  const std::vector<SearchPiece> all = pieces.taken();
  for (size_t i = handedOver; i < all.size(); ++i) EXPECT_EQ(all[i].ticket, 4u);
}

}  // namespace
}  // namespace tavoro
