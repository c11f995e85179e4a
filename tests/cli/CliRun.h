// Runs the built tavoro-cli as a separate process, as a script would, with
// standard input from a pipe (never a terminal), and collects what it printed.
#pragma once

#include <string>
#include <vector>

namespace tavoro::test {

struct CliResult {
  int exitCode = -1;  // -1 when the program could not be run or did not exit normally
  std::string out;
  std::string err;
};

CliResult runCli(const std::vector<std::string>& arguments, const std::string& input = {});

}  // namespace tavoro::test
