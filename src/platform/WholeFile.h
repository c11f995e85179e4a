// Reading a file whole, with a size limit, and replacing a file whole so that
// a crash, a full disk or a power cut during the write never leaves it half
// written. Thread-safe (no shared state).
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "FileIdentity.h"

#include "Status.h"

namespace tavoro {

enum class FileReadStatus {
  Ok,
  Missing,   // nothing at the path
  NotAFile,  // a folder, a FIFO, a device...
  TooLarge,  // more than the limit
  Failed,    // no permission, an input/output error
};

// Reads the whole file into out. Never blocks on a FIFO and never reads more
// than maxBytes + 1 bytes, also from a file that grows meanwhile. out is
// empty unless the result is Ok.
FileReadStatus readWholeFile(std::wstring_view path, size_t maxBytes, std::string& out);
// The same as a status: the system's reason ("No such file or directory",
// "Is a directory", "Permission denied") or "file too large".
Status readWholeFileStatus(std::wstring_view path, size_t maxBytes, std::string& out);

// Reads the first count bytes of the file (all of it when it is shorter)
// into out; whole tells whether that was the whole file. Refuses what
// readWholeFile refuses, a file larger than maxBytes included (TooLarge).
FileReadStatus readFileStart(std::wstring_view path, size_t count, size_t maxBytes, std::string& out, bool& whole);

// Writes the file at path through write(): the bytes go to a new temporary
// file in the same folder, which is flushed to disk and then renamed over
// path. When path is a symbolic link, the file it names is replaced. An
// existing file keeps its permission bits; a new one gets 0666 less the umask.
// Temporaries that killed saves left beside the file are removed first (see
// removeStaleSaveTemporaries).
// A failure, with the previous file untouched and no temporary left behind,
// when the target exists but is not a regular file we may write, the
// temporary cannot be made, write() returns false, or flushing, syncing or
// renaming fails; its reason is the system's, or "file too large" when
// write() gave up without an error of the stream's.
// With expected, the file at path must still be that one (see isSameFile)
// when the new file is ready, just before it replaces it; otherwise nothing
// is replaced and the reason is kChangedOnDiskReason. written (when given)
// receives the identity of the file written.
Status replaceFileAtomically(std::wstring_view path, const std::function<bool(std::FILE*)>& write,
                             const FileIdentity* expected = nullptr, FileIdentity* written = nullptr);

}  // namespace tavoro
