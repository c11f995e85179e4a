// Runs the built tavoro-cli as a separate process, as a script would: real
// arguments, standard input from a pipe (never a terminal), and what it
// printed and its exit status collected.
#pragma once

#include <string>
#include <vector>

namespace tavoro::test {

struct CliRun {
  int status = -1;  // the exit status, 128 + the signal that ended it, or -1 when it could not be run
  std::string out;
  std::string err;
};

CliRun runCli(const std::vector<std::string>& arguments, const std::string& input = {});

}  // namespace tavoro::test
