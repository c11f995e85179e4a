// File and folder operations on UTF-8 paths. None follows a symbolic link
// where following one could touch a file outside the named tree.
// Thread-safe (no shared state).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavoro {

bool pathExists(std::wstring_view path);  // anything, also a dangling link
bool isFolder(std::wstring_view path);    // a folder, or a link to one
bool isFile(std::wstring_view path);      // a regular file, or a link to one

// Makes the folder and every missing parent (mode 0777 less the umask),
// flushing the folders that got a new entry so that the new folders survive
// a power cut. A folder that exists already counts as success.
bool createFolders(std::wstring_view path);

// Deletes the folder with everything in it. A symbolic link met on the way is
// removed, never entered; a link named by path itself is not a folder and is
// refused. Stops at the first entry that cannot be deleted (false).
bool removeTree(std::wstring_view path);

// Deletes a folder only when it is empty.
bool removeEmptyFolder(std::wstring_view path);

// Deletes one file (or link). True when something was deleted.
bool removeFile(std::wstring_view path);

// Copies a regular file to a target that must not exist yet (O_EXCL, so the
// refusal holds against a race). The target keeps the source's modification
// time, and is flushed to disk with its folder entry before this returns
// true. On failure (also of the flush) nothing is left at target.
bool copyFileNoOverwrite(std::wstring_view source, std::wstring_view target);

enum class EntryKind { File, Folder, Link, Other };

struct FolderEntry {
  std::wstring name;
  EntryKind kind;  // the entry itself; a link is reported as Link
};

// The entries of a folder other than "." and "..", in the order the file
// system returns them. False when the folder cannot be read.
bool listFolder(std::wstring_view path, std::vector<FolderEntry>& out);

}  // namespace tavoro
