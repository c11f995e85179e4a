// Ctrl-C during a long export, backup or restore: the command stops at its
// next step and deletes what it had begun, instead of dying with a half
// written file or folder left behind. Thread-safe (a signal-safe flag).
#pragma once

namespace tavoro::cli {

// From now on SIGINT and SIGTERM only set the flag that interrupted() reads.
void catchInterruption();
bool interrupted();

}  // namespace tavoro::cli
