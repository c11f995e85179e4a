// Running a piece of code as if the disk were full: in a child process whose
// files cannot grow past a limit (RLIMIT_FSIZE holds for every user, root
// included, unlike file modes).
#pragma once

#include <cstddef>
#include <functional>

namespace tavoro::test {

// Runs work in a forked child in which no file can be written past
// maxBytes; returns what work returned there. Fails the test when the child
// cannot be run or dies.
bool runWithFileSizeLimit(size_t maxBytes, const std::function<bool()>& work);

}  // namespace tavoro::test
