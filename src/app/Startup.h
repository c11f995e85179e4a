// The program's life from start to exit: folder set-up, the single-instance
// test and the hand-over to a running instance, the main window, the path on
// the command line, the event loop and teardown. No handler is registered for
// crashes: the platform's default handling applies.
// User-interface thread only.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavoro {

// What start-up needs of the main window; the user interface provides it.
class ProgramWindow {
 public:
  virtual ~ProgramWindow() = default;
  // The first command-line argument, before the event loop runs.
  virtual void openFromCommandLine(const std::wstring& path) = 0;
  // A second start handed over its paths (none: only come to the front).
  virtual void receiveHandover(const std::vector<std::wstring>& paths) = 0;
  // Called just before the event loop starts.
  virtual void enterEventLoop() = 0;
  // The session or a terminal asks the program to end: close as the user
  // would (saving), then end the event loop.
  virtual void requestClose() = 0;
};

struct ProgramHooks {
  // Shows an information box without owner (folder set-up).
  std::function<void(const std::wstring& text)> inform;
  // The main window; null when it cannot be made.
  std::function<std::unique_ptr<ProgramWindow>()> createWindow;
};

// How long a second start tries to reach the running instance.
inline constexpr int kHandoverTimeoutMs = 5000;

// argv[1] onward as wide text (after QApplication took out its own options).
std::vector<std::wstring> programArguments(int argc, char** argv);

// Runs the program in an existing QApplication; returns the exit code: 0
// also for a second start that handed over and for a window that could not
// be made.
int runProgram(const std::vector<std::wstring>& arguments, const ProgramHooks& hooks);

// What a second start sends: each argument trimmed and made absolute against
// this process's current folder (the running instance has its own), packed
// into a hand-over frame; an activate-only frame when no path fits.
std::vector<uint8_t> handoverFrameFor(const std::vector<std::wstring>& arguments);

}  // namespace tavoro
