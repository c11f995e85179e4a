#include "HandoverServer.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <memory>

#include "HandoverFrame.h"

namespace tavoro {

namespace {

const char* const kReaderProperty = "tavoroHandoverReader";

QByteArray answerBytes() {
  QByteArray bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(kHandoverAnswer >> (8 * i));
  return bytes;
}

}  // namespace

HandoverServer::HandoverServer(QObject* parent) : QObject(parent), m_server(new QLocalServer(this)) {
  m_server->setSocketOptions(QLocalServer::UserAccessOption);
  connect(m_server, &QLocalServer::newConnection, this, &HandoverServer::acceptConnections);
}

HandoverServer::~HandoverServer() { close(); }

bool HandoverServer::listen(const QString& socketPath) {
  QLocalServer::removeServer(socketPath);
  return m_server->listen(socketPath);
}

void HandoverServer::close() { m_server->close(); }

void HandoverServer::acceptConnections() {
  while (QLocalSocket* socket = m_server->nextPendingConnection()) {
    if (m_pending >= kMaxPendingConnections) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    ++m_pending;
    auto reader = std::make_shared<HandoverFrameReader>();
    // Once the socket goes, for whatever reason, it no longer counts.
    connect(socket, &QObject::destroyed, this, [this] { --m_pending; });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, reader] {
      const QByteArray bytes = socket->readAll();
      switch (reader->feed(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()))) {
        case HandoverFrameReader::State::Incomplete:
          return;
        case HandoverFrameReader::State::Malformed:
          socket->abort();
          socket->deleteLater();
          return;
        case HandoverFrameReader::State::Complete:
          break;
      }
      socket->write(answerBytes());
      socket->flush();
      socket->disconnectFromServer();
      // An activate-only frame has no block; any other must pass validation.
      std::vector<std::wstring> paths;
      if (!reader->data().empty() || reader->dwData() != 0) {
        paths = readHandover(reader->dwData(), reader->data().data(), reader->data().size());
        if (paths.empty()) return;
      }
      emit handoverReceived(paths);
    });
    QTimer::singleShot(m_frameTimeoutMs, socket, [socket] {
      socket->abort();
      socket->deleteLater();
    });
    // Bytes may have arrived before the connections above were made.
    if (socket->bytesAvailable() > 0) emit socket->readyRead();
  }
}

bool sendHandover(const QString& socketPath, const std::vector<uint8_t>& frame, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  auto remaining = [&deadline] { return static_cast<int>(std::max<qint64>(1, deadline.remainingTime())); };
  QLocalSocket socket;
  for (;;) {
    socket.connectToServer(socketPath);
    if (socket.waitForConnected(remaining())) break;
    if (deadline.hasExpired()) return false;
    QThread::msleep(50);
  }
  socket.write(reinterpret_cast<const char*>(frame.data()), static_cast<qint64>(frame.size()));
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(remaining())) return false;
  }
  QByteArray answer;
  while (answer.size() < 4) {
    if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(remaining())) return false;
    answer += socket.readAll();
  }
  return answer.left(4) == answerBytes();
}

}  // namespace tavoro
