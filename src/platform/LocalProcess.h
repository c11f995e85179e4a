// This computer and its processes, as a lock file or a temporary file names
// them: the user, the host's name and its current boot, this process's id
// and start, and whether a process of this host is still running.
// Thread-safe (no shared state).
#pragma once

#include <cstdint>
#include <string>

namespace tavoro {

// The host's name (gethostname); empty text when the system has none.
std::string localHostName();

// The login name of the user this process runs as; the user id in decimal
// when the system knows no name.
std::string localUserName();

// What tells this computer from others that may carry the same host name
// (the system's machine id); empty text when the system does not say.
std::string localMachineId();

// What tells this boot of the host from the others (the kernel's boot id);
// empty text when the system does not say.
std::string localBootId();

// The id of this process.
int localProcessId();

// When the process with this id started, in clock ticks since the boot:
// with the id, it tells a process from a later one that got the same id.
// 0 when there is no such process or the system does not say.
uint64_t processStartTime(int pid);

// Whether a process with this id runs on this host. A process of another
// user counts as running; an id of 0 or below never runs.
bool isProcessRunning(int pid);

}  // namespace tavoro
