// Writing a whole text file in one go, with the reason when it fails.
// Thread-safe (no shared state).
#pragma once

#include <string_view>

#include "platform/Status.h"

namespace tavoro {

// Creates the file (it must not exist) and writes the bytes. Nothing is
// flushed to disk: the export that holds it does that once for all its files.
Status writeNewFile(std::wstring_view path, std::string_view bytes);

}  // namespace tavoro
