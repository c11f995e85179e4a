// Searching on a thread of its own, for a window that must not wait: one
// scan at a time, each started scan cancelling the one in hand, and the
// results handed over in pieces in scan order (collection by collection,
// items in stored order), so that the first of them can be shown while the
// rest are still being found. The pieces of a scan, joined, are exactly what
// scanItems finds.
// Thread-safe: start, stop and busy are for one owning thread; the sink is
// called on the worker's thread. The worker reads the wardrobe while a scan
// runs, so its owner changes the wardrobe only after stop() has returned
// (or once the scan's last piece came), and then calls forgetTexts().
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "SearchIndex.h"
#include "SearchTerm.h"
#include "wardrobe/DateTime.h"

namespace tavoro {

class Collection;
class Item;

struct SearchJob {
  uint64_t ticket = 0;  // handed back with each piece
  const Collection* scope = nullptr;
  std::vector<SearchTerm> terms;
  // When given, only these items are tested (see ScanOptions::within).
  std::shared_ptr<const std::vector<Item*>> within;
  // The day that terms of wear count back from (null: today by the system's clock).
  Date today;
};

struct SearchPiece {
  uint64_t ticket = 0;
  std::vector<Item*> items;  // the next results, in scan order
  bool last = false;         // the scan has ended: this is its last piece
};

class SearchWorker {
 public:
  using Sink = std::function<void(SearchPiece piece)>;
  // Items tested for one piece (shared among the cores): a piece that found
  // nothing is not handed over, but the first and the last always are.
  static constexpr size_t kPieceItems = 16384;

  // The sink is called with the worker's lock held: it hands the piece on
  // (posts it to its owner's thread) and never calls the worker.
  explicit SearchWorker(Sink sink);
  // Cancels the scan in hand and ends the thread.
  ~SearchWorker();
  SearchWorker(const SearchWorker&) = delete;
  SearchWorker& operator=(const SearchWorker&) = delete;

  // Starts the job; a scan in hand is cancelled first (no more of its pieces
  // come after its current one), and a job not yet begun is replaced.
  void start(SearchJob job);
  // Cancels the scan in hand and the job not yet begun, and returns once
  // the worker reads nothing of the wardrobe; no piece of theirs is handed
  // over after this returns.
  void stop();
  // Whether a job is waiting or being scanned.
  bool busy() const;
  // The wardrobe changed (or is another): the packed texts that the worker
  // keeps of the collections it searched are made again by the next scan.
  // Called, like any change of the wardrobe, when no scan runs.
  void forgetTexts();

 private:
  void run(std::stop_token stop);
  void scan(const SearchJob& job);
  // Hands the piece over unless the scan was cancelled; false when it was.
  bool handOver(SearchPiece piece);

  const Sink m_sink;
  mutable std::mutex m_mutex;
  std::condition_variable_any m_wake;
  std::condition_variable m_idle;
  std::optional<SearchJob> m_next;  // guarded by m_mutex
  bool m_scanning = false;          // guarded by m_mutex
  bool m_forgetTexts = false;       // guarded by m_mutex
  // The texts of the collections searched, kept from scan to scan; the
  // worker's thread alone touches them.
  SearchIndex m_index;
  std::atomic<bool> m_cancelled{false};
  // Last: it ends before what it uses.
  std::jthread m_thread;
};

}  // namespace tavoro
