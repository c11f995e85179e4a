// The wardrobe file read and written through the XML library's tree, as the
// program did before it read and wrote the file directly: the reference that
// differential tests and the fuzz target compare the program's reader and
// writer with, on any input.
#pragma once

#include <string>
#include <string_view>

#include "wardrobe/DateTime.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::test {

// readWardrobe's rules, walking the library's tree of the whole file.
bool referenceReadWardrobe(std::wstring_view path, Wardrobe& wardrobe, const LocalClock& clock);

// The whole wardrobe built as the library's tree and saved with its printing.
bool referenceWriteWardrobe(const Wardrobe& wardrobe, std::wstring_view path);

}  // namespace tavoro::test
