// Reading and writing the wardrobe file (".twd"): one XML document that names
// every collection, tag, item, photo and tag value of a wardrobe by id.
// User-interface thread (or one thread per wardrobe); no shared state.
#pragma once

#include <string>
#include <string_view>

#include "DateTime.h"
#include "Wardrobe.h"

namespace tavoro {

// The wardrobe namespace; old files are readable only when it matches exactly.
inline constexpr const wchar_t* kWardrobeNamespace = L"http://www.tavoro.example/xmlns/twd";

// Makes the wardrobe folder when missing and writes the whole wardrobe to
// wardrobe.wardrobeFilePath(), atomically: on failure (false) the previous
// file is left whole.
bool writeWardrobe(Wardrobe& wardrobe);

// Fills a freshly made, empty wardrobe from the file at path, repairing what
// can be repaired (bad children dropped, bad dates replaced by now, counters
// recomputed). False for a file that cannot be read as a wardrobe; the caller
// then discards the half-filled wardrobe.
bool readWardrobe(std::wstring_view path, Wardrobe& wardrobe);
// The same, dating items whose stored date cannot be read by clock.
bool readWardrobe(std::wstring_view path, Wardrobe& wardrobe, const LocalClock& clock);

// The stored wardrobe name, or empty text when the file cannot be read or
// holds no name. Reads the file only as far as Properties (a few kilobytes
// of a wardrobe of any size), so what follows is not checked.
std::wstring readWardrobeName(std::wstring_view path);

}  // namespace tavoro
