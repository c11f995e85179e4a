#include "CliRunner.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include "TestFiles.h"
#include "platform/Utf8.h"

extern char** environ;

namespace tavoro::test {

CliRun runCli(const TempDir& dir, const std::vector<std::string>& arguments) {
  const std::string program = TAVORO_BINARY_DIR "/bin/tavoro-cli";
  std::vector<std::string> storage = {program};
  storage.insert(storage.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& a : storage) argv.push_back(a.data());
  argv.push_back(nullptr);
  const std::string outPath = toUtf8(dir / L".stdout");
  const std::string errPath = toUtf8(dir / L".stderr");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  CliRun run;
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    ADD_FAILURE() << "cannot run " << program;
    return run;
  }
  int status = 0;
  waitpid(pid, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.out = readFile(dir / L".stdout");
  run.err = readFile(dir / L".stderr");
  return run;
}

}  // namespace tavoro::test
