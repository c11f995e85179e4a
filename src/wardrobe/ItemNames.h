// How an item gets its name when nobody typed one: from its first photo's
// file, and the name that stands for an item without one. Every name made
// here survives a save and a reopening. Thread-safe (no shared state).
#pragma once

#include <string>
#include <string_view>

namespace tavoro {

// What an item without a name is called (also where an older file left one
// without a name).
inline constexpr std::wstring_view kUnnamedItemName = L"unnamed";

// The name of an item whose first photo is the file at path: the file's name
// without folder and last extension, or its whole name when that leaves
// nothing (".jpg"), with each character a name may not hold (see
// isPrintableName) replaced: white space by a blank, others by U+FFFD. Never
// empty for a path that names a file.
std::wstring itemNameFromPhotoFile(std::wstring_view path);

}  // namespace tavoro
