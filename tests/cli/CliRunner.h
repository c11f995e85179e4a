// Runs the built tavoro-cli as a separate process, as a script would: real
// arguments, standard input from a pipe (never a terminal), and what it
// printed and its exit status collected.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tavoro::test {

struct CliRun {
  int status = -1;  // the exit status, 128 + the signal that ended it, or -1 when it could not be run
  std::string out;
  std::string err;
};

// What a run may be given beyond its arguments and input.
struct CliSetUp {
  size_t maxFileBytes = 0;     // no file it writes may grow past this (0: no limit)
  std::string standardOutput;  // a file to write standard output to instead of the pipe
  int hangAfterSeconds = 0;    // a run still going after this long is killed (status -1)
};

CliRun runCli(const std::vector<std::string>& arguments, const std::string& input = {}, const CliSetUp& setUp = {});

// Any program (a path, or a name looked up in PATH), run the same way.
CliRun runProgram(const std::string& program, const std::vector<std::string>& arguments, const std::string& input = {},
                  const CliSetUp& setUp = {});
// The program's path when a program of that name is in PATH, else empty text.
std::string findProgram(const std::string& name);

}  // namespace tavoro::test
