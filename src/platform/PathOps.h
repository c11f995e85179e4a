// Cleaning, normalising, joining and comparing paths, and taking them apart.
// Every path the program builds or compares goes through these, so that two
// spellings of one file compare equal. Thread-safe (no shared state).
#pragma once

#include <string>
#include <string_view>

namespace tavoro {

// White space removed at both ends; a trailing "/" added when the path names
// an existing folder.
std::wstring cleanPath(std::wstring_view path);

// A trailing "/" added when the path names an existing folder; runs of "/"
// collapsed to one (a leading "//" stays as it is); "." and ".." resolved
// lexically. No length limit.
std::wstring normalizePath(std::wstring_view path);
// normalizePath without looking at the disk: no trailing "/" is added.
std::wstring lexicalPath(std::wstring_view path);
// lexicalPath(folder + "/" + name), for any folder and name; only a copy when
// folder is as lexicalPath gives it (a trailing "/" allowed) and name is a
// plain name, as when the many paths below one folder are built.
std::wstring joinLexical(std::wstring_view folder, std::wstring_view name);

// path itself when it is absolute; otherwise base, "/" and path, normalised.
std::wstring joinPath(std::wstring_view base, std::wstring_view path);

// True when both normalise to the same text. Exact: names that differ in case
// are different files here.
bool samePath(std::wstring_view a, std::wstring_view b);

// The path made absolute against the current folder (lexically normalised).
std::wstring absolutePath(std::wstring_view path);

// The text after the last "/" (the whole path when there is none).
std::wstring pathFileName(std::wstring_view path);
// The text before the last "/" ("/" for a file in the root, "" when none).
std::wstring pathFolder(std::wstring_view path);
// The file name without its last extension ("a.b.twd" gives "a.b").
std::wstring pathStem(std::wstring_view path);
// The text after the last "." of the file name, without the dot ("" when none).
std::wstring pathExtension(std::wstring_view path);

}  // namespace tavoro
