#include "SearchWorker.h"

#include <algorithm>
#include <utility>

#include "SearchScan.h"
#include "wardrobe/CollectionList.h"

namespace tavoro {

SearchWorker::SearchWorker(Sink sink)
    : m_sink(std::move(sink)), m_thread([this](std::stop_token stop) { run(stop); }) {}

SearchWorker::~SearchWorker() {
  stop();
  m_thread.request_stop();
  m_wake.notify_all();
}

void SearchWorker::start(SearchJob job) {
  {
    std::lock_guard lock(m_mutex);
    m_next = std::move(job);
    m_cancelled = true;  // the scan in hand, if any; the next one clears it
  }
  m_wake.notify_all();
}

void SearchWorker::stop() {
  std::unique_lock lock(m_mutex);
  m_next.reset();
  m_cancelled = true;
  m_idle.wait(lock, [this] { return !m_scanning; });
}

bool SearchWorker::busy() const {
  std::lock_guard lock(m_mutex);
  return m_scanning || m_next.has_value();
}

void SearchWorker::forgetTexts() {
  // The worker's thread lets them go before its next scan: freeing them
  // here would hold up the change.
  std::lock_guard lock(m_mutex);
  m_forgetTexts = true;
}

void SearchWorker::run(std::stop_token stop) {
  while (true) {
    SearchJob job;
    bool forget = false;
    {
      std::unique_lock lock(m_mutex);
      if (!m_wake.wait(lock, stop, [this] { return m_next.has_value(); })) return;
      job = std::move(*m_next);
      m_next.reset();
      m_scanning = true;
      m_cancelled = false;
      forget = std::exchange(m_forgetTexts, false);
    }
    if (forget) m_index.forget();
    scan(job);
    {
      std::lock_guard lock(m_mutex);
      m_scanning = false;
    }
    m_idle.notify_all();
  }
}

bool SearchWorker::handOver(SearchPiece piece) {
  // Checked under the lock, so that stop() never returns between the check
  // and the hand-over.
  std::lock_guard lock(m_mutex);
  if (m_cancelled) return false;
  m_sink(std::move(piece));
  return true;
}

void SearchWorker::scan(const SearchJob& job) {
  ScanOptions options;
  options.threads = 0;
  options.cancelled = &m_cancelled;
  options.today = job.today;
  options.index = &m_index;
  // A piece is the next kPieceItems items: of the last results when the
  // job narrows them, else stretches of the scope's collections.
  std::vector<Item*> slice;
  std::vector<ScanStretch> stretches;
  size_t sliced = 0;
  options.within = &slice;
  std::vector<Item*> found;
  bool handedOver = false;
  // Scans the piece; false when cancelled.
  const auto scanPiece = [&] {
    if (sliced == 0) return !m_cancelled.load();
    ScanResult result = job.within ? scanItems(*job.scope, job.terms, options)
                                   : scanStretches(stretches, job.terms, options);
    slice.clear();
    stretches.clear();
    sliced = 0;
    if (!result.complete) return false;
    found.insert(found.end(), result.items.begin(), result.items.end());
    return true;
  };
  // Hands over what was found so far: the first and the last piece even
  // when empty, so that the owner stops showing the results of before
  // after one piece's time.
  const auto deliver = [&](bool last) {
    if (found.empty() && !last && handedOver) return true;
    SearchPiece piece{job.ticket, std::move(found), last};
    found = {};
    handedOver = true;
    return handOver(std::move(piece));
  };
  const auto pieceFull = [&] { return sliced < kPieceItems || (scanPiece() && deliver(false)); };

  bool going = true;
  if (job.within) {
    slice.reserve(kPieceItems);
    for (size_t i = 0; going && i < job.within->size(); ++i) {
      slice.push_back((*job.within)[i]);
      ++sliced;
      going = pieceFull();
    }
  } else {
    std::vector<const Collection*> collections;
    if (job.scope->id() != 0) {
      collections.push_back(job.scope);
    } else if (const CollectionList* list = job.scope->owner()) {
      for (const auto& collection : list->collections()) collections.push_back(collection.get());
    }
    for (const Collection* collection : collections) {
      const size_t count = collection->items().count();
      for (size_t begin = 0; going && begin < count;) {
        const size_t end = std::min(count, begin + (kPieceItems - sliced));
        stretches.push_back({collection, begin, end});
        sliced += end - begin;
        begin = end;
        going = pieceFull();
      }
      if (!going) break;
    }
  }
  if (going && scanPiece()) deliver(true);
}

}  // namespace tavoro
