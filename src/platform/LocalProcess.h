// This computer and its processes, as a lock file or a temporary file names
// them: the host's name, this process's id, and whether a process of this
// host is still running. Thread-safe (no shared state).
#pragma once

#include <string>

namespace tavoro {

// The host's name (gethostname); empty text when the system has none.
std::string localHostName();

// The id of this process.
int localProcessId();

// Whether a process with this id runs on this host. A process of another
// user counts as running; an id of 0 or below never runs.
bool isProcessRunning(int pid);

}  // namespace tavoro
