#include "SearchWorker.h"

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

void SearchWorker::run(std::stop_token stop) {
  while (true) {
    SearchJob job;
    {
      std::unique_lock lock(m_mutex);
      if (!m_wake.wait(lock, stop, [this] { return m_next.has_value(); })) return;
      job = std::move(*m_next);
      m_next.reset();
      m_scanning = true;
      m_cancelled = false;
    }
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
  std::vector<Item*> slice;
  slice.reserve(kPieceItems);
  options.within = &slice;
  std::vector<Item*> found;
  bool handedOver = false;
  // Scans the slice; false when cancelled.
  const auto scanSlice = [&] {
    if (slice.empty()) return !m_cancelled.load();
    ScanResult result = scanItems(*job.scope, job.terms, options);
    slice.clear();
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
  const auto add = [&](Item* item) {
    slice.push_back(item);
    return slice.size() < kPieceItems || (scanSlice() && deliver(false));
  };

  bool going = true;
  if (job.within) {
    for (size_t i = 0; going && i < job.within->size(); ++i) going = add((*job.within)[i]);
  } else if (job.scope->id() != 0) {
    for (const auto& item : job.scope->items().items())
      if (!(going = add(item.get()))) break;
  } else if (const CollectionList* list = job.scope->owner()) {
    for (const auto& collection : list->collections()) {
      for (const auto& item : collection->items().items())
        if (!(going = add(item.get()))) break;
      if (!going) break;
    }
  }
  if (going && scanSlice()) deliver(true);
}

}  // namespace tavoro
