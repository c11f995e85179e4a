// The running instance's end of the hand-over: a local socket in the private
// temporary folder that reads one frame per connection without ever waiting
// for it, answers it, and reports what it carried. A frame that is too large,
// malformed or not complete within a short time is dropped.
// User-interface thread only.
#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

class QLocalServer;

namespace tavoro {

class HandoverServer : public QObject {
  Q_OBJECT

 public:
  // How long a connection may take to deliver its frame, by default.
  static constexpr int kFrameTimeoutMs = 3000;
  // Connections being read at once; more are closed unread.
  static constexpr int kMaxPendingConnections = 8;

  explicit HandoverServer(QObject* parent = nullptr);
  ~HandoverServer() override;

  // Listens at socketPath (a full path), replacing a socket left behind by an
  // instance that is gone; the caller holds the instance lock, so none is live.
  bool listen(const QString& socketPath);
  void close();
  void setFrameTimeout(int milliseconds) { m_frameTimeoutMs = milliseconds; }

 signals:
  // A frame was read and answered. paths is empty for an activate-only frame;
  // frames whose block fails validation are answered and not reported.
  void handoverReceived(const std::vector<std::wstring>& paths);

 private:
  void acceptConnections();

  QLocalServer* m_server;
  int m_pending = 0;
  int m_frameTimeoutMs = kFrameTimeoutMs;
};

// The second start's end: connects to the running instance's socket (trying
// again until timeoutMs has passed, since that instance may still be
// starting), sends frame and waits for the answer. True when answered.
bool sendHandover(const QString& socketPath, const std::vector<uint8_t>& frame, int timeoutMs);

}  // namespace tavoro
