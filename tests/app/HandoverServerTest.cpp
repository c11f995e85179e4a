#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QTest>
#include <QThread>
#include <atomic>
#include <thread>

#include "TempDir.h"
#include "app/HandoverFrame.h"
#include "app/HandoverServer.h"
#include "app/PathHandoverBlock.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

// What a client saw after sending its bytes.
struct ClientOutcome {
  QByteArray answer;
  bool closedByServer = false;
};

// Sends bytes from a thread of its own, as a second process would, and
// waits up to waitMs for the answer or for the server to close the socket.
ClientOutcome sendRaw(const QString& socketPath, const QByteArray& bytes, int waitMs) {
  QLocalSocket socket;
  socket.connectToServer(socketPath);
  if (!socket.waitForConnected(2000)) return {};
  socket.write(bytes);
  while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(2000)) {
  }
  ClientOutcome outcome;
  const QDeadlineTimer deadline(waitMs);
  while (!deadline.hasExpired()) {
    if (socket.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime()))))
      outcome.answer += socket.readAll();
    if (socket.state() != QLocalSocket::ConnectedState) {
      outcome.answer += socket.readAll();
      outcome.closedByServer = true;
      break;
    }
  }
  return outcome;
}

QByteArray bytesOf(const std::vector<uint8_t>& v) {
  return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

class HandoverServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_socketPath = QString::fromStdString(toUtf8(m_dir / L"handover"));
    ASSERT_TRUE(m_server.listen(m_socketPath));
    QObject::connect(&m_server, &HandoverServer::handoverReceived,
                     [this](const std::vector<std::wstring>& paths) { m_received.push_back(paths); });
  }

  // Runs work on a thread while this thread serves the socket.
  template <typename Work>
  void whileServing(Work work) {
    std::atomic<bool> done = false;
    std::thread client([&] {
      work();
      done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 10000));
    client.join();
    QCoreApplication::processEvents();
  }

  test::TempDir m_dir;
  QString m_socketPath;
  HandoverServer m_server;
  std::vector<std::vector<std::wstring>> m_received;
};

TEST_F(HandoverServerTest, PathsAndActivationArriveAndAreAnswered) {
  bool answered = false;
  const std::vector<std::wstring> paths = {L"/w/one.twd", L"/w/two.twd"};
  whileServing([&] { answered = sendHandover(m_socketPath, encodeHandoverFrame(0, buildHandoverBlock(paths)), 5000); });
  EXPECT_TRUE(answered);
  whileServing([&] { answered = sendHandover(m_socketPath, encodeHandoverFrame(0, {}), 5000); });
  EXPECT_TRUE(answered);
  EXPECT_EQ(m_received, (std::vector<std::vector<std::wstring>>{paths, {}}));
}

TEST_F(HandoverServerTest, InvalidBlocksAreAnsweredButIgnored) {
  std::vector<uint8_t> badMagic = buildHandoverBlock({L"/w/a.twd"});
  badMagic[0] = 'X';
  const std::vector<std::vector<uint8_t>> frames = {
      encodeHandoverFrame(1, buildHandoverBlock({L"/w/a.twd"})),  // dwData not 0
      encodeHandoverFrame(0, badMagic),
      encodeHandoverFrame(1, {}),
  };
  for (const auto& frame : frames) {
    ClientOutcome outcome;
    whileServing([&] { outcome = sendRaw(m_socketPath, bytesOf(frame), 3000); });
    EXPECT_EQ(outcome.answer, QByteArray("\x01\x00\x00\x00", 4));
  }
  EXPECT_TRUE(m_received.empty());
}

TEST_F(HandoverServerTest, MalformedFramesAreDroppedUnanswered) {
  std::vector<uint8_t> oversized = encodeHandoverFrame(0, {});
  oversized[4] = 0xFF, oversized[5] = 0xFF, oversized[6] = 0xFF, oversized[7] = 0x7F;
  std::vector<uint8_t> trailing = encodeHandoverFrame(0, buildHandoverBlock({L"/w/a.twd"}));
  trailing.push_back(0);
  for (const auto& frame : {oversized, trailing}) {
    ClientOutcome outcome;
    whileServing([&] { outcome = sendRaw(m_socketPath, bytesOf(frame), 3000); });
    EXPECT_TRUE(outcome.closedByServer);
    EXPECT_TRUE(outcome.answer.isEmpty());
  }
  EXPECT_TRUE(m_received.empty());

  // The server goes on serving.
  bool answered = false;
  whileServing([&] { answered = sendHandover(m_socketPath, encodeHandoverFrame(0, {}), 5000); });
  EXPECT_TRUE(answered);
  EXPECT_EQ(m_received.size(), 1u);
}

TEST_F(HandoverServerTest, ASlowSenderNeitherBlocksOthersNorStaysForever) {
  m_server.setFrameTimeout(1500);
  const std::vector<uint8_t> frame = encodeHandoverFrame(0, buildHandoverBlock({L"/w/slow.twd"}));
  ClientOutcome slow;
  bool fastAnswered = false;
  std::atomic<bool> slowDone = false;
  whileServing([&] {
    // Half a frame, then silence.
    std::thread slowClient([&] {
      slow = sendRaw(m_socketPath, bytesOf(frame).left(100), 5000);
      slowDone = true;
    });
    QThread::msleep(100);
    fastAnswered = sendHandover(m_socketPath, encodeHandoverFrame(0, buildHandoverBlock({L"/w/fast.twd"})), 5000);
    // The fast sender was served while the slow one still waited.
    EXPECT_FALSE(slowDone.load());
    slowClient.join();
  });
  EXPECT_TRUE(fastAnswered);
  EXPECT_TRUE(slow.closedByServer);
  EXPECT_TRUE(slow.answer.isEmpty());
  EXPECT_EQ(m_received, (std::vector<std::vector<std::wstring>>{{L"/w/fast.twd"}}));
}

TEST(HandoverClientTest, NoRunningInstanceMeansNoAnswer) {
  test::TempDir dir;
  EXPECT_FALSE(sendHandover(QString::fromStdString(toUtf8(dir / L"nobody")), encodeHandoverFrame(0, {}), 300));
}

}  // namespace
}  // namespace tavoro
