#include "TerminationRequest.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace tavoro {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe from the handler to the event loop; a handler may only write.
int g_pipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

TerminationRequest::TerminationRequest(QObject* parent) : QObject(parent) {
  if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    emit requested();
  });
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  // Caught once: if the orderly end hangs, the next signal ends the process.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

TerminationRequest::~TerminationRequest() {
  if (!m_notifier) return;
  for (int signal : kSignals) ::signal(signal, SIG_DFL);
  delete m_notifier;
  ::close(g_pipe[0]);
  ::close(g_pipe[1]);
  g_pipe[0] = g_pipe[1] = -1;
}

}  // namespace tavoro
