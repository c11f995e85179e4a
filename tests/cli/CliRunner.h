// Runs the built tavoro-cli as a user would: real arguments, exit status,
// standard output and standard error captured in files of a test folder.
#pragma once

#include <string>
#include <vector>

#include "TempDir.h"

namespace tavoro::test {

struct CliRun {
  int status = -1;  // the exit status, or 128 + the signal that ended it
  std::string out;
  std::string err;
};

CliRun runCli(const TempDir& dir, const std::vector<std::string>& arguments);

}  // namespace tavoro::test
