// Which names inside a zip archive may be unpacked: relative paths that stay
// inside the target folder on any system. Thread-safe (pure functions).
#pragma once

#include <string_view>

namespace tavoro {

// True for a relative path of plain names separated by "/" (a folder entry
// may end in "/"): no leading "/", no "\", no empty, "." or ".." part, no
// control character, no part longer than 255 bytes.
bool isSafeZipEntryName(std::string_view name);

}  // namespace tavoro
