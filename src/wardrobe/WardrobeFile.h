// Reading and writing the wardrobe file (".twd"): one XML document that names
// every collection, tag, item, photo and tag value of a wardrobe by id.
// User-interface thread (or one thread per wardrobe); no shared state.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "DateTime.h"
#include "Wardrobe.h"
#include "XmlParser.h"
#include "platform/FileIdentity.h"
#include "platform/Status.h"

namespace tavoro {

// The wardrobe namespace; old files are readable only when it matches exactly.
inline constexpr const wchar_t* kWardrobeNamespace = L"http://www.tavoro.example/xmlns/twd";

// The largest wardrobe file read or written: a wardrobe of a quarter of a
// million items with three values each takes about 120 MB. Reading keeps the
// text and the model in memory, no tree of the XML library's; the model of
// any file within the limit stays within a few times its size.
inline constexpr size_t kMaxWardrobeFileBytes = size_t{256} << 20;
// Our files nest 7 elements deep and carry at most 8 attributes an element;
// deeper nesting or more attributes are refused as the XML layer refuses
// them in any file.
inline constexpr XmlLimits kWardrobeXmlLimits{256, 64, static_cast<size_t>(-1)};

// Makes the wardrobe folder when missing and writes the whole wardrobe to
// wardrobe.wardrobeFilePath(), atomically: on failure the previous file is
// left whole, and the status names the path and the reason (the system's,
// or "file too large" beyond kMaxWardrobeFileBytes).
Status writeWardrobe(Wardrobe& wardrobe);
// The same, replacing the file only while it is still the one expected
// describes (else the reason is kChangedOnDiskReason and nothing is
// written), and giving the identity of the file written; either may be null.
Status writeWardrobe(Wardrobe& wardrobe, const FileIdentity* expected, FileIdentity* written);

// Fills a freshly made, empty wardrobe from the file at path, repairing what
// can be repaired (bad children dropped, bad dates replaced by now, counters
// recomputed). A failure for a file that cannot be read as a wardrobe, with
// the reason: the system's ("No such file or directory", "Is a directory",
// "Permission denied"), "file too large", "XML error at line N", or that it
// is not a Tavoro wardrobe; the caller then discards the half-filled wardrobe.
Status readWardrobe(std::wstring_view path, Wardrobe& wardrobe);
// The same, dating items whose stored date cannot be read by clock.
Status readWardrobe(std::wstring_view path, Wardrobe& wardrobe, const LocalClock& clock);

// The stored wardrobe name, or empty text when the file cannot be read or
// holds no name. Reads the file only as far as Properties (a few kilobytes
// of a wardrobe of any size), so what follows is not checked.
std::wstring readWardrobeName(std::wstring_view path);

}  // namespace tavoro
