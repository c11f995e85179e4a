// The hidden temporary files that a whole-file save writes beside its target
// (".tavoro-save-<process>-<n>-<host>.tmp"): making one that a live save is
// seen to hold, and removing those that a killed save left behind.
// Thread-safe (no shared state).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavoro {

// The name of a save temporary of process pid on host, n telling apart the
// temporaries of one process: ".tavoro-save-<pid>-<n in hex>-<host tag>.tmp",
// the tag being a hash of the host's name in hex (a name of any characters
// fits a file name that way).
std::string saveTemporaryName(int pid, uint64_t n, std::string_view host);

// The file a save to path replaces (UTF-8): the file a link there names, so
// that saving through a link updates that file rather than the link.
std::string resolvedSaveTarget(std::wstring_view path);

// Creates a new save temporary in folder (a UTF-8 path) for writing, with
// O_EXCL, mode 0666 less the umask, and an exclusive flock that the save
// holds until it has renamed the file: the descriptor, and path set to the
// file's path; -1 when none can be made.
int createSaveTemporary(const std::string& folder, std::string& path);

// Removes the save temporaries in the folder of filePath (of the file a
// link there names) that no live save can still be writing, and returns how
// many went. A temporary stays while anyone holds its flock. One of this
// host goes when the process named in it no longer runs; any goes when it
// has not changed for a day (one of another host, on a shared folder where
// its flock may not be seen, or of a version that did not name the host,
// only then). Links and other files are never touched.
size_t removeStaleSaveTemporaries(std::wstring_view filePath);

}  // namespace tavoro
