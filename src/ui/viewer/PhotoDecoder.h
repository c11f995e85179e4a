// The viewer's decoder thread: photos are decoded and fitted off the
// user-interface thread, so that paging through large photos never freezes
// the window. The photo to show now goes first; the one the user will
// probably want next is decoded while nothing else waits. Results leave the
// thread through the owner's callback as plain QImages. Thread-safe.
#pragma once

#include <QImage>
#include <QSize>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace tavoro::ui {

struct DecodedPhoto {
  std::wstring path;
  QSize box;
  QImage image;  // null when the photo cannot be shown
};

class PhotoDecoder {
 public:
  // Called on the decoder thread with every photo decoded (or found undecodable).
  using Done = std::function<void(DecodedPhoto)>;

  explicit PhotoDecoder(Done done);
  // Drops what waits, lets the photo in hand finish, and joins the thread:
  // no callback comes after this.
  ~PhotoDecoder();
  PhotoDecoder(const PhotoDecoder&) = delete;
  PhotoDecoder& operator=(const PhotoDecoder&) = delete;

  // The photo to show now, ahead of everything else. Replaces whatever else
  // waits: a photo the user paged past is no longer wanted.
  void requestNow(const std::wstring& path, QSize box);
  // A photo to have ready, decoded when nothing more urgent waits.
  void requestLater(const std::wstring& path, QSize box);
  // Drops every waiting request.
  void cancel();

 private:
  struct Request {
    std::wstring path;
    QSize box;
  };
  void run();

  Done m_done;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::deque<Request> m_requests;
  Request m_inHand;  // being decoded now
  bool m_stopping = false;
  std::thread m_thread;  // last: started once everything it uses exists
};

}  // namespace tavoro::ui
