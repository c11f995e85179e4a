#include "CliRunner.h"

#include "TestFiles.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>

extern char** environ;

namespace tavoro::test {

namespace {

// Reads both pipes to their end while writing the input, so that no pipe
// fills up. False when the deadline (if any) passed first.
bool pump(int inFd, const std::string& input, int outFd, int errFd, int seconds, CliRun& result) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  size_t written = 0;
  if (input.empty()) {
    ::close(inFd);
    inFd = -1;
  }
  while (outFd >= 0 || errFd >= 0) {
    pollfd fds[3] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}, {inFd, POLLOUT, 0}};
    int timeout = -1;
    if (seconds > 0) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) break;
      timeout = static_cast<int>(left.count());
    }
    const int ready = ::poll(fds, 3, timeout);
    if (ready < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (ready == 0) break;  // the deadline
    char buffer[4096];
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        (i == 0 ? result.out : result.err).append(buffer, static_cast<size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        ::close(fds[i].fd);
        (i == 0 ? outFd : errFd) = -1;
      }
    }
    if (inFd >= 0 && (fds[2].revents & (POLLOUT | POLLERR | POLLHUP))) {
      const ssize_t n = ::write(inFd, input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<size_t>(n);
      if (n < 0 || written == input.size()) {
        ::close(inFd);
        inFd = -1;
      }
    }
  }
  const bool finished = outFd < 0 && errFd < 0;
  for (int fd : {inFd, outFd, errFd})
    if (fd >= 0) ::close(fd);
  return finished;
}

}  // namespace

CliRun runCli(const std::vector<std::string>& arguments, const std::string& input, const CliSetUp& setUp) {
  return runProgram(test::buildFolder() + "/bin/tavoro-cli", arguments, input, setUp);
}

std::string findProgram(const std::string& name) {
  if (name.find('/') != std::string::npos) return ::access(name.c_str(), X_OK) == 0 ? name : std::string();
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "/usr/bin:/bin";
  for (size_t start = 0; start <= folders.size();) {
    size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    const std::string candidate = folders.substr(start, end - start) + "/" + name;
    if (end > start && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

CliRun runProgram(const std::string& name, const std::vector<std::string>& arguments, const std::string& input,
                  const CliSetUp& setUp) {
  // A program that exits before reading its input must not take the test with it.
  std::signal(SIGPIPE, SIG_IGN);
  CliRun result;
  const std::string program = findProgram(name);
  if (program.empty()) return result;
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  int in[2], out[2], err[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return result;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  if (setUp.standardOutput.empty())
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  else
    posix_spawn_file_actions_addopen(&actions, 1, setUp.standardOutput.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  // The child inherits the file size limit (set for the moment of the spawn)
  // and, since SIGXFSZ is ignored, sees writes past it fail with EFBIG.
  rlimit previous{};
  ::getrlimit(RLIMIT_FSIZE, &previous);
  if (setUp.maxFileBytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{setUp.maxFileBytes, previous.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  pid_t pid = -1;
  const int rc = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  if (setUp.maxFileBytes) ::setrlimit(RLIMIT_FSIZE, &previous);
  posix_spawn_file_actions_destroy(&actions);
  ::close(in[0]);
  ::close(out[1]);
  ::close(err[1]);
  if (rc != 0) {
    ::close(in[1]);
    ::close(out[0]);
    ::close(err[0]);
    return result;
  }
  if (!pump(in[1], input, out[0], err[0], setUp.hangAfterSeconds, result)) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return result;
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status))
    result.status = WEXITSTATUS(status);
  else if (WIFSIGNALED(status))
    result.status = 128 + WTERMSIG(status);
  return result;
}

}  // namespace tavoro::test
