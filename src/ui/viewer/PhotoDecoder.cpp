#include "ui/viewer/PhotoDecoder.h"

#include <algorithm>

#include "ui/viewer/ViewerDecoding.h"

namespace tavoro::ui {

namespace {

// Prefetches beyond this are dropped: paging outruns them anyway.
constexpr size_t kMaxWaiting = 4;

}  // namespace

PhotoDecoder::PhotoDecoder(Done done) : m_done(std::move(done)), m_thread([this] { run(); }) {}

PhotoDecoder::~PhotoDecoder() {
  {
    std::lock_guard lock(m_mutex);
    m_stopping = true;
    m_requests.clear();
  }
  m_wake.notify_all();
  m_thread.join();
}

void PhotoDecoder::requestNow(const std::wstring& path, QSize box) {
  {
    std::lock_guard lock(m_mutex);
    m_requests.clear();
    // Paged to the photo that is being decoded ahead: it comes soon enough.
    if (m_inHand.path == path && m_inHand.box == box) return;
    m_requests.push_back({path, box});
  }
  m_wake.notify_one();
}

void PhotoDecoder::requestLater(const std::wstring& path, QSize box) {
  {
    std::lock_guard lock(m_mutex);
    const bool waiting = (m_inHand.path == path && m_inHand.box == box) ||
                         std::any_of(m_requests.begin(), m_requests.end(),
                                     [&](const Request& r) { return r.path == path && r.box == box; });
    if (waiting || m_requests.size() >= kMaxWaiting) return;
    m_requests.push_back({path, box});
  }
  m_wake.notify_one();
}

void PhotoDecoder::cancel() {
  std::lock_guard lock(m_mutex);
  m_requests.clear();
}

void PhotoDecoder::run() {
  for (;;) {
    Request request;
    {
      std::unique_lock lock(m_mutex);
      m_wake.wait(lock, [this] { return m_stopping || !m_requests.empty(); });
      if (m_stopping) return;
      request = std::move(m_requests.front());
      m_requests.pop_front();
      m_inHand = request;
    }
    QImage image = decodeForViewer(request.path, request.box);
    m_done({request.path, request.box, std::move(image)});
    std::lock_guard lock(m_mutex);
    m_inHand = {};
  }
}

}  // namespace tavoro::ui
