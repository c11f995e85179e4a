// The names of the folders and files below a wardrobe's photo folder: a
// letter, "_" and the object's id in at least six digits ("C_000012" for
// collection 12, "I_..." for an item, "P_..." for a photo before its
// extension), made without the formatting library: a large collection asks
// for tens of thousands of them at once. Thread-safe.
#pragma once

#include <cstdint>
#include <string>

namespace tavoro {

// What "%lc_%06d" gives for letter and id.
std::wstring numberedName(wchar_t letter, int32_t id);

}  // namespace tavoro
