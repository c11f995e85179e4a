#include "Startup.h"

#include <QApplication>

#include "AppFolders.h"
#include "HandoverFrame.h"
#include "HandoverServer.h"
#include "InstanceLock.h"
#include "TerminationRequest.h"
#include "platform/AppPaths.h"
#include "platform/CharClass.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"

namespace tavoro {

namespace {

QString qtPath(const std::wstring& path) { return QString::fromStdString(toUtf8(path)); }

// A private temporary folder made for this run goes with the run.
struct RunTempFolderCleanup {
  RunTempFolderCleanup() = default;
  RunTempFolderCleanup(const RunTempFolderCleanup&) = delete;
  RunTempFolderCleanup& operator=(const RunTempFolderCleanup&) = delete;
  ~RunTempFolderCleanup() { removeRunTempFolder(); }
};

}  // namespace

std::vector<std::wstring> programArguments(int argc, char** argv) {
  std::vector<std::wstring> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(fromUtf8(argv[i]));
  return arguments;
}

std::vector<uint8_t> handoverFrameFor(const std::vector<std::wstring>& arguments) {
  std::vector<std::wstring> paths;
  for (const std::wstring& argument : arguments) {
    const std::wstring trimmed = trimSpace(argument);
    paths.push_back(trimmed.empty() ? trimmed : absolutePath(trimmed));
  }
  return encodeHandoverFrame(0, buildHandoverBlock(paths));
}

int runProgram(const std::vector<std::wstring>& arguments, const ProgramHooks& hooks) {
  const RunTempFolderCleanup cleanup;
  // The lock file and the socket live only in a folder that passed its
  // check (or one made for this run, where no other start finds them):
  // without one, this start runs on its own.
  const bool privateFolder = setUpFolders(hooks.inform);

  InstanceLock lock;
  switch (privateFolder ? lock.acquire(instanceLockPath()) : InstanceLock::Result::Acquired) {
    case InstanceLock::Result::Failed:
      return 0;
    case InstanceLock::Result::HeldElsewhere:
      // The running instance comes to the front and opens the first path;
      // when it cannot be reached there is nothing more to do.
      sendHandover(qtPath(instanceSocketPath()), handoverFrameFor(arguments), kHandoverTimeoutMs);
      return 0;
    case InstanceLock::Result::Acquired:
      break;
  }

  // Watched from before the socket is offered: whoever can reach this
  // instance can also ask it to end in order. The request waits in the
  // event loop until the window can take it.
  TerminationRequest termination;

  // Without the socket the program still runs; a second start then finds no
  // instance to hand over to and ends.
  HandoverServer server;
  if (privateFolder) server.listen(qtPath(instanceSocketPath()));

  std::unique_ptr<ProgramWindow> window = hooks.createWindow();
  if (!window) return 0;
  QObject::connect(&server, &HandoverServer::handoverReceived,
                   [&window](const std::vector<std::wstring>& paths) { window->receiveHandover(paths); });

  QObject::connect(&termination, &TerminationRequest::requested, [&window] { window->requestClose(); });

  if (!arguments.empty()) window->openFromCommandLine(arguments.front());
  window->enterEventLoop();
  const int status = QApplication::exec();

  server.close();
  // Destroying the window saves the settings.
  window.reset();
  return status;
}

}  // namespace tavoro
